#include "DocumentEmprunt.h"

#include "ConventionsSysteme.h"
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
    return LitEntier(VersUtf8(DepuisWindows1252(ligne)), conventions);
}

std::string Texte(const QByteArray& ligne) {
    return VersUtf8(DepuisWindows1252(ligne));
}

} // namespace

QByteArray OctetsDocument(const SaisieEmprunt& s) {
    const std::chrono::year_month_day& date = s.premiereEcheance;
    QByteArray octets;
    for (const std::string& ligne :
         {s.montant, s.duree, std::to_string(IndexDe(s.frequence)), s.taux, s.assurance, s.fraisDossier,
          std::to_string(static_cast<unsigned>(date.day())),
          std::to_string(static_cast<unsigned>(date.month())),
          std::to_string(static_cast<int>(date.year()))}) {
        octets += VersWindows1252(DepuisUtf8(ligne));
        octets += "\r\n";
    }
    return octets;
}

std::optional<Erreur> EnregistreDocument(const QString& chemin, const SaisieEmprunt& saisie) {
    return EcritFichierUtilisateur(chemin, OctetsDocument(saisie));
}

std::variant<SaisieEmprunt, QString> AnalyseDocument(const QByteArray& octets,
                                                     const ConventionsLocales& conventions) {
    const std::vector<QByteArray> lignes = Lignes(octets);
    if (lignes.size() < 9)
        return octets.isEmpty() ? QStringLiteral("le fichier est vide.")
                                : QStringLiteral("il compte %1 ligne(s) au lieu de neuf.").arg(lignes.size());

    const auto index = Entier(lignes[2], conventions);
    const auto frequence = index ? FrequenceDeLIndex(*index) : std::nullopt;
    if (!frequence)
        return QStringLiteral("la ligne 3 doit donner la fréquence des échéances : 0, 1, 2 ou 3.");
    const auto jour = Entier(lignes[6], conventions);
    const auto mois = Entier(lignes[7], conventions);
    const auto annee = Entier(lignes[8], conventions);
    const QDate date = jour && mois && annee ? QDate(*annee, *mois, *jour) : QDate();
    if (!date.isValid() || date.year() < 1601 || date.year() > 9999)
        return QStringLiteral("les lignes 7 à 9 ne forment pas une date de première échéance valide.");

    return SaisieEmprunt{Texte(lignes[0]), Texte(lignes[1]), Texte(lignes[3]), Texte(lignes[4]),
                         Texte(lignes[5]), *frequence,       VersDateStd(date)};
}

std::variant<SaisieEmprunt, QString> LitDocument(const QString& chemin,
                                                 const ConventionsLocales& conventions) {
    const FichierLu fichier = LitFichierUtilisateur(chemin, TailleMaximaleFichierAmortix);
    if (fichier.erreur)
        return fichier.erreur->description;
    return AnalyseDocument(fichier.octets, conventions);
}

} // namespace amortix
