// frmAbout, the program's information window: title, version, description, credit and
// picture, "OK" and "&System Info...". Modeless and without an owner; it deletes itself when
// closed, so each opening loads it afresh.
#pragma once

#include "platform/system.h"

#include <QDialog>

#include <functional>
#include <memory>

class QPushButton;

namespace zelmarino {

class frmAbout final : public QDialog {
    Q_OBJECT

public:
    using SystemFactory = std::function<std::unique_ptr<platform::System>()>;

    // Loads the dialog; `system` serves "&System Info...".
    explicit frmAbout(std::unique_ptr<platform::System> system);
    ~frmAbout() override;
    frmAbout(const frmAbout&) = delete;
    frmAbout& operator=(const frmAbout&) = delete;
    frmAbout(frmAbout&&) = delete;
    frmAbout& operator=(frmAbout&&) = delete;

    // Shows the About dialog and brings it to the front, loading it with a system from
    // `makeSystem` only if none is open. Without a factory the system is the real one.
    static frmAbout* open(const SystemFactory& makeSystem = {});

    // The application facts that the dialog shows.
    static QString applicationTitle();
    static QString versionText();

public slots:
    void cmdOK_Click();
    void cmdSysInfo_Click();

private:
    void buildControls();
    void Form_Load();

    std::unique_ptr<platform::System> m_system;
    QPushButton* m_cmdOK = nullptr;
};

} // namespace zelmarino
