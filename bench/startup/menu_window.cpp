// A reference point of the start-up benchmark, not its floor: the least a window needs to
// show what the program's window must (its one-item menu bar inside it, over one line of
// text), written as plainly as Qt allows. Where the program comes close to it, what is left
// of its cost is Qt's own for text and a menu bar.
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    const QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Zelmarino"));
    auto* menuBar = new QMenuBar(&window);
    menuBar->setNativeMenuBar(false);
    menuBar->addAction(QStringLiteral("&Informazioni"));
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menuBar);
    layout->addWidget(new QLabel(QStringLiteral("Impedenza  Zin")));
    window.resize(374, 355 + 19);
    window.show();
    return QApplication::exec();
}
