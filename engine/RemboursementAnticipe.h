#pragma once

#include "CalculEmprunt.h"
#include "ConventionsLocales.h"
#include "ReglesEcheancier.h"
#include "SaisieEmprunt.h"
#include "TableauAmortissement.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace amortix {

// What the borrower keeps after repaying capital early.
enum class ChoixRemboursement {
    ReduireDuree,    // "Réduire la durée": the same instalment T, fewer payments
    ReduireEcheance, // "Réduire l'échéance": the same last payment, a new instalment T'
};

// The penalty the lender takes back on the capital repaid early.
enum class RegleIndemnite {
    CreditImmobilier,   // six months of interest on it, at most 3 % of the capital owed before
    CreditConsommation, // above 10 000: 1 % (0,5 % within a year of the end), at most the interest still due
    Aucune,
    MontantSaisi, // the amount the user typed
};

struct Indemnite {
    RegleIndemnite regle = RegleIndemnite::Aucune;
    double montantSaisi = 0.0; // only for MontantSaisi; zero or more
};

struct DemandeRemboursement {
    std::int32_t numeroEcheance = 0; // N: the capital is repaid with this payment, max(1, D) ≤ N < D + n
    std::optional<double> montant;   // X, 0 < X ≤ R_N; nothing repays all of R_N
    ChoixRemboursement choix = ChoixRemboursement::ReduireDuree;
    Indemnite indemnite;
};

// The figures of the summary, in "0.00" (the date in the short format).
struct TextesRemboursement {
    std::string restantAvant;
    std::string rembourse;
    std::string indemnite;
    std::string dateDerniere;
    std::string nouvelleEcheance;
    std::string interetsEconomises;
    std::string assuranceEconomisee;
    std::string economieNette;
    bool operator==(const TextesRemboursement&) const = default;
};

struct RemboursementAnticipe {
    double restantAvant = 0.0; // R_N, the capital owed after payment N as listed
    double rembourse = 0.0;    // X
    double indemnite = 0.0;
    // Rows N + 1 to the new last one, with the numbers and dates of the original schedule; none
    // when everything is repaid.
    std::vector<EcheanceCalculee> echeances;
    std::vector<LigneTableau> lignes; // their texts, as the schedule's list shows its rows
    std::int32_t numeroDerniere = 0;  // the new last payment; N when everything is repaid
    std::chrono::year_month_day dateDerniere;
    // Unrounded: T when the duration shrinks, T' = P' + A when the instalment does (with a premium
    // on the capital owed, the next row's amount); 0 when everything is repaid.
    double nouvelleEcheance = 0.0;
    double interetsEconomises = 0.0;  // the original rows' interest after N less the new rows'
    double assuranceEconomisee = 0.0; // A for each payment removed, or the premiums no longer charged
    double economieNette = 0.0;       // interest and insurance saved, less the penalty
    TextesRemboursement textes;
};

// The repayment, or why it is refused (a French sentence for the user).
using RemboursementOuMotif = std::variant<RemboursementAnticipe, std::string>;

// The repayment on the loan `emprunt` whose schedule CalculeTableau computed as `tableau`. Refused,
// with nothing computed, when the schedule is not complete, N is not between 1 (or the deferral's D)
// and its last row but one, X is not above 0 or is above R_N, or a typed penalty is negative.
// When the instalment shrinks, the rows after N are the schedule of R_N − X over the periods left.
// When the duration shrinks, they pay their regular amount until a row can clear what is owed,
// Round2(I + R + A), for no more than that amount as displayed, or until the last row at the latest.
RemboursementOuMotif CalculeRemboursementAnticipe(const ParametresEmprunt& emprunt,
                                                  const TableauAmortissement& tableau,
                                                  const DemandeRemboursement& demande,
                                                  const ConventionsLocales& conventions);

// The same on the loan the main window computed; refused when its schedule is not complete.
RemboursementOuMotif CalculeRemboursementAnticipe(const EmpruntCalcule& calcul,
                                                  const DemandeRemboursement& demande,
                                                  const ConventionsLocales& conventions);

// The whole schedule once repaid early with payment N, for drawing the capital owed: the original
// rows up to N, row N owing R_N − X, then the new rows.
std::vector<EcheanceCalculee> EcheancierApresRemboursement(std::span<const EcheanceCalculee> originales,
                                                           std::int32_t numeroEcheance,
                                                           const RemboursementAnticipe& remboursement);

} // namespace amortix
