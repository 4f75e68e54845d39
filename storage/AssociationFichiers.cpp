#include "AssociationFichiers.h"

#include "FichierUtilisateur.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace amortix {
namespace {

QString EchappeXml(QString texte) {
    return texte.replace(QLatin1Char('&'), QLatin1String("&amp;"))
        .replace(QLatin1Char('<'), QLatin1String("&lt;"))
        .replace(QLatin1Char('>'), QLatin1String("&gt;"))
        .replace(QLatin1Char('"'), QLatin1String("&quot;"));
}

// Far more than any desktop file holds.
constexpr qint64 TailleMaximaleEntree = 4 << 20;

// One entry: read it, create its folder when it is missing, then write it whatever it held. What
// stands there and cannot be read (a folder, a pipe, an unreadable file) is left alone. True when its
// content changed.
bool EcritEntree(const QString& chemin, const QByteArray& contenu, const FichierLu& avant) {
    if (avant.present && avant.erreur)
        return false;
    if (!avant.present && !QDir().mkpath(QFileInfo(chemin).absolutePath()))
        return false;
    if (EcritFichierUtilisateur(chemin, contenu))
        return false;
    return !avant.present || avant.octets != contenu;
}

bool EcritEntree(const QString& chemin, const QByteArray& contenu) {
    return EcritEntree(chemin, contenu, LitFichierUtilisateur(chemin, TailleMaximaleEntree));
}

} // namespace

QByteArray PaquetMime(const TypeDocument& type) {
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                          "  <mime-type type=\"%1\">\n"
                          "    <comment>%2</comment>\n"
                          "    <icon name=\"%3\"/>\n"
                          "    <glob pattern=\"*%4\"/>\n"
                          "  </mime-type>\n"
                          "</mime-info>\n")
        .arg(EchappeXml(type.typeMime()), EchappeXml(type.description), EchappeXml(type.nomIcone()),
             EchappeXml(type.extension))
        .toUtf8();
}

std::optional<QByteArray> EntreeBureau(const TypeDocument& type, const QString& cheminProgramme) {
    const std::optional<QString> commande = CommandeOuverture(cheminProgramme);
    if (!commande)
        return std::nullopt;
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=%1\n"
                          "GenericName=Calcul de prêts\n"
                          "Comment=Tableau d'amortissement, coût du crédit et TEG d'un prêt à taux fixe\n"
                          "Exec=%2\n"
                          "Icon=%3\n"
                          "Terminal=false\n"
                          "Categories=Office;Finance;\n"
                          "Keywords=prêt;emprunt;crédit;amortissement;TEG;échéancier;\n"
                          "MimeType=%4;\n")
        .arg(type.nomType, *commande, type.nomIcone(), type.typeMime())
        .toUtf8();
}

EmplacementsBureau EmplacementsBureau::DeLUtilisateur() {
    return {QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)};
}

void LanceOutilDuBureau(const QString& programme, const QStringList& arguments) {
    const QString chemin = QStandardPaths::findExecutable(programme);
    if (!chemin.isEmpty())
        QProcess::startDetached(chemin, arguments);
}

std::optional<QString> CommandeOuverture(const QString& cheminProgramme) {
    QString echappe;
    bool pourcent = false;
    for (const QChar c : cheminProgramme) {
        // Line breaks and tabs have their escapes in a desktop entry string; no other control
        // character can be written there, nor a name that was not valid UTF-8.
        if (c == QLatin1Char('\n'))
            echappe += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            echappe += QLatin1String("\\t");
        else if (c == QLatin1Char('\r'))
            echappe += QLatin1String("\\r");
        else if (c.unicode() < 0x20 || c.unicode() == 0x7F || c == QChar::ReplacementCharacter)
            return std::nullopt;
        // Inside the quotes ", `, $ and \ take a backslash; every backslash is then doubled as in any
        // desktop entry string.
        else if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$'))
            echappe += QLatin1String("\\\\") + c;
        else if (c == QLatin1Char('\\'))
            echappe += QLatin1String("\\\\\\\\");
        else if (c == QLatin1Char('%')) {
            echappe += QLatin1String("%%");
            pourcent = true;
        } else
            echappe += c;
    }
    // GLib looks for the program before it turns %% into %: run through env, the path is looked for
    // only once expanded.
    return (pourcent ? QStringLiteral("env \"") : QStringLiteral("\"")) + echappe + QStringLiteral("\" %f");
}

