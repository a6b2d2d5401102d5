#include "ui/form_style.h"

#include "ui/image_file.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>

#include <array>

namespace zelmarino {

// The application deletes its style with itself; the analyzer does not see the hand-over.
// NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks)
void FormStyle::apply() {
    QApplication::setStyle(new FormStyle);
}
// NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)

QIcon FormStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                              const QWidget* widget) const {
    const bool leftToRight = widget == nullptr || widget->layoutDirection() == Qt::LeftToRight;
    if (standardIcon == SP_ToolBarHorizontalExtensionButton && leftToRight) {
        QIcon icon;
        for (int size : std::array{8, 16, 32}) {
            const QImage arrow = readImage(
                QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-%1.png")
                    .arg(size),
                "png");
            if (!arrow.isNull()) {
                icon.addPixmap(QPixmap::fromImage(arrow));
            }
        }
        // A Qt without those pictures still gets its own arrow.
        if (!icon.isNull()) {
            return icon;
        }
    }
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

} // namespace zelmarino
