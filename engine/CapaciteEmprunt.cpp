#include "CapaciteEmprunt.h"

#include "Arrondis.h"
#include "CalculEmprunt.h"
#include "LectureNombres.h"
#include "ModalitesEmprunt.h"
#include "ReglesEcheancier.h"

#include <cmath>

namespace amortix {
namespace {

constexpr int MoisParAn = 12;
constexpr std::int32_t DureeMaximaleSaisie = 100 * MoisParAn;

long long EnCentimes(double montant) {
    return std::llround(montant * 100.0);
}

// "35 %", "33,5 %": the ratio as the user would type it.
std::string TexteRatio(double ratio, const ConventionsLocales& conventions) {
    std::string texte = FormateDecimales(ratio * 100.0, 2, conventions);
    while (texte.back() == '0')
        texte.pop_back();
    if (texte.ends_with(conventions.separateurDecimal))
        texte.resize(texte.size() - conventions.separateurDecimal.size());
    return texte + " %";
}

// A field that may be left blank for 0, but never negative.
std::optional<double> LitPositifOuNul(const std::string& texte, const ConventionsLocales& conventions) {
    if (EstVide(texte))
        return 0.0;
    const auto valeur = LitDecimal(texte, conventions);
    return valeur && *valeur >= 0.0 ? valeur : std::nullopt;
}

// The payment the schedule lists for `montant`: Fmt2(P + A), the premium on the initial capital.
long long EcheanceEnCentimes(const DemandeCapacite& d, double montant, std::int32_t dureeMois) {
    const double paiement =
        CalculePaiementEcheancier(montant, d.tauxAnnuel, MoisParAn, dureeMois).value_or(0.0);
    const double assurance =
        d.assuranceEnTaux ? PrimeAssurance(montant, d.assurance, MoisParAn) : d.assurance;
    return EnCentimes(Fmt2Valeur(paiement + assurance));
}

} // namespace

DemandeOuMotif LitSaisieCapacite(const SaisieCapacite& saisie, const ConventionsLocales& conventions) {
    DemandeCapacite d;
    bool unRevenu = false;
    for (const std::string& revenu : saisie.revenus) {
        if (EstVide(revenu))
            continue;
        const auto valeur = LitDecimal(revenu, conventions);
        if (!valeur || *valeur <= 0.0)
            return std::string("Les revenus doivent être des montants positifs.");
        d.revenus += *valeur;
        unRevenu = true;
    }
    if (!unRevenu)
        return std::string("Saisissez les revenus mensuels nets du foyer.");
    const auto charges = LitPositifOuNul(saisie.charges, conventions);
    if (!charges)
        return std::string("Les charges en cours doivent être un montant positif ou nul.");
    d.charges = *charges;
    const auto ratio = LitDecimal(saisie.ratio, conventions);
    if (!ratio || *ratio <= 0.0 || *ratio > 100.0)
        return std::string("Le taux d'endettement doit être compris entre 0 et 100 %.");
    d.ratio = *ratio / 100.0;
    const auto taux = LitDecimal(saisie.taux, conventions);
    if (!taux || *taux < 0.0 || *taux >= 100.0)
        return std::string("Le taux du prêt doit être compris entre 0 et 100 %.");
    d.tauxAnnuel = *taux == 0.0 ? 0.0 : *taux / 100.0;
    const auto duree = LitEntier(saisie.duree, conventions);
    const long long mois =
        duree ? static_cast<long long>(*duree) * (saisie.dureeEnAnnees ? MoisParAn : 1) : 0;
    if (mois < 1 || mois > DureeMaximaleSaisie)
        return std::string("La durée doit être un nombre entier, d'au plus 100 ans.");
    d.dureeMois = static_cast<std::int32_t>(mois);
    const auto assurance = LitPositifOuNul(saisie.assurance, conventions);
    d.assuranceEnTaux = saisie.assuranceEnTaux;
    if (!assurance || (d.assuranceEnTaux && *assurance > TauxAssuranceMaximal * 100.0))
        return std::string(d.assuranceEnTaux ? "Le taux d'assurance doit être compris entre 0 et 10 %."
                                             : "L'assurance doit être un montant positif ou nul.");
    d.assurance = d.assuranceEnTaux ? *assurance / 100.0 : *assurance;
    const auto frais = LitPositifOuNul(saisie.fraisDossier, conventions);
    if (!frais)
        return std::string("Les frais de dossier doivent être un montant positif ou nul.");
    d.fraisDossier = *frais;
    if (EnCentimes(BudgetMensuel(d)) <= 0)
        return "Les charges en cours dépassent déjà " + TexteRatio(d.ratio, conventions) + " des revenus";
    return d;
}

double BudgetMensuel(const DemandeCapacite& demande) {
    return Round2(demande.revenus * demande.ratio - demande.charges);
}

double MontantMaximal(const DemandeCapacite& demande, double budget, std::int32_t dureeMois) {
    const long long plafond = EnCentimes(budget);
    const auto convient = [&](long long centimes) {
        return EcheanceEnCentimes(demande, static_cast<double>(centimes) / 100.0, dureeMois) <= plafond;
    };
    if (!convient(0))
        return 0.0;
    // The payment grows with the amount, so the largest amount that fits is found by halving an
    // interval whose top does not fit: the first guess is what one euro's payment allows.
    const double parEuro =
        CalculePaiementEcheancier(1.0, demande.tauxAnnuel, MoisParAn, dureeMois).value_or(1.0) +
        (demande.assuranceEnTaux ? demande.assurance / MoisParAn : 0.0);
    long long haut = std::max(1LL, std::llround(budget / parEuro * 100.0) + 100);
    while (convient(haut))
        haut *= 2;
    long long bas = 0;
    while (haut - bas > 1) {
        const long long milieu = bas + (haut - bas) / 2;
        (convient(milieu) ? bas : haut) = milieu;
    }
    return static_cast<double>(bas) / 100.0;
}

CapaciteOuMotif CalculeCapacite(const SaisieCapacite& saisie, std::chrono::year_month_day premiereEcheance,
                                bool tegActuariel, const TableUsure& usure,
                                const ConventionsLocales& conventions) {
    auto lue = LitSaisieCapacite(saisie, conventions);
    if (auto* motif = std::get_if<std::string>(&lue))
        return std::move(*motif);
    CapaciteEmprunt c;
    c.demande = std::get<DemandeCapacite>(lue);
    const DemandeCapacite& d = c.demande;
    c.budget = BudgetMensuel(d);
    c.montant = MontantMaximal(d, c.budget, d.dureeMois);
    if (EnCentimes(c.montant) <= 0)
        return std::string("Le budget mensuel ne couvre pas même l'assurance : aucun montant ne convient.");
    for (std::size_t i = 0; i < DureesDeReference.size(); ++i)
        c.parDuree[i] = {DureesDeReference[i], MontantMaximal(d, c.budget, DureesDeReference[i] * MoisParAn)};
    c.plusDe25Ans = d.dureeMois > DureeMaximaleMois;

    // The loan itself goes through the main window's computation, so that its payment, costs and
    // TAEG are those the schedule will list.
    c.pret = SaisieEmprunt{.montant = Fmt2(c.montant, conventions),
                           .duree = std::to_string(d.dureeMois),
                           .taux = std::string(SansBlancs(saisie.taux)),
                           .assurance =
                               d.assuranceEnTaux ? std::string() : std::string(SansBlancs(saisie.assurance)),
                           .fraisDossier = std::string(SansBlancs(saisie.fraisDossier)),
                           .frequence = Frequence::Mois,
                           .premiereEcheance = premiereEcheance,
                           .modalites = {}};
    if (d.assuranceEnTaux && d.assurance > 0.0)
        c.pret.modalites = {.assurance = ModeAssurance::TauxCapitalInitial,
                            .tauxAssurance = std::string(SansBlancs(saisie.assurance)),
                            .differe = ModeDiffere::Aucun,
                            .periodesDiffere = {},
                            .lissage = {}};
    const EmpruntCalcule calcul = CalculeEmprunt(c.pret, tegActuariel, conventions);
    auto offre = CompareOffre(calcul, conventions);
    if (!offre)
        return MotifEchec(calcul);
    c.offre = std::move(*offre);
    if (c.offre.tauxTAEG)
        c.usure = VerifieUsure(usure, NatureCredit::Immobilier, c.montant, d.dureeMois, *c.offre.tauxTAEG);
    c.echeance = calcul.tableau.echeanceAffichee;
    c.tauxEndettement = (d.charges + c.echeance) / d.revenus;
    c.resteAVivre = Round2(d.revenus - d.charges - c.echeance);
    return c;
}

std::string_view LibelleCapacite(LigneCapacite ligne) {
    switch (ligne) {
    case LigneCapacite::Budget:
        return "Budget mensuel";
    case LigneCapacite::Montant:
        return "Montant empruntable";
    case LigneCapacite::Echeance:
        return "Mensualité, assurance comprise";
    case LigneCapacite::TauxEndettement:
        return "Taux d'endettement";
    case LigneCapacite::ResteAVivre:
        return "Reste à vivre";
    case LigneCapacite::CoutTotal:
        return "Coût total du crédit";
    case LigneCapacite::TAEG:
        return "TAEG";
    }
    return {};
}

std::string TexteCapacite(LigneCapacite ligne, const CapaciteEmprunt& c,
                          const ConventionsLocales& conventions) {
    switch (ligne) {
    case LigneCapacite::Budget:
        return Fmt2(c.budget, conventions);
    case LigneCapacite::Montant:
        return c.pret.montant;
    case LigneCapacite::Echeance:
        return Fmt2(c.echeance, conventions);
    case LigneCapacite::TauxEndettement:
        return FormatePourcentage(c.tauxEndettement, 2, conventions);
    case LigneCapacite::ResteAVivre:
        return Fmt2(c.resteAVivre, conventions);
    case LigneCapacite::CoutTotal:
        return c.offre.couts.total;
    case LigneCapacite::TAEG:
        return c.offre.taeg.taeg.value_or("-");
    }
    return {};
}

} // namespace amortix
