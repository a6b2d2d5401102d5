// The program's widget style: the platform's own, except that the menu bar's overflow button
// reads its arrow from Qt's pictures with their format named (see image_file.h). Qt's style
// reads it by file name, which loads every image plugin at start-up for a button that a
// one-item menu bar never shows.
#pragma once

#include <QProxyStyle>

namespace zelmarino {

class FormStyle final : public QProxyStyle {
    Q_OBJECT

public:
    // Makes it the application's style; the application owns it from then on.
    static void apply();

    [[nodiscard]] QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                     const QWidget* widget) const override;
};

} // namespace zelmarino
