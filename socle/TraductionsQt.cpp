#include "TraductionsQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace amortix {

bool ChargeTraductionsQt(QCoreApplication& application, const QLocale& locale) {
    // Owned by the application: it must live as long as any text is translated.
    auto* traduction = new QTranslator(&application);
    if (!traduction->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traduction;
        return false;
    }
    return QCoreApplication::installTranslator(traduction);
}

} // namespace amortix
