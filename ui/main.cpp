// Zelmarino: opens the main window; the program ends when its last window closes.
#include "ui/app_icon.h"
#include "ui/form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelmarino"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    QApplication::setWindowIcon(zelmarino::applicationIcon());

    zelmarino::Form1 form;
    form.show();
    return QApplication::exec();
}
