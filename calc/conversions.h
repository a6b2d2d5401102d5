// Text to number and impedance to text, as the window reads and shows its entries.
// None of them depends on the locale: "." is always the decimal point.
#pragma once

#include <string>
#include <string_view>

namespace zelmarino {

// Lenient reading: blanks, tabs and line feeds anywhere are ignored; "&H" / "&O" start a
// hexadecimal / octal whole number; otherwise a sign, digits, "." and an E or D exponent are
// read up to the first character that does not fit. Text without a number reads as 0.
[[nodiscard]] double NumberValue(std::string_view text);

// Rounds a double to single precision as storing it into a float field does, without the
// undefined behaviour of converting an out-of-range value: beyond the range it is infinite.
[[nodiscard]] float toSingle(double value);

// An impedance as shown on its label: at most seven significant digits, no trailing zeros,
// "0.5" rather than ".5", and "1E+07" / "1.234568E+07" / "1E-05" where plain notation
// would need more digits.
[[nodiscard]] std::string SingleText(float value);

} // namespace zelmarino
