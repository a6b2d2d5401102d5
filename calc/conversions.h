// Text to number and impedance to text, as the window reads and shows its entries.
// None of them depends on the locale: "." is always the decimal point.
#pragma once

#include "text/entry_text.h"

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

// An impedance as shown on its label; the text library writes it, as the command line
// writes its entries alike.
[[nodiscard]] inline std::string SingleText(float value) {
    return entryText(value);
}

} // namespace zelmarino
