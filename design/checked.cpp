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
