#pragma once

#include "ConventionsLocales.h"
#include "ReglesEcheancier.h"
#include "SaisieEmprunt.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace amortix {

// The columns of the schedule, in list order.
enum class Colonne { Numero, Date, Montant, Interets, Assurance, CapitalAmorti, CapitalRestant };
inline constexpr int NombreColonnes = 7;
inline constexpr std::array<Colonne, NombreColonnes> Colonnes = {
    Colonne::Numero,    Colonne::Date,          Colonne::Montant,       Colonne::Interets,
    Colonne::Assurance, Colonne::CapitalAmorti, Colonne::CapitalRestant};
// The five amounts, in list order.
inline constexpr std::array<Colonne, 5> ColonnesMontants = {
    Colonne::Montant, Colonne::Interets, Colonne::Assurance, Colonne::CapitalAmorti, Colonne::CapitalRestant};
inline constexpr std::array<std::string_view, NombreColonnes> EntetesColonnes = {
    "N°", "Date", "Montant éch.", "Intérêts", "Assurance", "Capital amorti", "Capital restant dû"};
inline std::string_view EnteteColonne(Colonne colonne) {
    return EntetesColonnes[static_cast<std::size_t>(colonne)];
}

// One row as the list shows it: the payment number, the short date and five amounts in "0.00".
struct LigneTableau {
    std::array<std::string, NombreColonnes> textes;
    std::string& operator[](Colonne colonne) { return textes[static_cast<std::size_t>(colonne)]; }
    const std::string& operator[](Colonne colonne) const { return textes[static_cast<std::size_t>(colonne)]; }
    bool operator==(const LigneTableau&) const = default;
};

// Rows as the list shows them. The regular instalment and the insurance, the same on nearly every
// row, are formatted once. The conventions are referred to, not copied: they must outlive the formatter.
class FormateurLignes {
public:
    FormateurLignes(double echeance, double assurance, const ConventionsLocales& conventions);
    void Formate(const EcheanceCalculee& echeance, LigneTableau& ligne) const;

private:
    const ConventionsLocales& conventions_;
    double echeance_;
    double assurance_;
    std::string texteEcheance_;
    std::string texteAssurance_;
};

// The four cost labels, in "0.00".
struct CoutsCredit {
    std::string total;
    std::string interets;
    std::string assurance;
    std::string fraisDossier;
    bool operator==(const CoutsCredit&) const = default;
};

enum class CauseEchec {
    Aucune,
    DureeNonPositive, // no payment can be spread over zero or fewer periods
    Arithmetique,     // a division by zero, an overflow, an undefined result
    Calendrier,       // a payment date past 31/12/9999
    Lissage,          // a smoothed row whose C − S_t does not cover its interest
};

struct TableauAmortissement {
    bool listeRemplacee = false;      // the payment was found: `lignes` replaces the rows shown before
    std::vector<LigneTableau> lignes; // the rows listed, also those before a failure
    std::optional<CoutsCredit> couts; // only once every row was listed
    double echeanceAffichee = 0.0;    // the regular instalment as displayed, Fmt2(P + A) read back
    CauseEchec echec = CauseEchec::Aucune;
    std::vector<EcheanceCalculee> echeances; // the rows listed as numbers, one for each of `lignes`
    double echeanceReguliere = 0.0;          // T = P + A, unrounded: every row's amount but the last
    // What the rows after a deferral apply. With a premium on the capital owed, the two amounts above
    // are those of the first of these rows.
    ConditionsEcheances conditions;
    // The row that stopped a smoothed loan: its number, what it would pay (C − S_t) and its interest.
    std::optional<EcheanceCalculee> lissageInsuffisant;
    bool complet() const { return echec == CauseEchec::Aucune; }
};

// The payment, the rows and the cost of the credit. The costs follow the rows: the total is what
// the listed payments add up to, minus the amount, plus the fees, so that the labels agree with the
// schedule to the cent. A deferral's D rows come first, numbered from 1; the n rows of the duration
// then repay what is owed at its end. A smoothed loan's row t pays C − S_t besides its premium
// (PalierLissage), its last row clearing what is owed.
TableauAmortissement CalculeTableau(const ParametresEmprunt& emprunt, const ConventionsLocales& conventions);

} // namespace amortix
