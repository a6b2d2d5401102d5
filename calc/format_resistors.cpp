#include "calc/calculator.h"
#include "design/attenuator.h"
#include "text/resistor_text.h"

#include <string>

namespace zelmarino {

void Calculator::FormatResistors() {
    if (design::isNegative(m_state.R1) || design::isNegative(m_state.R2) ||
        design::isNegative(m_state.R3)) {
        m_view.setCaption(Label::Label9, std::string(negativeValueMessage));
        m_view.beep();
    }
    // The record keeps each value as its string shows it: from 10000 ohms up in kilo-ohms,
    // and nothing converts it back.
    const ResistorText s1 = formatResistor(m_state.R1);
    m_state.S1 = s1.text;
    m_state.R1 = s1.shownValue;
    const ResistorText s2 = formatResistor(m_state.R2);
    m_state.S2 = s2.text;
    m_state.R2 = s2.shownValue;
    const ResistorText s3 = formatResistor(m_state.R3);
    m_state.S3 = s3.text;
    m_state.R3 = s3.shownValue;
}

} // namespace zelmarino
