#include "DossierReglages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace amortix {

QString ChoisitDossierReglages(const QString& dossierProgramme, const QString& dossierConfiguration) {
    const QFileInfo programme(dossierProgramme);
    if (!dossierProgramme.isEmpty() && programme.isDir() && programme.isWritable())
        return programme.absoluteFilePath();
    QDir().mkpath(dossierConfiguration);
    return QFileInfo(dossierConfiguration).absoluteFilePath();
}

QString DossierReglages() {
    return ChoisitDossierReglages(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/amortix"));
}

} // namespace amortix
