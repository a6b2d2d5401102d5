#include "ui/app_icon.h"

#include <array>

namespace zelmarino {

QIcon applicationIcon() {
    // Only the sizes a window frame and a task switcher show: every size added is decoded at
    // once and sent to the window system with the window.
    QIcon icon;
    for (int size : std::array{32, 64}) {
        icon.addFile(QStringLiteral(":/zelmarino/zelmarino-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace zelmarino
