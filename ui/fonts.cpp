#include "ui/fonts.h"

#include <QFontDatabase>

#include <array>
#include <cmath>

namespace zelmarino {

QString formFontFamily() {
    static const std::array families{QStringLiteral("MS Sans Serif"),
                                     QStringLiteral("Liberation Sans"), QStringLiteral("Arial")};
    for (const QString& family : families) {
        if (QFontDatabase::hasFamily(family)) {
            return family;
        }
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

int pixelsAt96Dpi(double points) {
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

QFont formFont(double points, bool bold) {
    QFont font(formFontFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelsAt96Dpi(points));
    font.setBold(bold);
    return font;
}

} // namespace zelmarino
