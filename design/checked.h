// Double-precision arithmetic that notices the three floating-point failures the
// calculation must stop at: division by zero, overflow and invalid operation.
//
// A Checked value carries the first failure of the expression that made it, so formulas keep
// their written shape and the failure reported is that of the first operation, in the order
// the formula is written, that went wrong. `store` writes the result into its field and only
// then raises FloatError, so a failing step leaves its own field infinite or undefined.
#pragma once

#include <cmath>
#include <optional>
#include <string_view>

namespace zelmarino::design {

enum class FloatFailure { DivisionByZero, Overflow, InvalidOperation };

// The failure in words, as the command line reports it: "division by zero", ...
[[nodiscard]] std::string_view failureName(FloatFailure failure);

struct FloatError {
    FloatFailure failure;
};

class Checked {
public:
    // NOLINTNEXTLINE(google-explicit-constructor): plain doubles enter formulas as they are
    constexpr Checked(double value)
        : m_value(value) {}

    [[nodiscard]] constexpr double value() const { return m_value; }
    [[nodiscard]] constexpr std::optional<FloatFailure> failure() const { return m_failure; }

    // Inline: a table of designs runs these a few hundred million times.
    friend Checked operator+(Checked a, Checked b) { return result(a.m_value + b.m_value, a, b); }
    friend Checked operator-(Checked a, Checked b) { return result(a.m_value - b.m_value, a, b); }
    friend Checked operator*(Checked a, Checked b) { return result(a.m_value * b.m_value, a, b); }
    friend Checked operator/(Checked a, Checked b) {
        const double quotient = a.m_value / b.m_value;
        // x / 0 with a finite x other than 0 is a division by zero; 0 / 0 is invalid.
        if (!a.m_failure && !b.m_failure && b.m_value == 0.0 && std::isfinite(a.m_value) &&
            a.m_value != 0.0) {
            return {quotient, FloatFailure::DivisionByZero};
        }
        return result(quotient, a, b);
    }
    friend Checked sqrt(Checked a);
    friend Checked pow(Checked base, Checked exponent);

private:
    constexpr Checked(double value, std::optional<FloatFailure> failure)
        : m_value(value)
        , m_failure(failure) {}
    // The first failure wins, the left operand's before the right one's, so the reported
    // failure is that of the earliest operation of the formula as written.
    static Checked result(double value, Checked a, Checked b) {
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

    double m_value;
    std::optional<FloatFailure> m_failure;
};

// Stores the value, then throws FloatError if the expression failed.
void store(double& field, Checked value);

// Throws FloatError if the expression failed; for results that are used, not stored.
double checkedValue(Checked value);

} // namespace zelmarino::design
