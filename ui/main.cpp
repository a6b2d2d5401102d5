// Zelmarino: opens the main window; the program ends when its last window closes. The main
// window carries the icon itself: the About dialog has none.
#include "ui/font_configuration.h"
#include "ui/fonts.h"
#include "ui/form1.h"
#include "ui/form_style.h"
#include "version.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    zelmarino::FontConfigurationReader fontConfiguration;
    // The window's menu bar is drawn inside it, never handed to the desktop: without this Qt
    // would first build a desktop menu bar (and connect to the session bus to offer it), only
    // for the window to drop it.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    fontConfiguration.wait();
    QApplication::setApplicationName(QString::fromUtf8(zelmarino::applicationName));
    QApplication::setApplicationVersion(QString::fromUtf8(zelmarino::applicationVersion));
    // The form's typeface is the program's: widgets lay out their first text in the
    // application font before they take their own, so a different one would be loaded too.
    QApplication::setFont(zelmarino::formFont(8.25));
    zelmarino::FormStyle::apply();

    zelmarino::Form1 form;
    form.show();
    return QApplication::exec();
}
