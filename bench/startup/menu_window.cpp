// A reference point of the start-up benchmark, not its floor: the least a window needs to
// show what the program's window must (a main window with its one-item menu bar inside it and
// one line of text), written as plainly as Qt allows. Where the program comes close to it,
// what is left of its cost is Qt's own for text and a menu bar.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    const QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Zelmarino"));
    window.menuBar()->setNativeMenuBar(false);
    window.menuBar()->addAction(QStringLiteral("&Informazioni"));
    window.setCentralWidget(new QLabel(QStringLiteral("Impedenza  Zin")));
    window.resize(374, 355 + 19);
    window.show();
    return QApplication::exec();
}
