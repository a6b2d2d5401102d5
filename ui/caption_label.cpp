#include "ui/caption_label.h"

#include "ui/fit.h"
#include "ui/symbol_text.h"

#include <QEvent>

namespace zelmarino {

CaptionLabel::CaptionLabel(const QRect& storedGeometry, Qt::Alignment alignment, Glyphs glyphs,
                           QWidget* parent)
    : QLabel(parent)
    , m_stored(storedGeometry)
    , m_glyphs(glyphs) {
    setTextFormat(Qt::PlainText);
    setAlignment(alignment | Qt::AlignTop);
    setGeometry(m_stored);
}

void CaptionLabel::setCaption(const QString& caption) {
    m_caption = caption;
    refit();
}

void CaptionLabel::setStoredLeft(int left) {
    m_stored.moveLeft(left);
    refit();
}

void CaptionLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        refit();
    }
}

void CaptionLabel::refit() {
    const QString shown = m_glyphs == Glyphs::Symbol ? symbolText(m_caption) : m_caption;
    setText(shown);
    setAccessibleName(m_glyphs == Glyphs::Symbol ? symbolAccessibleText(m_caption) : shown);
    setGeometry(fittedGeometry(m_stored, textWidth(font(), shown), alignment()));
}

} // namespace zelmarino
