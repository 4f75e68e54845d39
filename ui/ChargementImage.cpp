#include "ChargementImage.h"

#include <QDir>
#include <QImageReader>

namespace amortix {

std::variant<QImage, ErreurFichier> ChargeImage(const QString& chemin) {
    QImageReader lecteur(chemin);
    lecteur.setAutoTransform(true);
    QImage image = lecteur.read();
    if (!image.isNull())
        return image;
    QString cause;
    switch (lecteur.error()) {
    case QImageReader::FileNotFoundError:
        cause = QStringLiteral("Fichier introuvable");
        break;
    case QImageReader::UnsupportedFormatError:
        cause = QStringLiteral("Ce fichier n'est pas une image reconnue");
        break;
    case QImageReader::InvalidDataError:
        cause = QStringLiteral("Image endommagée");
        break;
    default:
        cause = QStringLiteral("Image illisible");
        break;
    }
    return ErreurFichier{static_cast<int>(lecteur.error()),
                         QStringLiteral("%1 : %2").arg(cause, QDir::toNativeSeparators(chemin))};
}

} // namespace amortix
