// Strict reading of the numbers on the command line. Unlike the window, which reads what it
// can and takes the rest as 0, a text here is a number as a whole or it is refused.
#pragma once

#include <string_view>

namespace zelmarino::cli {

// Which SI prefixes a number may carry: m, k or K, M, G; and, for the small powers a
// resistor dissipates, micro as u, µ (U+00B5) or μ (U+03BC); and for the inductance and
// capacitance of a part, nano, pico and femto (n, p, f) as well.
enum class Prefixes { Refused, Allowed, AllowedWithMicro, AllowedWithSmall };

// The code printed on resistors: R stands for the decimal point (4R7, R47) or ends the
// number (47R), as k does in 1k5.
enum class ResistorCode { Refused, Allowed };

struct NumberReading {
    enum class Status { Ok, NotANumber, OutOfRange };
    Status status = Status::NotANumber;
    double value = 0.0;
};

// An optional sign, digits with an optional decimal point, then either an exponent ("1e3")
// or, where prefixes are allowed, one SI prefix (see Prefixes) at the end ("2.2k") or in
// place of the decimal point ("1k5", "4M7"). Nothing else, not even a blank, is accepted.
// The value is the correctly rounded double of the decimal number written.
[[nodiscard]] NumberReading readNumber(std::string_view text, Prefixes prefixes,
                                       ResistorCode code = ResistorCode::Refused);

} // namespace zelmarino::cli
