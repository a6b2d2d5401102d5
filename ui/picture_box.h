// Image1: a picture shown at its own size inside a single 3-D frame. Loading a picture keeps
// the top-left corner and sizes the control to the picture plus the frame.
#pragma once

#include <QLabel>

namespace zelmarino {

class PictureBox final : public QLabel {
    Q_OBJECT

public:
    static constexpr int frameThickness = 2; // pixels on each side

    PictureBox(QPoint topLeft, QWidget* parent);

    void setPicture(const QPixmap& picture);
};

} // namespace zelmarino
