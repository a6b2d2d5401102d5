#include "ui/app_icon.h"

#include "ui/image_file.h"

#include <QPixmap>

#include <array>

namespace zelmarino {

QIcon applicationIcon() {
    // Only the sizes a window frame and a task switcher show: the window sends every size it
    // has to the window system when it opens.
    QIcon icon;
    for (int size : std::array{32, 64}) {
        icon.addPixmap(QPixmap::fromImage(
            readImage(QStringLiteral(":/zelmarino/zelmarino-%1.png").arg(size), "png")));
    }
    return icon;
}

} // namespace zelmarino
