// The window as Calculator sees it: named texts, captions, focus, beep and the few
// operations of choosing a network. The Qt window implements it; tests use MemoryView.
#pragma once

#include "calc/design_state.h"

#include <optional>
#include <string>

namespace zelmarino {

enum class TextBox { Text1, Text2, Text3 };

enum class Label { Label9, LabelZin, LabelZout, piti, pielle, tielle, ti };

class FormView {
public:
    FormView() = default;
    FormView(const FormView&) = delete;
    FormView& operator=(const FormView&) = delete;
    virtual ~FormView() = default;

    [[nodiscard]] virtual std::string text(TextBox box) const = 0;
    // Runs the box's change handler before returning when the text really changes.
    virtual void setText(TextBox box, const std::string& text) = 0;
    [[nodiscard]] virtual std::string caption(Label label) const = 0;
    virtual void setCaption(Label label, const std::string& caption) = 0;
    virtual void setFocus(TextBox box) = 0;
    virtual void beep() = 0;

    // Loads a schematic picture, named by its bare file name, from the program's directory.
    [[nodiscard]] virtual bool loadPicture(const std::string& fileName) = 0;
    virtual void reportMissingPicture(const std::string& fileName) = 0;
    // Shows which option button is chosen, or none.
    virtual void showNetworkChoice(std::optional<design::Network> network) = 0;
    virtual void setLabelLeft(Label label, int twips) = 0;

protected:
    FormView(FormView&&) = default;
    FormView& operator=(FormView&&) = default;
};

} // namespace zelmarino
