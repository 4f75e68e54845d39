#include "DossiersClasseur.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <unistd.h>

namespace amortix {

void SupprimeAnciensDossiersClasseur(const QString& dossierTemporaire, const QDateTime& limite) {
    static const QRegularExpression nom(QStringLiteral("^amortix-[A-Za-z0-9]{6}$"));
    const QDir temporaire(dossierTemporaire);
    for (const QFileInfo& dossier :
         temporaire.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (!nom.match(dossier.fileName()).hasMatch() || dossier.isSymLink() ||
            dossier.ownerId() != ::getuid() || dossier.lastModified() >= limite)
            continue;
        const QDir contenu(dossier.absoluteFilePath());
        const QFileInfoList fichiers =
            contenu.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        const bool seulClasseur =
            fichiers.size() <= 1 && std::all_of(fichiers.begin(), fichiers.end(), [](const QFileInfo& f) {
                return f.fileName() == NomClasseurTemporaire && f.isFile() && !f.isSymLink();
            });
        if (!seulClasseur)
            continue;
        if (!fichiers.isEmpty())
            QFile::remove(fichiers.front().absoluteFilePath());
        temporaire.rmdir(dossier.fileName());
    }
}

} // namespace amortix
