#include "RenduTexte.h"

#include "Arrondis.h"
#include "Frequence.h"
#include "MessagesSaisie.h"
#include "ResumeRemboursement.h"

#include <algorithm>
#include <array>
#include <vector>

namespace amortix {
namespace {

// Width on a terminal: one column per character, whatever its UTF-8 length.
std::size_t Largeur(std::string_view texte) {
    return static_cast<std::size_t>(std::count_if(
        texte.begin(), texte.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

void AjouteCadre(std::string& texte, std::string_view valeur, std::size_t largeur, bool aDroite) {
    const std::string marge(largeur > Largeur(valeur) ? largeur - Largeur(valeur) : 0, ' ');
    if (aDroite)
        texte += marge;
    texte += valeur;
    if (!aDroite)
        texte += marge;
}

// "Libellé :    valeur" lines, the values aligned.
void AjouteLignes(std::string& texte, std::span<const std::pair<std::string_view, std::string>> lignes) {
    std::size_t largeur = 0;
    for (const auto& [libelle, valeur] : lignes)
        largeur = std::max(largeur, Largeur(libelle));
    for (const auto& [libelle, valeur] : lignes) {
        AjouteCadre(texte, libelle, largeur + 1, false);
        texte += valeur;
        texte += '\n';
    }
}
void AjouteLignes(std::string& texte,
                  std::initializer_list<std::pair<std::string_view, std::string>> lignes) {
    AjouteLignes(texte, std::span(lignes.begin(), lignes.size()));
}

// The rows under the list's headings: the number on the left, every other column on the right, as
// the list shows them.
void AjouteTableau(std::string& texte, std::span<const LigneTableau> lignes) {
    std::array<std::size_t, NombreColonnes> largeurs{};
    for (std::size_t j = 0; j < largeurs.size(); ++j)
        largeurs[j] = Largeur(EntetesColonnes[j]);
    for (const LigneTableau& ligne : lignes)
        for (std::size_t j = 0; j < largeurs.size(); ++j)
            largeurs[j] = std::max(largeurs[j], Largeur(ligne.textes[j]));
    const auto ajouteLigne = [&](const auto& cellules) {
        for (std::size_t j = 0; j < largeurs.size(); ++j) {
            texte += j == 0 ? "" : "  ";
            AjouteCadre(texte, cellules[j], largeurs[j], j > 0);
        }
        texte += '\n';
    };
    ajouteLigne(EntetesColonnes);
    for (const LigneTableau& ligne : lignes)
        ajouteLigne(ligne.textes);
}

} // namespace

std::string RenduTexteEcheancier(const EmpruntCalcule& calcul, const std::string& premiereEcheance) {
    const SaisieEmprunt& c = calcul.champs;
    std::string taux = c.taux + " %";
    if (!calcul.tegAffiche.empty())
        taux += "  (TEG = " + calcul.tegAffiche + ")";
    std::string texte;
    std::vector<std::pair<std::string_view, std::string>> champs = {
        {"Montant du crédit :", c.montant},
        {"Amortissement :", c.duree + " " + std::string(LibelleEcheance(c.frequence))},
        {"Première échéance :", premiereEcheance},
        {"Taux d'intérêt annuel :", taux},
        {"Assurance (fixe par éch.) :", c.assurance},
        {"Frais de dossier :", c.fraisDossier}};
    // An insurance rate or a deferral, only for the loans that have one.
    const ModalitesEmprunt& m = c.modalites;
    if (m.assurance == ModeAssurance::TauxCapitalInitial)
        champs.emplace_back("Taux d'assurance :", m.tauxAssurance + " % par an du capital initial");
    else if (m.assurance == ModeAssurance::TauxCapitalRestant)
        champs.emplace_back("Taux d'assurance :", m.tauxAssurance + " % par an du capital restant dû");
    if (m.differe != ModeDiffere::Aucun)
        champs.emplace_back("Différé :",
                            std::string(m.differe == ModeDiffere::Partiel ? "partiel" : "total") + ", " +
                                m.periodesDiffere + " " + std::string(LibelleEcheance(c.frequence)));
    AjouteLignes(texte, champs);

    if (!calcul.tableau.lignes.empty()) {
        texte += "\nTableau d'amortissement\n";
        AjouteTableau(texte, calcul.tableau.lignes);
    }
    if (const auto& couts = calcul.tableau.couts) {
        texte += "\nCoût total du crédit : " + couts->total + "\n";
        AjouteLignes(texte, {{"  Intérêts :", couts->interets},
                             {"  Assurance :", couts->assurance},
                             {"  Frais de dossier :", couts->fraisDossier}});
    }
    if (const auto& teg = calcul.textesTEG) {
        texte += '\n';
        AjouteLignes(texte, {{"TEG de période :", teg->periode},
                             {"TEG proportionnel :", teg->proportionnel},
                             {"TEG actuariel :", teg->actuariel}});
    }
    return texte;
}

std::string RenduTexteValeurManquante(const RechercheValeurManquante& resultat, Frequence frequence) {
    std::string texte;
    AjouteLignes(texte,
                 {{"Montant du crédit :", resultat.champs[0]},
                  {"Amortissement :", resultat.champs[1] + " " + std::string(LibelleEcheance(frequence))},
                  {"Taux d'intérêt annuel :", resultat.champs[2] + " %"},
                  {"Montant échéance :", resultat.champs[3]}});
    if (resultat.issue == IssueValeurManquante::Trouvee && resultat.message) {
        std::string message = *resultat.message;
        std::erase(message, '\r');
        texte += "\n" + message + "\n";
    }
    return texte;
}

namespace {

// "Taux d'usure : 5,13 % (immobilier, 20 ans et plus)", and whether the TAEG is above it.
std::string TexteUsure(const VerificationUsure& usure, const ConventionsLocales& conventions) {
    return DecritPlafond(usure, conventions) + (usure.depasse ? ", TAEG au-dessus du taux d'usure" : "");
}

} // namespace

std::string RenduTexteComparaison(std::span<const OffreNommee> offres,
                                  const ConventionsLocales& conventions) {
    // Each column as wide as its longest text; a failed offer shows its reason on its first line.
    std::vector<std::vector<std::string>> colonnes;
    std::size_t largeurLibelles = 0;
    for (const LigneComparaison ligne : LignesComparaison)
        largeurLibelles = std::max(largeurLibelles, Largeur(LibelleLigne(ligne)));
    for (const OffreNommee& offre : offres) {
        std::vector<std::string>& colonne = colonnes.emplace_back();
        colonne.push_back(offre.nom);
        for (const LigneComparaison ligne : LignesComparaison)
            colonne.push_back(offre.offre ? TexteLigne(ligne, *offre.offre).value_or("-") : "-");
        if (!offre.offre)
            colonne[1] = "échec";
    }
    std::string texte;
    for (std::size_t i = 0; i <= LignesComparaison.size(); ++i) {
        AjouteCadre(texte, i == 0 ? std::string_view() : LibelleLigne(LignesComparaison[i - 1]),
                    largeurLibelles + 2, false);
        for (const auto& colonne : colonnes) {
            std::size_t largeur = 0;
            for (const std::string& cellule : colonne)
                largeur = std::max(largeur, Largeur(cellule));
            AjouteCadre(texte, colonne[i], largeur + 2, true);
        }
        texte += '\n';
    }
    for (const OffreNommee& offre : offres)
        if (!offre.offre)
            texte += offre.nom + " : " + offre.erreur + "\n";
    const MeilleuresOffres meilleures = TrouveMeilleuresOffres(offres);
    if (meilleures.moinsChere)
        texte += "Coût total le plus bas : " + offres[*meilleures.moinsChere].nom + "\n";
    if (meilleures.plusPetitTAEG)
        texte += "TAEG le plus bas : " + offres[*meilleures.plusPetitTAEG].nom + "\n";
    for (const OffreNommee& offre : offres)
        if (offre.usure)
            texte += "Taux d'usure (" + offre.nom + ") : " + TexteUsure(*offre.usure, conventions) + "\n";
    return texte;
}

std::string RenduTexteCapacite(const CapaciteEmprunt& c, const ConventionsLocales& conventions) {
    // Captions with their colon, as the window shows them; then one line per reference duration.
    std::vector<std::string> libelles;
    std::vector<std::string> valeurs;
    for (const LigneCapacite ligne : LignesCapacite) {
        libelles.push_back(std::string(LibelleCapacite(ligne)) + " :");
        valeurs.push_back(TexteCapacite(ligne, c, conventions));
    }
    if (c.usure) {
        libelles.emplace_back("Taux d'usure :");
        valeurs.push_back(TexteUsure(*c.usure, conventions));
    }
    const std::size_t figures = libelles.size();
    for (const MontantParDuree& d : c.parDuree) {
        libelles.push_back(std::to_string(d.annees) + " ans :");
        valeurs.push_back(Fmt2(d.montant, conventions));
    }
    std::vector<std::pair<std::string_view, std::string>> lignes(libelles.size());
    for (std::size_t i = 0; i < lignes.size(); ++i)
        lignes[i] = {libelles[i], valeurs[i]};
    std::string texte;
    AjouteLignes(texte, std::span(lignes).first(figures));
    if (c.plusDe25Ans)
        texte += std::string(AvisPlusDe25Ans) + "\n";
    texte += "\nMontant empruntable selon la durée\n";
    AjouteLignes(texte, std::span(lignes).subspan(figures));
    return texte;
}

std::string RenduTextePlan(const PlanFinancement& plan, const ConventionsLocales& conventions) {
    std::string texte;
    AjouteLignes(texte, {{"Palier hors assurance :", Fmt2(plan.palier, conventions)},
                         {"Palier assurance comprise :", Fmt2(plan.palierAvecAssurance, conventions)},
                         {"Coût total du plan :", plan.coutTotal.total},
                         {"TAEG du plan :", plan.taeg.value_or("-")}});
    texte += "\n";
    for (const CoutsPret& c : plan.couts)
        texte += c.nom + " : intérêts " + c.couts.interets + ", assurance " + c.couts.assurance + ", frais " +
                 c.couts.fraisDossier + ", coût " + c.couts.total + "\n";
    // N°, date, each loan's amount and the total, the amounts on the right as the list has them.
    std::vector<std::vector<std::string>> rangees;
    std::vector<std::string> entete = {"N°", "Date"};
    for (const PretDuPlan& pret : plan.prets)
        entete.push_back(pret.nom);
    entete.emplace_back("Total");
    rangees.push_back(std::move(entete));
    for (const PeriodePlan& periode : plan.periodes) {
        std::vector<std::string> rangee = {std::to_string(periode.numero), periode.date};
        rangee.insert(rangee.end(), periode.montants.begin(), periode.montants.end());
        rangee.push_back(periode.total);
        rangees.push_back(std::move(rangee));
    }
    std::vector<std::size_t> largeurs(rangees.front().size(), 0);
    for (const auto& rangee : rangees)
        for (std::size_t j = 0; j < rangee.size(); ++j)
            largeurs[j] = std::max(largeurs[j], Largeur(rangee[j]));
    texte += "\n";
    for (const auto& rangee : rangees) {
        for (std::size_t j = 0; j < rangee.size(); ++j) {
            texte += j == 0 ? "" : "  ";
            AjouteCadre(texte, rangee[j], largeurs[j], j > 0);
        }
        texte += '\n';
    }
    return texte;
}

std::string RenduTexteRemboursement(const RemboursementAnticipe& r) {
    std::string texte;
    const std::array<std::string, 8> valeurs = ValeursResumeRemboursement(r);
    std::array<std::pair<std::string_view, std::string>, 8> lignes;
    for (std::size_t i = 0; i < lignes.size(); ++i)
        lignes[i] = {LibellesResumeRemboursement[i], valeurs[i]};
    AjouteLignes(texte, lignes);
    if (!r.lignes.empty()) {
        texte += "\nNouveau tableau d'amortissement\n";
        AjouteTableau(texte, r.lignes);
    }
    return texte;
}

} // namespace amortix
