// "No text is ever cut": a caption wider than its control is shown whole by widening the
// control around its alignment anchor (left edge, centre or right edge); top, height and the
// anchor stay where the layout stores them.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

namespace zelmarino {

// The geometry that shows a text of `neededWidth` pixels in a control stored at `stored`
// with the given horizontal alignment. A text that fits leaves the stored geometry.
[[nodiscard]] QRect fittedGeometry(const QRect& stored, int neededWidth, Qt::Alignment alignment);

// The width in whole pixels that a single line of `text` takes in `font`: its advance, or
// its ink where a glyph reaches past the advance.
[[nodiscard]] int textWidth(const QFont& font, const QString& text);

} // namespace zelmarino
