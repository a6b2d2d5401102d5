// A reference point of the start-up benchmark: the program's window as it opens (its menu bar,
// every control of the stored layout with its caption, font and place, the initial picture
// and the icon) written as plainly as Qt allows: standard widgets put where the table says,
// nothing measured, fitted or looked up. What the program costs beyond it is its own.
#include "ui/form1_layout.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QWidget>

#include <cmath>

namespace {

using zelmarino::StoredControl;

QFont fontOf(const StoredControl& control) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif, QFont::PreferNoShaping);
    font.setPixelSize(static_cast<int>(std::lround(control.points * 96.0 / 72.0)));
    font.setBold(control.bold);
    return font;
}

QWidget* build(const StoredControl& control, QWidget* parent) {
    const QString caption =
        QString::fromUtf8(control.caption.data(), static_cast<qsizetype>(control.caption.size()));
    QWidget* widget = nullptr;
    switch (control.kind) {
    case zelmarino::ControlKind::OptionButton:
        widget = new QRadioButton(caption, parent);
        break;
    case zelmarino::ControlKind::CommandButton:
        widget = new QPushButton(caption, parent);
        break;
    case zelmarino::ControlKind::TextBox: {
        auto* edit = new QLineEdit(parent);
        edit->setAlignment(control.alignment | Qt::AlignVCenter);
        widget = edit;
        break;
    }
    case zelmarino::ControlKind::Label: {
        auto* label = new QLabel(caption, parent);
        label->setAlignment(control.alignment | Qt::AlignTop);
        label->setAutoFillBackground(!control.transparent);
        if (control.color != 0) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, QColor::fromRgb(control.color));
            label->setPalette(palette);
        }
        widget = label;
        break;
    }
    case zelmarino::ControlKind::Picture: {
        auto* picture = new QLabel(parent);
        picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        picture->setLineWidth(2);
        picture->setPixmap(QPixmap(QStringLiteral(":/plain/initial-t.gif"), "gif"));
        widget = picture;
        break;
    }
    }
    widget->setFont(fontOf(control));
    widget->setGeometry(zelmarino::pixelRect(control.geometry));
    return widget;
}

} // namespace

int main(int argc, char* argv[]) {
    const QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Zelmarino 1.0 di Ostrelvo"));
    QIcon icon;
    icon.addFile(QStringLiteral(":/plain/zelmarino-32.png"));
    icon.addFile(QStringLiteral(":/plain/zelmarino-64.png"));
    window.setWindowIcon(icon);
    window.setFont(fontOf(StoredControl{}));

    auto* menuBar = new QMenuBar(&window);
    menuBar->setNativeMenuBar(false);
    menuBar->addAction(QStringLiteral("&Informazioni"));
    auto* clientArea = new QWidget;
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menuBar);
    layout->addWidget(clientArea);
    QWidget* picture = nullptr;
    QWidget* message = nullptr;
    for (const StoredControl& control : zelmarino::form1Layout) {
        QWidget* widget = build(control, clientArea);
        if (control.name == "Image1") {
            picture = widget;
        } else if (control.name == "Label9") {
            message = widget;
        }
    }
    // As in the program: the labels lie on the picture, the picture on the message line.
    picture->lower();
    message->lower();
    window.resize(374, 355 + 19);
    window.show();
    return QApplication::exec();
}
