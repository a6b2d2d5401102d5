#include "ui/frmabout.h"

#include "platform/make_system.h"
#include "platform/sysinfo.h"
#include "ui/about_message_box.h"
#include "ui/fonts.h"
#include "ui/image_file.h"
#include "ui/twips.h"
#include "version.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include <utility>

namespace zelmarino {
namespace {

const char* const kDisclaimer = "Programma scritto da Ostrelvo\n"
                                "Via degli Esempi 12\n"
                                "00100 Roma (RM)\n"
                                "ostrelvo@example.org\n"
                                "http://www.example.org/zelmarino";

QLabel* addLabel(QWidget* parent, const char* name, const QRect& geometry, const QFont& font,
                 Qt::Alignment alignment, bool black) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setWordWrap(true);
    if (black) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(palette);
    }
    return label;
}

// One stroke of the etched separator `Line1`: the two members share the name, told apart by
// their index as in a control array.
void addLine(QWidget* parent, int index, const QRect& geometry, const QColor& colour) {
    auto* line = new QFrame(parent);
    line->setObjectName(QStringLiteral("Line1"));
    line->setProperty("index", index);
    line->setGeometry(geometry);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
}

} // namespace

frmAbout::frmAbout(std::unique_ptr<platform::System> system)
    : m_system(std::move(system)) {
    setObjectName(QStringLiteral("frmAbout"));
    // A fixed dialog frame: no resizing, no minimise or maximise button.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFont(formFont(8.25));
    setFixedSize(pixels(5730), pixels(3690));
    setGeometry(QRect(QPoint(pixels(2340), pixels(1935)), size()));
    buildControls();
    Form_Load();
}

frmAbout::~frmAbout() = default;

void frmAbout::buildControls() {
    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setGeometry(pixelRect({4245, 2625, 1260, 345}));
    m_cmdOK->setDefault(true);
    connect(m_cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    auto* cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setGeometry(pixelRect({4260, 3075, 1245, 345}));
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    setTabOrder(m_cmdOK, cmdSysInfo);

    addLabel(this, "lblDisclaimer", pixelRect({255, 2625, 3030, 1065}), formFont(8.25),
             Qt::AlignLeft, true)
        ->setText(QString::fromLatin1(kDisclaimer));
    addLabel(this, "lblTitle", pixelRect({2640, 240, 1965, 360}), formFont(13.5, true),
             Qt::AlignHCenter, true)
        ->setText(QStringLiteral("Zelmarino"));
    addLabel(this, "lblVersion", pixelRect({2520, 720, 2085, 225}), formFont(8.25, true),
             Qt::AlignHCenter, false);
    addLabel(this, "lblDescription", pixelRect({2160, 1440, 2805, 690}), formFont(9.75),
             Qt::AlignHCenter, true)
        ->setText(QStringLiteral("Programma per il calcolo delle reti attenuatrici resistive"));

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(QPixmap::fromImage(readImage(QStringLiteral(":/zelmarino/about.bmp"), "bmp")));
    image->setGeometry(QRect(QPoint(pixels(120), pixels(240)), image->pixmap().size()));

    // Grey above, white two pixels wide below and one pixel to the right: an etched groove.
    addLine(this, 1, pixelRect({90, 2445, 5654 - 90, 15}), QColor(128, 128, 128));
    addLine(this, 0, pixelRect({105, 2460, 5654 - 105, 30}), QColor(255, 255, 255));

    m_cmdOK->setFocus();
}

void frmAbout::Form_Load() {
    setWindowTitle(QStringLiteral("Informazioni su ") + applicationTitle());
    findChild<QLabel*>(QStringLiteral("lblVersion"))
        ->setText(QStringLiteral("Versione ") + versionText());
    findChild<QLabel*>(QStringLiteral("lblTitle"))->setText(applicationTitle());
}

QString frmAbout::applicationTitle() {
    return QString::fromUtf8(applicationName);
}

QString frmAbout::versionText() {
    return QStringLiteral("%1.%2.%3").arg(versionMajor).arg(versionMinor).arg(versionPatch);
}

frmAbout* frmAbout::open(const SystemFactory& makeSystem) {
    frmAbout* dialog = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* about = qobject_cast<frmAbout*>(window);
        // A closed dialog waits hidden for its deletion; it is no longer the open one.
        if (about != nullptr && about->isVisible()) {
            dialog = about;
            break;
        }
    }
    if (dialog == nullptr) {
        auto system = makeSystem ? makeSystem() : platform::makeSystem(showMessageBox);
        // No owner: the dialog outlives the main window and deletes itself when closed.
        dialog = new frmAbout(std::move(system));
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return dialog;
}

void frmAbout::cmdOK_Click() {
    close();
}

void frmAbout::cmdSysInfo_Click() {
    platform::StartSysInfo(*m_system, applicationTitle().toStdString());
}

} // namespace zelmarino
