// Strict reading of the numbers on the command line. Unlike the window, which reads what it
// can and takes the rest as 0, a text here is a number as a whole or it is refused.
#pragma once

#include <string_view>

namespace zelmarino::cli {

enum class Prefixes { Refused, Allowed };

struct NumberReading {
    enum class Status { Ok, NotANumber, OutOfRange };
    Status status = Status::NotANumber;
    double value = 0.0;
};

// An optional sign, digits with an optional decimal point, then either an exponent ("1e3")
// or, where prefixes are allowed, one SI prefix (m, k or K, M, G) at the end ("2.2k") or in
// place of the decimal point ("1k5", "4M7"). Nothing else, not even a blank, is accepted.
// The value is the correctly rounded double of the decimal number written.
[[nodiscard]] NumberReading readNumber(std::string_view text, Prefixes prefixes);

} // namespace zelmarino::cli
