// Zelmarino Workbench: the design core's whole reach in one window, in the system's language.
#include "version.h"
#include "workbench/translation.h"
#include "workbench/workbench_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelmarino Workbench"));
    QApplication::setApplicationVersion(QString::fromUtf8(zelmarino::applicationVersion));
    zelmarino::workbench::installTranslations(app, QLocale::system());

    zelmarino::workbench::WorkbenchWindow window;
    window.show();
    return QApplication::exec();
}
