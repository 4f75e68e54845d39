#include "AssociationFichiers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace amortix {
namespace {

QString EchappeXml(QString texte) {
    return texte.replace(QLatin1Char('&'), QLatin1String("&amp;"))
        .replace(QLatin1Char('<'), QLatin1String("&lt;"))
        .replace(QLatin1Char('>'), QLatin1String("&gt;"))
        .replace(QLatin1Char('"'), QLatin1String("&quot;"));
}

QByteArray Lit(const QString& chemin, bool& present) {
    QFile fichier(chemin);
    present = fichier.open(QIODevice::ReadOnly);
    return present ? fichier.readAll() : QByteArray();
}

// One entry: read it, create its folder when it is missing, then write it whatever it held.
// True when its content changed.
bool EcritEntree(const QString& chemin, const QByteArray& contenu) {
    bool present = false;
    const QByteArray avant = Lit(chemin, present);
    if (!present && !QDir().mkpath(QFileInfo(chemin).absolutePath()))
        return false;
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(contenu) != contenu.size() || !fichier.commit())
        return false;
    return !present || avant != contenu;
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

QByteArray EntreeBureau(const TypeDocument& type, const QString& cheminProgramme) {
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
        .arg(type.nomType, CommandeOuverture(cheminProgramme), type.nomIcone(), type.typeMime())
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

QString CommandeOuverture(const QString& cheminProgramme) {
    QString echappe;
    for (const QChar c : cheminProgramme) {
        // Escaped for the quotes, then the backslash escaped again as in any desktop entry string.
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$'))
            echappe += QLatin1String("\\\\");
        if (c == QLatin1Char('\\'))
            echappe += QLatin1String("\\\\\\");
        if (c == QLatin1Char('%'))
            echappe += QLatin1Char('%');
        echappe += c;
    }
    return QLatin1Char('"') + echappe + QLatin1String("\" %f");
}

QString AvecApplicationParDefaut(const QString& mimeapps, const QString& type, const QString& fichierBureau) {
    const QString section = QStringLiteral("[Default Applications]");
    const QString ligneType = type + QLatin1Char('=') + fichierBureau;
    QStringList lignes = mimeapps.split(QLatin1Char('\n'));
    if (!lignes.isEmpty() && lignes.back().isEmpty())
        lignes.removeLast();

    qsizetype debut = -1;
    for (qsizetype i = 0; i < lignes.size(); ++i)
        if (lignes[i].trimmed() == section)
            debut = i;
    if (debut < 0) {
        if (!lignes.isEmpty() && !lignes.back().trimmed().isEmpty())
            lignes << QString();
        lignes << section << ligneType;
        return lignes.join(QLatin1Char('\n')) + QLatin1Char('\n');
    }
    qsizetype fin = debut + 1;
    while (fin < lignes.size() && !lignes[fin].trimmed().startsWith(QLatin1Char('[')))
        ++fin;
    for (qsizetype i = debut + 1; i < fin; ++i) {
        if (lignes[i].section(QLatin1Char('='), 0, 0).trimmed() == type) {
            lignes[i] = ligneType;
            return lignes.join(QLatin1Char('\n')) + QLatin1Char('\n');
        }
    }
    lignes.insert(debut + 1, ligneType);
    return lignes.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

RapportAssociation EnregistreTypeFichier(const TypeDocument& type, const QString& cheminProgramme,
                                         const QByteArray& iconeSvg, const EmplacementsBureau& emplacements,
                                         const LanceurOutil& lanceur) {
    RapportAssociation rapport;
    if (emplacements.donnees.isEmpty() || emplacements.configuration.isEmpty())
        return rapport;
    const QDir donnees(emplacements.donnees);

    const QString paquet = donnees.filePath(QStringLiteral("mime/packages/%1.xml").arg(type.nomType.toLower()));
    if (EcritEntree(paquet, PaquetMime(type)))
        rapport.fichiersChanges << paquet;
    const QString bureau = donnees.filePath(QStringLiteral("applications/") + type.nomFichierBureau());
    if (EcritEntree(bureau, EntreeBureau(type, cheminProgramme)))
        rapport.fichiersChanges << bureau;

    const QString mimeapps = QDir(emplacements.configuration).filePath(QStringLiteral("mimeapps.list"));
    bool present = false;
    const QString avant = QString::fromUtf8(Lit(mimeapps, present));
    if (EcritEntree(mimeapps, AvecApplicationParDefaut(avant, type.typeMime(), type.nomFichierBureau()).toUtf8()))
        rapport.fichiersChanges << mimeapps;

    const QString icone = donnees.filePath(QStringLiteral("icons/hicolor/scalable/apps/%1.svg").arg(type.nomIcone()));
    if (!iconeSvg.isEmpty() && EcritEntree(icone, iconeSvg))
        rapport.fichiersChanges << icone;

    if (rapport.fichiersChanges.contains(paquet)) {
        rapport.outils << QStringLiteral("update-mime-database");
        lanceur(QStringLiteral("update-mime-database"), {donnees.filePath(QStringLiteral("mime"))});
    }
    if (rapport.fichiersChanges.contains(bureau)) {
        rapport.outils << QStringLiteral("update-desktop-database");
        lanceur(QStringLiteral("update-desktop-database"), {donnees.filePath(QStringLiteral("applications"))});
    }
    return rapport;
}

} // namespace amortix
