// A double rounded to a number of significant digits or of decimals, correctly (as
// std::to_chars rounds) and fast. std::to_chars spends several hundred instructions on a
// precision form, and a table of a million designs prints some twenty numbers each; scaling
// by an exact power of ten and rounding to an integer gives the same digits whenever the
// scaled value is farther from a half than its own rounding error, and std::to_chars answers
// the rest.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zelmarino {

struct RoundedDigits {
    std::uint64_t digits; // exactly `count` digits: 10^(count-1) <= digits < 10^count
    int exponent;         // the power of ten of the first digit
};

// A finite `magnitude` above 0 to `count` significant digits (1 to 17).
[[nodiscard]] RoundedDigits roundToSignificant(double magnitude, int count);

// A finite `magnitude` of at least 0 times 10^decimals, rounded to an integer; nothing when
// the fast way cannot be sure of it (huge values, the nearest halves), for std::to_chars to
// answer.
[[nodiscard]] std::optional<std::uint64_t> roundToDecimals(double magnitude, int decimals);

// printf's "%.*g" and "%.*f" in the C locale, as std::to_chars writes them: plain notation
// where the exponent is from -4 to below the digit count, trailing zeros dropped ("207.435",
// "2.64927e+07"); a fixed number of decimals ("10.0000"). A fixed text too long for 64
// characters is the shortest one instead ("1.5e+300").
[[nodiscard]] std::string generalText(double value, int precision);
[[nodiscard]] std::string fixedText(double value, int decimals);

} // namespace zelmarino
