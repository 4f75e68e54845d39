#include "ChargementLogo.h"

#include "FichierUtilisateur.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>

namespace amortix {

std::variant<QImage, Erreur> ChargeLogo(const QString& chemin) {
    FichierLu fichier = LitFichierUtilisateur(chemin, TailleMaximaleLogo);
    if (fichier.erreur)
        return *fichier.erreur;
    QBuffer octets(&fichier.octets);
    octets.open(QIODevice::ReadOnly);
    QImageReader lecteur(&octets);
    lecteur.setAutoTransform(true);
    const auto echec = [&chemin](QImageReader::ImageReaderError numero, const QString& cause) {
        return Erreur{static_cast<int>(numero),
                      QStringLiteral("%1 : %2").arg(cause, QDir::toNativeSeparators(chemin))};
    };
    const QSize taille = lecteur.size();
    const QImage::Format format = lecteur.imageFormat();
    QImage image = lecteur.read();
    if (!image.isNull())
        return image;
    // Qt refuses to decode a picture whose pixels would exceed its allocation limit: say so rather
    // than call it damaged.
    const qint64 bits = format == QImage::Format_Invalid ? 32 : QImage::toPixelFormat(format).bitsPerPixel();
    const qint64 limite = qint64(QImageReader::allocationLimit()) << 20;
    if (taille.isValid() && limite > 0 && qint64(taille.width()) * taille.height() * bits / 8 > limite)
        return echec(
            QImageReader::InvalidDataError,
            QStringLiteral("Image trop grande (%1 × %2 pixels)").arg(taille.width()).arg(taille.height()));
    switch (lecteur.error()) {
    case QImageReader::UnsupportedFormatError:
        return echec(lecteur.error(), QStringLiteral("Ce fichier n'est pas une image reconnue"));
    case QImageReader::InvalidDataError:
        return echec(lecteur.error(), QStringLiteral("Image endommagée"));
    default:
        return echec(lecteur.error(), QStringLiteral("Image illisible"));
    }
}

} // namespace amortix
