// Screenshots of the four networks with a design on each, for a person to look at:
//   xvfb-run -s "-screen 0 800x600x24" build/dev/tests/ui/test_ui --screenshots DIR
// writes DIR/<network>.png (the whole screen, as "import -window root" takes it).
#include "tests/ui/child_modes.h"
#include "ui/form1.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include <array>
#include <cstdio>

namespace zelmarino::testing {

int takeScreenshots(int& argc, char** argv, const char* directory) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelmarino"));
    struct Shot {
        const char* file;
        design::Network network;
        const char* zin;
        const char* zout;
        const char* attenuation;
    };
    const std::array shots{
        Shot{"pi", design::Network::Pi, "75", "50", "10"},
        Shot{"t", design::Network::T, "75", "50", "10"},
        Shot{"l-less", design::Network::LOut, "75", "50", "10"},
        Shot{"l-greater", design::Network::LIn, "75", "50", "10"},
        Shot{"pi-negative", design::Network::Pi, "600", "50", "3"},
        Shot{"l-greater-widest", design::Network::LIn, "75", "50", "1.76091"},
    };
    for (const Shot& shot : shots) {
        Form1 form;
        form.move(40, 40);
        form.show();
        if (!QTest::qWaitForWindowExposed(&form)) {
            std::fputs("the window was not shown\n", stderr);
            return 1;
        }
        QRadioButton* option = form.optionButton(shot.network);
        QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, QPoint(8, option->height() / 2));
        QTest::keyClicks(form.textBox(TextBox::Text1), shot.zin);
        QTest::keyClicks(form.textBox(TextBox::Text2), shot.zout);
        QTest::keyClicks(form.textBox(TextBox::Text3), shot.attenuation);
        QTest::mouseClick(form.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QTest::qWait(300);
        const QString path = QDir(directory).filePath(QString(shot.file) + ".png");
        if (!form.screen()->grabWindow(0).save(path)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}

} // namespace zelmarino::testing
