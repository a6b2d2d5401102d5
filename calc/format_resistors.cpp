#include "calc/calculator.h"
#include "calc/checked.h"
#include "calc/conversions.h"
#include "calc/resistor_text.h"

#include <cmath>
#include <string>

namespace zelmarino {

namespace {

// Characters `first` to `last` of `text`, counted from 1; what there is where it is shorter.
std::string slice(const std::string& text, std::size_t first, std::size_t last) {
    if (first > text.size()) {
        return {};
    }
    return text.substr(first - 1, last - first + 1);
}

// The five ranges, each tested on the value as it stands when its turn comes; only the last
// changes the value, so exactly one string is assigned.
std::string formatMagnitude(double& value) {
    std::string text;
    if (value < 0.1) {
        text = "0.0" + slice(NumberText(checkedValue(Checked(value) * 10.0)), 3, 4) + "W";
    }
    if (value >= 0.1 && value < 1.0) {
        text = "0" + slice(NumberText(value), 2, 5) + " W";
    }
    if (value >= 1.0 && value < 10.0) {
        text = slice(NumberText(value), 1, 4) + " W";
    }
    if (value >= 10.0 && value < 10000.0) {
        text = NumberText(std::floor(checkedValue(Checked(value) + 0.5))) + " W";
    }
    if (value >= 10000.0) {
        store(value, Checked(value) / 1000.0);
        text = NumberText(std::floor(value)) + " KW";
    }
    return text;
}

} // namespace

std::string formatResistor(double& value) {
    // A negative value reads as what it is: its magnitude's string with the sign in front
    // (in place of the leading blank where there is one). Negative zero is not negative.
    if (!(value < 0.0)) {
        return formatMagnitude(value);
    }
    double magnitude = -value;
    std::string text = formatMagnitude(magnitude);
    value = -magnitude;
    if (text.front() == ' ') {
        text.front() = '-';
    } else {
        text.insert(0, 1, '-');
    }
    return text;
}

void Calculator::FormatResistors() {
    if (!(m_state.R1 >= 0.0 && m_state.R2 >= 0.0 && m_state.R3 >= 0.0)) {
        m_view.setCaption(Label::Label9, std::string(negativeValueMessage));
        m_view.beep();
    }
    m_state.S1 = formatResistor(m_state.R1);
    m_state.S2 = formatResistor(m_state.R2);
    m_state.S3 = formatResistor(m_state.R3);
}

} // namespace zelmarino
