// The main window's behaviour without the window: the compute command, the entry handlers,
// the network choice and "Cancella", working on one DesignState through a FormView. The
// numbers come from the design library; this class decides what the record and the labels
// show of them.
#pragma once

#include "calc/design_state.h"
#include "calc/form_view.h"
#include "design/networks.h"

#include <string_view>

namespace zelmarino {

class Calculator {
public:
    explicit Calculator(FormView& view)
        : m_view(view) {}

    [[nodiscard]] const DesignState& state() const { return m_state; }
    // Lets tests, the fuzzer and the benchmark set up a design directly.
    [[nodiscard]] DesignState& state() { return m_state; }

    // "Calcola".
    void Command1_Click();
    // Run by the view whenever the text of Text2 / Text3 really changes.
    void Text2_Change();
    void Text3_Change();
    // Dispatches a change of any box to its handler (Text1 has none).
    void textChanged(TextBox box);
    // The option buttons: Option1_Click is optionClick(design::Network::Pi), and so on.
    void optionClick(design::Network network);
    void Option1_Click() { optionClick(design::Network::Pi); }
    void Option2_Click() { optionClick(design::Network::T); }
    void Option3_Click() { optionClick(design::Network::LOut); }
    void Option4_Click() { optionClick(design::Network::LIn); }
    // "Cancella".
    void delete_Click();

    // The network routines and the formatting; they throw design::FloatError, which only
    // Command1_Click catches.
    void CalcPiSymmetric();
    void CalcPiAsymmetric();
    void CalcT();
    void CalcLLess();
    void CalcLGreater();
    void FormatResistors();

private:
    void dispatchNetwork();
    void CalcTExchanged();
    void storeL(const design::LArms& l);

    FormView& m_view;
    DesignState m_state;
};

// What the message label says.
inline constexpr std::string_view negativeValueMessage =
    "Errore ! Modificare il valore dell'attenuazione";
inline constexpr std::string_view divisionByZeroMessage = "Errore ! Divisione per zero";
inline constexpr std::string_view overflowMessage = "Errore ! Valore fuori campo";
inline constexpr std::string_view invalidOperationMessage = "Errore ! Operazione non valida";

} // namespace zelmarino
