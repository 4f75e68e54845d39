#include "DossierReglages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace amortix {

bool EstDossierSysteme(const QString& dossier) {
    const QString chemin = QDir::cleanPath(QFileInfo(dossier).absoluteFilePath());
    for (const QString& prefixe : {QStringLiteral("/usr"), QStringLiteral("/bin"), QStringLiteral("/sbin"),
                                   QStringLiteral("/opt"), QStringLiteral("/etc")}) {
        if (chemin == prefixe || chemin.startsWith(prefixe + QLatin1Char('/')))
            return true;
    }
    // /lib, /lib32, /lib64, /libx32…
    return chemin.startsWith(QLatin1String("/lib"));
}

QString ChoisitDossierReglages(const QString& dossierProgramme, const QString& dossierConfiguration) {
    const QFileInfo programme(dossierProgramme);
    if (!dossierProgramme.isEmpty() && programme.isDir() && programme.isWritable() &&
        !EstDossierSysteme(programme.canonicalFilePath()))
        return programme.absoluteFilePath();
    QDir().mkpath(dossierConfiguration);
    return QFileInfo(dossierConfiguration).absoluteFilePath();
}

QString DossierReglages() {
    return ChoisitDossierReglages(QCoreApplication::applicationDirPath(),
                                  QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                                      QStringLiteral("/amortix"));
}

} // namespace amortix
