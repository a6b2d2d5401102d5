// Zelmarino: opens the main window; the program ends when its last window closes. The main
// window carries the icon itself: the About dialog has none.
#include "ui/fonts.h"
#include "ui/form1.h"
#include "version.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(zelmarino::applicationName));
    QApplication::setApplicationVersion(QString::fromUtf8(zelmarino::applicationVersion));
    // The form's typeface is the whole program's, its message boxes included.
    QApplication::setFont(zelmarino::formFont(8.25));

    zelmarino::Form1 form;
    form.show();
    return QApplication::exec();
}
