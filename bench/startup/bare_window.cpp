// The floor of the start-up benchmark: a Qt Widgets program that shows one empty window of
// the main window's size, and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    const QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Zelmarino"));
    // The main window as it opens: its client area (5610 x 5325 twips) under its menu bar.
    window.resize(374, 355 + 19);
    window.show();
    return QApplication::exec();
}
