// A label of the form: keeps the caption exactly as written to it, shows it (in the symbol
// character set where the layout asks for it) and widens around its alignment anchor
// rather than cut it.
#pragma once

#include <QLabel>

namespace zelmarino {

enum class Glyphs { Plain, Symbol };

class CaptionLabel final : public QLabel {
    Q_OBJECT

public:
    CaptionLabel(const QRect& storedGeometry, Qt::Alignment alignment, Glyphs glyphs,
                 QWidget* parent);

    // The caption as written, e.g. " 150 W"; text() is what is shown, e.g. " 150 Ω".
    [[nodiscard]] const QString& caption() const { return m_caption; }
    void setCaption(const QString& caption);

    // Where the layout (or the network choice) puts the label; geometry() may be wider.
    [[nodiscard]] const QRect& storedGeometry() const { return m_stored; }
    void setStoredLeft(int left);

    [[nodiscard]] Glyphs glyphs() const { return m_glyphs; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void refit();

    QString m_caption;
    QRect m_stored;
    Glyphs m_glyphs;
};

} // namespace zelmarino