QByteArray AvecApplicationParDefaut(const QByteArray& mimeapps, const QByteArray& type,
                                    const QByteArray& fichierBureau) {
    const QByteArray section = "[Default Applications]";
    const QByteArray ligneType = type + '=' + fichierBureau;
    QList<QByteArray> lignes = mimeapps.split('\n');
    // The last line break ends the last line rather than starting an empty one.
    const bool finParSaut = mimeapps.isEmpty() || mimeapps.endsWith('\n');
    if (finParSaut)
        lignes.removeLast();
    const auto resultat = [&] { return lignes.join('\n') + (finParSaut ? "\n" : ""); };

    qsizetype debut = -1;
    for (qsizetype i = 0; i < lignes.size(); ++i)
        if (lignes[i].trimmed() == section)
            debut = i;
    if (debut < 0) {
        if (!lignes.isEmpty() && !lignes.back().trimmed().isEmpty())
            lignes << QByteArray();
        lignes << section << ligneType;
        return lignes.join('\n') + '\n';
    }
    qsizetype fin = debut + 1;
    while (fin < lignes.size() && !lignes[fin].trimmed().startsWith('['))
        ++fin;
    for (qsizetype i = debut + 1; i < fin; ++i) {
        const qsizetype egal = lignes[i].indexOf('=');
        if (egal >= 0 && lignes[i].left(egal).trimmed() == type) {
            lignes[i] = ligneType;
            return resultat();
        }
    }
    lignes.insert(debut + 1, ligneType);
    return resultat();
}

RapportAssociation EnregistreTypeFichier(const TypeDocument& type, const QString& cheminProgramme,
                                         const QByteArray& iconeSvg, const EmplacementsBureau& emplacements,
                                         const LanceurOutil& lanceur) {
    RapportAssociation rapport;
    const std::optional<QByteArray> entreeBureau = EntreeBureau(type, cheminProgramme);
    // A program path that no desktop entry can express gets no association rather than a wrong one.
    if (emplacements.donnees.isEmpty() || emplacements.configuration.isEmpty() || !entreeBureau)
        return rapport;
    const QDir donnees(emplacements.donnees);

    const QString paquet =
        donnees.filePath(QStringLiteral("mime/packages/%1.xml").arg(type.nomType.toLower()));
    if (EcritEntree(paquet, PaquetMime(type)))
        rapport.fichiersChanges << paquet;
    const QString bureau = donnees.filePath(QStringLiteral("applications/") + type.nomFichierBureau());
    if (EcritEntree(bureau, *entreeBureau))
        rapport.fichiersChanges << bureau;

    const QString mimeapps = QDir(emplacements.configuration).filePath(QStringLiteral("mimeapps.list"));
    const FichierLu avant = LitFichierUtilisateur(mimeapps, TailleMaximaleEntree);
    if (EcritEntree(mimeapps,
                    AvecApplicationParDefaut(avant.octets, type.typeMime().toUtf8(),
                                             type.nomFichierBureau().toUtf8()),
                    avant))
        rapport.fichiersChanges << mimeapps;

    const QString icone =
        donnees.filePath(QStringLiteral("icons/hicolor/scalable/apps/%1.svg").arg(type.nomIcone()));
    if (!iconeSvg.isEmpty() && EcritEntree(icone, iconeSvg))
        rapport.fichiersChanges << icone;

    if (rapport.fichiersChanges.contains(paquet)) {
        rapport.outils << QStringLiteral("update-mime-database");
        lanceur(QStringLiteral("update-mime-database"), {donnees.filePath(QStringLiteral("mime"))});
    }
    if (rapport.fichiersChanges.contains(bureau)) {
        rapport.outils << QStringLiteral("update-desktop-database");
        lanceur(QStringLiteral("update-desktop-database"),
                {donnees.filePath(QStringLiteral("applications"))});
    }
    return rapport;
}

} // namespace amortix
