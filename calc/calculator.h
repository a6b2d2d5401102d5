// The main window's behaviour without the window: the compute command, the entry handlers,
// the network choice and "Cancella", working on one DesignState through a FormView.
#pragma once

#include "calc/design_state.h"
#include "calc/form_view.h"

#include <string_view>

namespace zelmarino {

class Calculator {
public:
    explicit Calculator(FormView& view)
        : m_view(view) {}

    [[nodiscard]] const DesignState& state() const { return m_state; }
    // Lets tests and the command-line program drive a design directly.
    [[nodiscard]] DesignState& state() { return m_state; }

    // "Calcola".
    void Command1_Click();
    // Run by the view whenever the text of Text2 / Text3 really changes.
    void Text2_Change();
    void Text3_Change();
    // Dispatches a change of any box to its handler (Text1 has none).
    void textChanged(TextBox box);
    // The option buttons: Option1_Click is optionClick(NetworkType::Pi), and so on.
    void optionClick(NetworkType network);
    void Option1_Click() { optionClick(NetworkType::Pi); }
    void Option2_Click() { optionClick(NetworkType::T); }
    void Option3_Click() { optionClick(NetworkType::LLess); }
    void Option4_Click() { optionClick(NetworkType::LGreater); }
    // "Cancella".
    void delete_Click();

    // The network routines and the formatting; they throw FloatError, which only
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
