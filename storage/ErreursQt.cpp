#include "ErreursQt.h"

#include <QDir>

namespace amortix {

ErreurFichier ErreurDe(const QFileDevice& fichier) {
    QString action;
    switch (fichier.error()) {
    case QFileDevice::ReadError:
        action = QStringLiteral("Impossible de lire le fichier");
        break;
    case QFileDevice::WriteError:
    case QFileDevice::ResizeError:
        action = QStringLiteral("Impossible d'écrire dans le fichier");
        break;
    case QFileDevice::PermissionsError:
        action = QStringLiteral("Accès refusé au fichier");
        break;
    default:
        action = QStringLiteral("Impossible d'ouvrir le fichier");
        break;
    }
    const int numero = fichier.error() == QFileDevice::NoError ? QFileDevice::UnspecifiedError : fichier.error();
    return {numero, QStringLiteral("%1 « %2 » (%3).")
                        .arg(action, QDir::toNativeSeparators(fichier.fileName()), fichier.errorString())};
}

} // namespace amortix
