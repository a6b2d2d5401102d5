// A calculator wired to an in-memory window, as the real window wires it.
#pragma once

#include "calc/calculator.h"
#include "calc/memory_view.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace zelmarino::testing {

// Names a parameterised case after its `name` field.
struct CaseName {
    template <class Param>
    std::string operator()(const ::testing::TestParamInfo<Param>& info) const {
        return info.param.name;
    }
};

struct Harness {
    Harness() {
        view.onTextChanged = [this](TextBox box) { calculator.textChanged(box); };
    }
    Harness(const Harness&) = delete;
    Harness& operator=(const Harness&) = delete;

    // A design as the user makes it: choose the network, type the three boxes, "Calcola".
    void design(design::Network network, const std::string& zin, const std::string& zout,
                const std::string& db) {
        calculator.optionClick(network);
        view.type(TextBox::Text1, zin);
        view.type(TextBox::Text2, zout);
        view.type(TextBox::Text3, db);
        calculator.Command1_Click();
    }

    // A design driven directly, with the impedances already committed.
    void compute(std::optional<design::Network> network, float zin, float zout,
                 const std::string& db) {
        calculator.state().NetworkType = network;
        calculator.state().Zin = zin;
        calculator.state().Zout = zout;
        // No change handlers: they would commit the impedances again from the empty boxes.
        view.onTextChanged = nullptr;
        view.type(TextBox::Text3, db);
        calculator.Command1_Click();
        view.onTextChanged = [this](TextBox box) { calculator.textChanged(box); };
    }

    [[nodiscard]] const DesignState& state() const { return calculator.state(); }
    [[nodiscard]] std::string caption(Label label) const { return view.caption(label); }

    MemoryView view;
    Calculator calculator{view};
};

} // namespace zelmarino::testing
