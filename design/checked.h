// Double-precision arithmetic that notices the three floating-point failures the
// calculation must stop at: division by zero, overflow and invalid operation.
//
// A Checked value carries the first failure of the expression that made it, so formulas keep
// their written shape and the failure reported is that of the first operation, in the order
// the formula is written, that went wrong. `store` writes the result into its field and only
// then raises FloatError, so a failing step leaves its own field infinite or undefined.
#pragma once

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

    friend Checked operator+(Checked a, Checked b);
    friend Checked operator-(Checked a, Checked b);
    friend Checked operator*(Checked a, Checked b);
    friend Checked operator/(Checked a, Checked b);
    friend Checked sqrt(Checked a);
    friend Checked pow(Checked base, Checked exponent);

private:
    constexpr Checked(double value, std::optional<FloatFailure> failure)
        : m_value(value)
        , m_failure(failure) {}
    static Checked result(double value, Checked a, Checked b);

    double m_value;
    std::optional<FloatFailure> m_failure;
};

// Stores the value, then throws FloatError if the expression failed.
void store(double& field, Checked value);

// Throws FloatError if the expression failed; for results that are used, not stored.
double checkedValue(Checked value);

} // namespace zelmarino::design
