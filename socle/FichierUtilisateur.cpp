#include "FichierUtilisateur.h"

#include "ErreursSysteme.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace amortix {
namespace {

QString Natif(const QString& chemin) {
    return QDir::toNativeSeparators(chemin);
}

Erreur ErreurEcrit(int numero, const QString& chemin, const QString& cause) {
    return {numero,
            QStringLiteral("Le fichier « %1 » n'a pas pu être écrit : %2.").arg(Natif(chemin), cause)};
}

Erreur ErreurLu(int numero, const QString& chemin, const QString& cause) {
    return {numero, QStringLiteral("Le fichier « %1 » n'a pas pu être lu : %2.").arg(Natif(chemin), cause)};
}

// What stands at a path that is not a regular file.
QString Nature(mode_t mode) {
    if (S_ISDIR(mode))
        return QStringLiteral("c'est un dossier, pas un fichier");
    if (S_ISFIFO(mode))
        return QStringLiteral("c'est un tube nommé, pas un fichier ordinaire");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("c'est un périphérique, pas un fichier ordinaire");
    return QStringLiteral("ce n'est pas un fichier ordinaire");
}

QString CauseDe(const QFileDevice& fichier) {
    const QString texte = fichier.errorString();
    return texte.isEmpty() ? QStringLiteral("erreur inconnue") : EnFrancais(texte);
}

} // namespace

std::optional<Erreur> EcritFichierUtilisateur(const QString& chemin, const EcritureContenu& ecrit) {
    const QByteArray nom = QFile::encodeName(chemin);
    struct stat etat {};
    // Renaming over a device or a pipe would replace it by a plain file.
    if (::stat(nom.constData(), &etat) == 0 && !S_ISREG(etat.st_mode))
        return ErreurEcrit(ErreurOuverture, chemin,
                           Nature(etat.st_mode) + QStringLiteral(" ; il est laissé tel quel"));

    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        return ErreurEcrit(ErreurOuverture, chemin, CauseDe(fichier));
    if (auto erreur = ecrit(fichier)) {
        fichier.cancelWriting();
        return erreur;
    }
    // commit() alone may report success for a small file whose last write failed: the buffer is
    // flushed and checked first, then synced, so that a full disk is seen before the rename.
    if (!fichier.flush() || fichier.error() != QFileDevice::NoError) {
        const Erreur erreur = ErreurEcrit(ErreurEcriture, chemin, CauseDe(fichier));
        fichier.cancelWriting();
        return erreur;
    }
    if (::fsync(fichier.handle()) != 0) {
        const Erreur erreur = ErreurEcrit(ErreurEcriture, chemin, DescriptionErreurSysteme(errno));
        fichier.cancelWriting();
        return erreur;
    }
    if (!fichier.commit())
        return ErreurEcrit(ErreurEcriture, chemin, CauseDe(fichier));
    return std::nullopt;
}

std::optional<Erreur> EcritFichierUtilisateur(const QString& chemin, const QByteArray& octets) {
    // A failed write is seen by the checks that follow it.
    return EcritFichierUtilisateur(chemin, [&octets](QIODevice& destination) -> std::optional<Erreur> {
        destination.write(octets);
        return std::nullopt;
    });
}

FichierLu LitFichierUtilisateur(const QString& chemin, qint64 tailleMaximale) {
    FichierLu lecture;
    const QByteArray nom = QFile::encodeName(chemin);
    struct stat etat {};
    if (chemin.isEmpty() || ::stat(nom.constData(), &etat) != 0) {
        const int cause = chemin.isEmpty() ? ENOENT : errno;
        lecture.present = cause != ENOENT && cause != ENOTDIR;
        lecture.erreur = ErreurLu(lecture.present ? ErreurLecture : ErreurOuverture, chemin,
                                  DescriptionErreurSysteme(cause));
        return lecture;
    }
    lecture.present = true;
    const auto refuse = [&](int numero, const QString& cause) {
        lecture.erreur = ErreurLu(numero, chemin, cause);
        return lecture;
    };
    const auto tropGrand = [&] {
        return refuse(ErreurLecture, QStringLiteral("il dépasse %1, bien plus qu'un tel fichier ne compte")
                                         .arg(QLocale().formattedDataSize(tailleMaximale)));
    };
    if (!S_ISREG(etat.st_mode))
        return refuse(ErreurOuverture, Nature(etat.st_mode));
    if (etat.st_size > tailleMaximale)
        return tropGrand();

    // Non-blocking, should the path have been replaced by a pipe since: opening it then returns at
    // once, and the second check refuses it.
    const int descripteur = ::open(nom.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descripteur < 0)
        return refuse(ErreurOuverture, DescriptionErreurSysteme(errno));
    struct Fermeture {
        int d;
        ~Fermeture() { ::close(d); }
    } fermeture{descripteur};
    if (::fstat(descripteur, &etat) != 0 || !S_ISREG(etat.st_mode))
        return refuse(ErreurOuverture, Nature(etat.st_mode));

    QByteArray octets;
    octets.resize(static_cast<qsizetype>(std::min<qint64>(etat.st_size, tailleMaximale) + 1));
    qsizetype lus = 0;
    for (;;) {
        if (lus == octets.size()) {
            if (lus > tailleMaximale)
                return tropGrand();
            octets.resize(std::min<qsizetype>(octets.size() * 2, static_cast<qsizetype>(tailleMaximale) + 1));
        }
        const ssize_t n = ::read(descripteur, octets.data() + lus, static_cast<size_t>(octets.size() - lus));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return refuse(ErreurLecture, DescriptionErreurSysteme(errno));
        if (n == 0)
            break;
        lus += n;
    }
    if (lus > tailleMaximale)
        return tropGrand();
    octets.truncate(lus);
    lecture.octets = std::move(octets);
    return lecture;
}

} // namespace amortix

namespace amortix {

std::optional<Erreur> RemplaceDebutFichier(const QString& chemin, const QByteArray& debut) {
    const FichierLu avant = LitFichierUtilisateur(chemin, TailleMaximaleFichierAmortix);
    if (avant.present && avant.erreur)
        return avant.erreur;
    return EcritFichierUtilisateur(chemin, debut + avant.octets.mid(debut.size()));
}

} // namespace amortix
