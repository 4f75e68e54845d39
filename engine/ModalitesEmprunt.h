#pragma once

#include "ConventionsLocales.h"
#include "Frequence.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace amortix {

// How the offer charges its borrower insurance.
enum class ModeAssurance {
    ParEcheance,        // a fixed amount in every payment, as typed in "Assurance"
    TauxCapitalInitial, // a yearly rate on the amount borrowed: the same premium in every row
    TauxCapitalRestant, // a yearly rate on the capital owed before each row: a falling premium
};

// Periods at the start in which no capital is repaid.
enum class ModeDiffere {
    Aucun,
    Partiel, // each deferred row pays the interest and the insurance
    Total,   // each deferred row pays the insurance only; the interest is added to the capital
};

// The insurance kind and the deferral as typed. The defaults are the loan the main window's fields
// describe alone, and leave every figure and document of such a loan as it was.
struct ModalitesEmprunt {
    ModeAssurance assurance = ModeAssurance::ParEcheance;
    std::string tauxAssurance; // a yearly percentage, typed as the other rates are
    ModeDiffere differe = ModeDiffere::Aucun;
    std::string periodesDiffere; // D, in periods of the loan's frequency
    // The other loans' amounts of a financing plan that smooths this one (TexteLissage); empty for a
    // loan on its own.
    std::string lissage;
    bool parDefaut() const {
        return assurance == ModeAssurance::ParEcheance && differe == ModeDiffere::Aucun && lissage.empty();
    }
    bool operator==(const ModalitesEmprunt&) const = default;
};

// The same as numbers.
struct ModalitesLues {
    ModeAssurance assurance = ModeAssurance::ParEcheance;
    double tauxAssurance = 0.0; // a fraction: 0,36 % is 0.0036
    ModeDiffere differe = ModeDiffere::Aucun;
    std::int32_t periodesDiffere = 0;
    std::vector<double> autresMontants; // S_t of a smoothed loan, t = 1 …; empty for a loan on its own
    bool parDefaut() const {
        return assurance == ModeAssurance::ParEcheance && differe == ModeDiffere::Aucun &&
               autresMontants.empty();
    }
    bool operator==(const ModalitesLues&) const = default;
};

// A yearly insurance rate above this is taken for a typing error.
inline constexpr double TauxAssuranceMaximal = 0.10;
// No deferral runs longer than this many months, whatever the frequency.
inline constexpr int MoisDiffereMaximal = 24;

// The modalities read for a loan of `duree` periods, or why they cannot apply, in French.
using ModalitesOuMotif = std::variant<ModalitesLues, std::string>;
ModalitesOuMotif LitModalites(const ModalitesEmprunt& modalites, std::int32_t duree, Frequence frequence,
                              const ConventionsLocales& conventions);

// The premium of a row, rounded to the cent: rate × capital / k.
double PrimeAssurance(double capital, double tauxAnnuel, int periodesParAn);

// The insurance rate in words, "0,36 % du capital initial" or "0,36 % du capital restant dû"; empty
// for an amount per payment.
std::string DecritAssurance(const ModalitesLues& modalites, const ConventionsLocales& conventions);
// The deferral in words, "différé partiel de 12 mois"; empty without one.
std::string DecritDiffere(const ModalitesLues& modalites, Frequence frequence);

} // namespace amortix
