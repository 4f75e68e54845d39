#pragma once

#include "Erreur.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class QIODevice;

namespace amortix {

// The one way the program writes a file of the user's (documents, settings, workbook, PDF, desktop
// entries). A target that exists and is not a regular file (a device, a pipe, a folder) is refused
// and left as it is. Otherwise the content goes to a temporary file beside it, which is flushed,
// checked and synced before it replaces the target: on any failure the old file stays untouched and
// no temporary file is left.
using EcritureContenu = std::function<std::optional<Erreur>(QIODevice& destination)>;
std::optional<Erreur> EcritFichierUtilisateur(const QString& chemin, const EcritureContenu& ecrit);
std::optional<Erreur> EcritFichierUtilisateur(const QString& chemin, const QByteArray& octets);

// The one way it reads one (documents, settings, the header store, the logo): the path must lead to
// a regular file, checked without ever blocking (a pipe or a device is refused at once), and at most
// `tailleMaximale` bytes are read, a larger file being refused.
struct FichierLu {
    bool present = false;         // false: no file there; `erreur` then says so
    QByteArray octets;            // the whole file, when it could be read
    std::optional<Erreur> erreur; // why it could not
    bool lu() const { return !erreur; }
};
FichierLu LitFichierUtilisateur(const QString& chemin, qint64 tailleMaximale);

// Settings and documents are small; no file of the program's own comes near this.
inline constexpr qint64 TailleMaximaleFichierAmortix = 1 << 20;

// Error numbers, as Qt's file devices count them.
inline constexpr int ErreurLecture = 1;
inline constexpr int ErreurOuverture = 5;
inline constexpr int ErreurEcriture = 7;

} // namespace amortix

namespace amortix {

// Writes `debut` over the first bytes of the file and keeps what follows them, as the settings files
// are written: a longer file is never shortened. A file that exists but cannot be read is left alone.
std::optional<Erreur> RemplaceDebutFichier(const QString& chemin, const QByteArray& debut);

} // namespace amortix
