#include "design/checked.h"

#include <cmath>

namespace zelmarino::design {

std::string_view failureName(FloatFailure failure) {
    switch (failure) {
    case FloatFailure::DivisionByZero:
        return "division by zero";
    case FloatFailure::Overflow:
        return "overflow";
    case FloatFailure::InvalidOperation:
        break;
    }
    return "invalid operation";
}

// The first failure wins, the left operand's before the right one's, so the reported
// failure is that of the earliest operation of the formula as written.
Checked Checked::result(double value, Checked a, Checked b) {
    if (a.m_failure) {
        return {value, a.m_failure};
    }
    if (b.m_failure) {
        return {value, b.m_failure};
    }
    if (std::isnan(value)) {
        return {value, FloatFailure::InvalidOperation};
    }
    if (std::isinf(value)) {
        return {value, FloatFailure::Overflow};
    }
    return {value, std::nullopt};
}

Checked operator+(Checked a, Checked b) {
    return Checked::result(a.m_value + b.m_value, a, b);
}

Checked operator-(Checked a, Checked b) {
    return Checked::result(a.m_value - b.m_value, a, b);
}

Checked operator*(Checked a, Checked b) {
    return Checked::result(a.m_value * b.m_value, a, b);
}

Checked operator/(Checked a, Checked b) {
    const double quotient = a.m_value / b.m_value;
    // x / 0 with a finite x other than 0 is a division by zero; 0 / 0 is invalid.
    if (!a.m_failure && !b.m_failure && b.m_value == 0.0 && std::isfinite(a.m_value) &&
        a.m_value != 0.0) {
        return {quotient, FloatFailure::DivisionByZero};
    }
    return Checked::result(quotient, a, b);
}

Checked sqrt(Checked a) {
    if (!a.m_failure && a.m_value < 0.0) {
        return {std::sqrt(a.m_value), FloatFailure::InvalidOperation};
    }
    return Checked::result(std::sqrt(a.m_value), a, a);
}

Checked pow(Checked base, Checked exponent) {
    return Checked::result(std::pow(base.m_value, exponent.m_value), base, exponent);
}

void store(double& field, Checked value) {
    field = value.value();
    if (const auto failure = value.failure()) {
        throw FloatError{*failure};
    }
}

double checkedValue(Checked value) {
    if (const auto failure = value.failure()) {
        throw FloatError{*failure};
    }
    return value.value();
}

} // namespace zelmarino::design
