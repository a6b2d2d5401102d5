// Numbers as the command line prints them: as std::to_chars writes them, never through the
// locale, so the output reads the same everywhere.
#pragma once

#include <string>

namespace zelmarino {

// `digits` significant digits, trailing zeros dropped, exponent form only where plain
// notation would need more digits ("207.435", "2.64927e+07").
[[nodiscard]] std::string significant(double value, int digits);

// A fixed number of decimals ("10.0000").
[[nodiscard]] std::string fixedPoint(double value, int decimals);

// The shortest text that reads back as the same double.
[[nodiscard]] std::string shortest(double value);

} // namespace zelmarino
