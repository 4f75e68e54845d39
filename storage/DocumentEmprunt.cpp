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

// The lines after the ninth, for a loan whose insurance, deferral or smoothing is not the default: one
// "key=value" each, which a reader of nine lines leaves alone.
constexpr std::string_view CleCapitalInitial = "assurance-capital-initial";
constexpr std::string_view CleCapitalRestant = "assurance-capital-restant";
constexpr std::string_view CleDifferePartiel = "differe-partiel";
constexpr std::string_view CleDiffereTotal = "differe-total";
constexpr std::string_view CleLissage = "lissage"; // the other loans' amounts of the plan smoothing it

std::vector<std::string> LignesModalites(const ModalitesEmprunt& m) {
    std::vector<std::string> lignes;
    if (m.assurance == ModeAssurance::TauxCapitalInitial)
        lignes.push_back(std::string(CleCapitalInitial) + "=" + m.tauxAssurance);
    else if (m.assurance == ModeAssurance::TauxCapitalRestant)
        lignes.push_back(std::string(CleCapitalRestant) + "=" + m.tauxAssurance);
    if (m.differe == ModeDiffere::Partiel)
        lignes.push_back(std::string(CleDifferePartiel) + "=" + m.periodesDiffere);
    else if (m.differe == ModeDiffere::Total)
        lignes.push_back(std::string(CleDiffereTotal) + "=" + m.periodesDiffere);
    if (!m.lissage.empty())
        lignes.push_back(std::string(CleLissage) + "=" + m.lissage);
    return lignes;
}

// The modalities the lines after the ninth describe; the default ones unless every such line is one
// of ours, each kind at most once: anything else is another program's, and the loan is its nine lines.
ModalitesEmprunt ModalitesDesLignes(const std::vector<QByteArray>& lignes) {
    ModalitesEmprunt m;
    bool assuranceVue = false;
    bool differeVu = false;
    bool lissageVu = false;
    for (std::size_t i = 9; i < lignes.size(); ++i) {
        const std::string ligne = Texte(lignes[i]);
        if (ligne.empty() && i + 1 == lignes.size())
            break;
        const std::size_t egal = ligne.find('=');
        if (egal == std::string::npos)
            return {};
        const std::string_view cle = std::string_view(ligne).substr(0, egal);
        std::string valeur = ligne.substr(egal + 1);
        if (valeur.empty())
            return {};
        if ((cle == CleCapitalInitial || cle == CleCapitalRestant) && !assuranceVue) {
            assuranceVue = true;
            m.assurance = cle == CleCapitalInitial ? ModeAssurance::TauxCapitalInitial
                                                   : ModeAssurance::TauxCapitalRestant;
            m.tauxAssurance = std::move(valeur);
        } else if ((cle == CleDifferePartiel || cle == CleDiffereTotal) && !differeVu) {
            differeVu = true;
            m.differe = cle == CleDifferePartiel ? ModeDiffere::Partiel : ModeDiffere::Total;
            m.periodesDiffere = std::move(valeur);
        } else if (cle == CleLissage && !lissageVu) {
            lissageVu = true;
            m.lissage = std::move(valeur);
        } else {
            return {};
        }
    }
    return m;
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
    for (const std::string& ligne : LignesModalites(s.modalites)) {
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

    return SaisieEmprunt{Texte(lignes[0]), Texte(lignes[1]), Texte(lignes[3]),  Texte(lignes[4]),
                         Texte(lignes[5]), *frequence,       VersDateStd(date), ModalitesDesLignes(lignes)};
}

std::variant<SaisieEmprunt, Erreur> LitDocument(const QString& chemin,
                                                const ConventionsLocales& conventions) {
    const FichierLu fichier = LitFichierUtilisateur(chemin, TailleMaximaleFichierAmortix);
    if (fichier.erreur)
        return *fichier.erreur;
    auto analyse = AnalyseDocument(fichier.octets, conventions);
    if (auto* raison = std::get_if<QString>(&analyse))
        return Erreur{ErreurLecture, std::move(*raison)};
    return std::get<SaisieEmprunt>(std::move(analyse));
}

} // namespace amortix
