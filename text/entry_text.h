// An impedance or a loss as the window shows its entries and the command line echoes them.
#pragma once

#include <string>

namespace zelmarino {

// At most seven significant digits of the single-precision value, no trailing zeros, "0.5"
// rather than ".5", and "1E+07" / "1.234568E+07" / "1E-05" where plain notation would need
// more digits.
[[nodiscard]] std::string entryText(float value);

} // namespace zelmarino
