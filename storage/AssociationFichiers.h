#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace amortix {

// Where the desktop keeps a user's file types and applications ($XDG_DATA_HOME and
// $XDG_CONFIG_HOME, by default ~/.local/share and ~/.config).
struct EmplacementsBureau {
    QString donnees;
    QString configuration;
    static EmplacementsBureau DeLUtilisateur();
};

// Runs a program without a shell and without waiting; absent programs are skipped.
using LanceurOutil = std::function<void(const QString& programme, const QStringList& arguments)>;
void LanceOutilDuBureau(const QString& programme, const QStringList& arguments);

struct RapportAssociation {
    QStringList fichiersChanges; // the entries whose content changed
    QStringList outils;          // the databases refreshed because of it
};

// What the desktop knows of a document type: "application/x-" and the type name in small letters,
// also the name of the desktop entry and of the icon, which is the program's own.
struct TypeDocument {
    QString extension;   // ".amx"
    QString nomType;     // "Amortix"
    QString description; // "Document Amortix"
    QString typeMime() const { return QStringLiteral("application/x-") + nomType.toLower(); }
    QString nomFichierBureau() const { return nomType.toLower() + QStringLiteral(".desktop"); }
    QString nomIcone() const { return nomType.toLower(); }
};

// Loan documents: ".amx", "Amortix", "Document Amortix".
inline TypeDocument TypeDocumentAmortix() {
    return {QStringLiteral(".amx"), QStringLiteral("Amortix"), QStringLiteral("Document Amortix")};
}

// The shared-mime-info package of the type: its glob, its description and its icon.
QByteArray PaquetMime(const TypeDocument& type);
// The desktop entry that opens documents of the type with the program; none for a path that cannot
// be written in one.
std::optional<QByteArray> EntreeBureau(const TypeDocument& type, const QString& cheminProgramme);

// Ties the type to the program on the user's desktop, through four entries rewritten at every start,
// each read, created when missing, then written: the MIME package, the desktop entry, the user's
// default application for the type, and the icon (an SVG). The MIME and desktop databases are
// refreshed only when their entry changed. Nothing here is reported: a desktop without these
// folders or tools simply has no association. Every entry is replaced only by a complete new one.
RapportAssociation EnregistreTypeFichier(const TypeDocument& type, const QString& cheminProgramme,
                                         const QByteArray& iconeSvg, const EmplacementsBureau& emplacements,
                                         const LanceurOutil& lanceur = LanceOutilDuBureau);

// The Exec= value of a desktop entry for a program path: quoted and escaped as desktop entries
// require, followed by %f. None for a path holding a character that an entry cannot hold.
std::optional<QString> CommandeOuverture(const QString& cheminProgramme);

// mimeapps.list with `type=fichierBureau` under [Default Applications], every other line kept byte
// for byte.
QByteArray AvecApplicationParDefaut(const QByteArray& mimeapps, const QByteArray& type,
                                    const QByteArray& fichierBureau);

} // namespace amortix
