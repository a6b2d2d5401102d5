#include "ui/app_icon.h"

#include <array>

namespace zelmarino {

QIcon applicationIcon() {
    QIcon icon;
    for (int size : std::array{32, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/zelmarino/zelmarino-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace zelmarino
