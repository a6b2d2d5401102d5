#include "ui/symbol_text.h"

#include <array>

namespace zelmarino {

namespace {

// Unicode of the Symbol typeface's characters 0x20 to 0x7E (Adobe's Symbol encoding).
constexpr std::array<char16_t, 95> symbolTable{
    u' ',      u'!',      u'\u2200', u'#',      u'\u2203', u'%',      u'&',      u'\u220B',
    u'(',      u')',      u'\u2217', u'+',      u',',      u'\u2212', u'.',      u'/',
    u'0',      u'1',      u'2',      u'3',      u'4',      u'5',      u'6',      u'7',
    u'8',      u'9',      u':',      u';',      u'<',      u'=',      u'>',      u'?',
    u'\u2245', u'\u0391', u'\u0392', u'\u03A7', u'\u0394', u'\u0395', u'\u03A6', u'\u0393',
    u'\u0397', u'\u0399', u'\u03D1', u'\u039A', u'\u039B', u'\u039C', u'\u039D', u'\u039F',
    u'\u03A0', u'\u0398', u'\u03A1', u'\u03A3', u'\u03A4', u'\u03A5', u'\u03C2', u'\u03A9',
    u'\u039E', u'\u03A8', u'\u0396', u'[',      u'\u2234', u']',      u'\u22A5', u'_',
    u'\u203E', u'\u03B1', u'\u03B2', u'\u03C7', u'\u03B4', u'\u03B5', u'\u03C6', u'\u03B3',
    u'\u03B7', u'\u03B9', u'\u03D5', u'\u03BA', u'\u03BB', u'\u03BC', u'\u03BD', u'\u03BF',
    u'\u03C0', u'\u03B8', u'\u03C1', u'\u03C3', u'\u03C4', u'\u03C5', u'\u03D6', u'\u03C9',
    u'\u03BE', u'\u03C8', u'\u03B6', u'{',      u'|',      u'}',      u'\u223C',
};

constexpr char16_t firstMapped = 0x20;
constexpr char16_t lastMapped = 0x7E;

} // namespace

QString symbolText(const QString& text) {
    QString shown = text;
    for (QChar& character : shown) {
        const char16_t code = character.unicode();
        if (code >= firstMapped && code <= lastMapped) {
            character = QChar(symbolTable[static_cast<std::size_t>(code - firstMapped)]);
        }
    }
    return shown;
}

QString symbolAccessibleText(const QString& text) {
    QString spoken = symbolText(text);
    spoken.replace(QChar(u'\u03A9'), QChar(u'\u2126')); // Greek capital omega: ohm sign
    spoken.replace(QStringLiteral("\u039A\u2126"),
                   QStringLiteral("K\u2126")); // kappa of kilo: Latin K
    return spoken;
}

} // namespace zelmarino
