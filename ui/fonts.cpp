#include "ui/fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <cmath>

namespace zelmarino {

namespace {

// Looked up in the list of installed families rather than with QFontDatabase::hasFamily,
// which runs fontconfig's whole substitution on the name first: millions of instructions
// for each family that is not installed.
QString firstInstalledFamily() {
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : {QStringLiteral("MS Sans Serif"),
                                  QStringLiteral("Liberation Sans"), QStringLiteral("Arial")}) {
        if (installed.contains(family, Qt::CaseInsensitive)) {
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
    // The form's texts are plain Latin, laid out glyph by glyph without OpenType shaping:
    // shaping them cost a good part of the window's start-up and moved at most a few letters
    // by a pixel.
    font.setStyleHint(QFont::SansSerif, QFont::PreferNoShaping);
    font.setPixelSize(pixelsAt96Dpi(points));
    font.setBold(bold);
    return font;
}

} // namespace zelmarino
