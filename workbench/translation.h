// The workbench speaks the system's language where it has a translation: its own texts and
// Qt's (the file dialog's buttons), both installed on the application.
#pragma once

#include <QLocale>

class QCoreApplication;

namespace zelmarino::workbench {

// True when a translation of the workbench's own texts for `locale` was found.
bool installTranslations(QCoreApplication& application, const QLocale& locale);

} // namespace zelmarino::workbench
