#include "ui/picture_box.h"

#include <QPixmap>

namespace zelmarino {

PictureBox::PictureBox(QPoint topLeft, QWidget* parent)
    : QLabel(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(frameThickness);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setScaledContents(false);
    move(topLeft);
}

void PictureBox::setPicture(const QPixmap& picture) {
    setPixmap(picture);
    const QSize frame(2 * frameWidth(), 2 * frameWidth());
    resize(picture.deviceIndependentSize().toSize() + frame);
}

} // namespace zelmarino
