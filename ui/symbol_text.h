// The symbol character set: the resistor labels were drawn in the typeface "Symbol", whose
// letters are Greek (W is the capital omega). The stored strings keep their letters; these
// functions give the text that a Symbol typeface shows, in Unicode, so any font draws it.
#pragma once

#include <QString>

namespace zelmarino {

// Each character of the printable ASCII range as the Symbol typeface draws it (" 150 W" gives
// " 150 Ω", "-1" gives "−1"); other characters are left as they are.
[[nodiscard]] QString symbolText(const QString& text);

// What a screen reader should hear for a text drawn in the symbol character set: the text as
// seen, with the omega as the ohm sign and the kappa before it as the Latin K of kilo.
[[nodiscard]] QString symbolAccessibleText(const QString& text);

} // namespace zelmarino
