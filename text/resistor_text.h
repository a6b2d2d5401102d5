// A resistor value as both programs show it, in the five ranges of the window's display:
// "W" stands for the ohm sign (the window draws it in the Symbol typeface), " KW" for
// kilo-ohm.
#pragma once

#include <string>

namespace zelmarino {

struct ResistorText {
    std::string text;
    // The value in the unit of the text: from 10000 ohms up in kilo-ohms, below in ohms.
    double shownValue;
};

// A negative value, negative zero included, shows its sign in front of what its magnitude
// would show ("-161 W", "-0.0W"). Throws FloatError if a step of the formatting fails, which
// only an infinite value makes it do.
[[nodiscard]] ResistorText formatResistor(double ohms);

// The number text the display ranges slice: a blank or "-", then the magnitude to 15
// significant digits in plain notation, without a leading "0" below 1 (" .5", "-10").
[[nodiscard]] std::string NumberText(double value);

} // namespace zelmarino
