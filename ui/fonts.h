// The typefaces of the stored layout: "MS Sans Serif" where it is installed, otherwise a sans
// serif of close metrics. Sizes are fixed in 96-dpi pixels, as the layout was drawn.
#pragma once

#include <QFont>
#include <QString>

namespace zelmarino {

// The first of "MS Sans Serif", "Liberation Sans", "Arial" that is installed, else the
// platform's general font family.
[[nodiscard]] QString formFontFamily();

// A point size of the stored layout in pixels at 96 dpi: 8.25 pt is 11 px, 9.75 pt is 13 px.
[[nodiscard]] int pixelsAt96Dpi(double points);

// The form's font at a stored point size. The size is set in pixels so the text keeps the
// stored proportions whatever logical dpi the platform reports (Qt scales pixels on
// high-density screens by itself).
[[nodiscard]] QFont formFont(double points, bool bold = false);

} // namespace zelmarino
