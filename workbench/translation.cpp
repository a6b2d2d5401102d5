#include "workbench/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace zelmarino::workbench {

bool installTranslations(QCoreApplication& application, const QLocale& locale) {
    // Parented to the application, so that they live as long as it does.
    auto* qt = new QTranslator(&application);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    }
    auto* own = new QTranslator(&application);
    // The build compiles the translations into the program under :/i18n.
    if (!own->load(locale, QStringLiteral("zelmarino-workbench"), QStringLiteral("_"),
                   QStringLiteral(":/i18n"))) {
        return false;
    }
    QCoreApplication::installTranslator(own);
    return true;
}

} // namespace zelmarino::workbench
