#include "ErreursSysteme.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <utility>

namespace amortix {
namespace {

struct Traduction {
    int numero;
    const char* qt; // Qt's own English text for this number, when it has one
    const char* francais;
};

constexpr std::array<Traduction, 22> Traductions = {{
    {EACCES, "Permission denied", "permission refusée"},
    {EPERM, nullptr, "opération non permise"},
    {ENOENT, "No such file or directory", "fichier ou dossier introuvable"},
    {ENOSPC, "No space left on device", "plus d'espace disponible sur le disque"},
    {EDQUOT, nullptr, "quota de disque dépassé"},
    {EROFS, nullptr, "le disque est en lecture seule"},
    {EISDIR, nullptr, "c'est un dossier"},
    {ENOTDIR, nullptr, "un élément du chemin n'est pas un dossier"},
    {EEXIST, nullptr, "le fichier existe déjà"},
    {EIO, nullptr, "erreur d'entrée-sortie"},
    {ENAMETOOLONG, nullptr, "nom de fichier trop long"},
    {EMFILE, "Too many open files", "trop de fichiers ouverts"},
    {ENFILE, nullptr, "trop de fichiers ouverts sur le système"},
    {ENOMEM, nullptr, "mémoire insuffisante"},
    {ELOOP, nullptr, "trop de liens symboliques"},
    {ETXTBSY, nullptr, "fichier en cours d'utilisation"},
    {EBUSY, nullptr, "périphérique ou ressource occupé"},
    {EFBIG, nullptr, "fichier trop volumineux"},
    {EXDEV, nullptr, "lien entre deux disques différents"},
    {ENXIO, nullptr, "périphérique ou adresse introuvable"},
    {ENODEV, nullptr, "périphérique introuvable"},
    {EINVAL, nullptr, "argument invalide"},
}};

QString TexteC(int numero) {
    return QString::fromLocal8Bit(std::strerror(numero));
}

} // namespace

QString DescriptionErreurSysteme(int numeroErrno) {
    for (const Traduction& t : Traductions)
        if (t.numero == numeroErrno)
            return QString::fromUtf8(t.francais);
    return TexteC(numeroErrno);
}

QString EnFrancais(const QString& descriptionSysteme) {
    for (const Traduction& t : Traductions) {
        if ((t.qt && descriptionSysteme == QLatin1String(t.qt)) || descriptionSysteme == TexteC(t.numero))
            return QString::fromUtf8(t.francais);
    }
    // Qt's texts of its own, for failures it finds without the system.
    static const std::pair<const char*, const char*> textesQt[] = {
        {"Unknown error", "erreur inconnue"},
        {"Writing canceled by application", "écriture annulée"},
        {"Partial write. Partition full?", "écriture incomplète : le disque est peut-être plein"},
    };
    for (const auto& [anglais, francais] : textesQt)
        if (descriptionSysteme == QLatin1String(anglais))
            return QString::fromUtf8(francais);
    return descriptionSysteme;
}

} // namespace amortix
