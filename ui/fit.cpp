#include "ui/fit.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace zelmarino {

QRect fittedGeometry(const QRect& stored, int neededWidth, Qt::Alignment alignment) {
    if (neededWidth <= stored.width()) {
        return stored;
    }
    int left = stored.left();
    if (alignment.testFlag(Qt::AlignRight)) {
        left = stored.left() + stored.width() - neededWidth;
    } else if (alignment.testFlag(Qt::AlignHCenter)) {
        // Keeps the centre; an odd difference leaves the extra pixel on the right.
        left = stored.left() - (neededWidth - stored.width()) / 2;
    }
    return {left, stored.top(), neededWidth, stored.height()};
}

int textWidth(const QFont& font, const QString& text) {
    if (text.isEmpty()) {
        return 0;
    }
    const QFontMetricsF metrics(font);
    const qreal advance = metrics.horizontalAdvance(text);
    const qreal ink = metrics.boundingRect(text).right();
    return static_cast<int>(std::ceil(std::max(advance, ink)));
}

} // namespace zelmarino
