// A resistor value as the schematic shows it: "W" stands for the ohm sign, " KW" for
// kilo-ohm, in the five ranges of the display.
#pragma once

#include <string>

namespace zelmarino {

// Formats `value` (ohms) and, from 10000 up, replaces it by its value in kilo-ohms, as the
// design record keeps it. A negative value shows its sign in front of what its magnitude
// would show. Throws FloatError if a step of the formatting fails.
[[nodiscard]] std::string formatResistor(double& value);

} // namespace zelmarino
