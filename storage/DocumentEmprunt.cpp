#include "DocumentEmprunt.h"

#include "FichierUtilisateur.h"
#include "LectureNombres.h"
#include "Windows1252.h"


namespace amortix {
namespace {

std::vector<QByteArray> Lignes(const QByteArray& octets) {
    std::vector<QByteArray> lignes;
    qsizetype debut = 0;
    for (qsizetype i = 0; i < octets.size(); ++i) {
        const char c = octets[i];
        if (c != '\r' && c != '\n')
            continue;
        lignes.push_back(octets.mid(debut, i - debut));
        if (c == '\r' && i + 1 < octets.size() && octets[i + 1] == '\n')
            ++i;
        debut = i + 1;
    }
    if (debut < octets.size())
        lignes.push_back(octets.mid(debut));
    return lignes;
}

std::optional<int> Entier(const QByteArray& ligne, const ConventionsLocales& conventions) {
    const QString texte = DepuisWindows1252(ligne);
    return LitEntier(texte.toStdString(), conventions);
}

} // namespace

QByteArray OctetsDocument(const DocumentEmprunt& d) {
    QByteArray octets;
    for (const QString& ligne :
         {d.montant, d.duree, QString::number(d.indexEcheance), d.taux, d.assurance, d.fraisDossier,
          QString::number(d.premiereEcheance.day()), QString::number(d.premiereEcheance.month()),
          QString::number(d.premiereEcheance.year())}) {
        octets += VersWindows1252(ligne);
        octets += "\r\n";
    }
    return octets;
}

std::optional<Erreur> EnregistreDocument(const QString& chemin, const DocumentEmprunt& document) {
    return EcritFichierUtilisateur(chemin, OctetsDocument(document));
}

std::variant<DocumentEmprunt, QString> AnalyseDocument(const QByteArray& octets, const ConventionsLocales& conventions) {
    const std::vector<QByteArray> lignes = Lignes(octets);
    if (lignes.size() < 9)
        return octets.isEmpty() ? QStringLiteral("le fichier est vide.")
                                : QStringLiteral("il compte %1 ligne(s) au lieu de neuf.").arg(lignes.size());

    const auto index = Entier(lignes[2], conventions);
    if (!index || *index < 0 || *index > 3)
        return QStringLiteral("la ligne 3 doit donner la fréquence des échéances : 0, 1, 2 ou 3.");
    const auto jour = Entier(lignes[6], conventions);
    const auto mois = Entier(lignes[7], conventions);
    const auto annee = Entier(lignes[8], conventions);
    const QDate date = jour && mois && annee ? QDate(*annee, *mois, *jour) : QDate();
    if (!date.isValid() || date.year() < 1601 || date.year() > 9999)
        return QStringLiteral("les lignes 7 à 9 ne forment pas une date de première échéance valide.");

    return DocumentEmprunt{DepuisWindows1252(lignes[0]), DepuisWindows1252(lignes[1]), *index,
                           DepuisWindows1252(lignes[3]), DepuisWindows1252(lignes[4]), DepuisWindows1252(lignes[5]),
                           date};
}

std::variant<DocumentEmprunt, QString> LitDocument(const QString& chemin, const ConventionsLocales& conventions) {
    const FichierLu fichier = LitFichierUtilisateur(chemin, TailleMaximaleFichierAmortix);
    if (fichier.erreur)
        return fichier.erreur->description;
    return AnalyseDocument(fichier.octets, conventions);
}

} // namespace amortix
