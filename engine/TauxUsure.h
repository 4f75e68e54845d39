#pragma once

#include "ConventionsLocales.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace amortix {

// The categories of loans to individuals for which the Banque de France publishes a usury ceiling
// each quarter; no loan's TAEG may exceed its category's ceiling.
enum class CategorieUsure {
    ImmobilierMoinsDe10Ans,
    Immobilier10A20Ans,
    Immobilier20AnsEtPlus,
    ImmobilierTauxVariable,
    PretRelais,
    ConsommationJusqua3000,
    Consommation3000A6000,
    ConsommationPlusDe6000,
};
inline constexpr std::size_t NombreCategoriesUsure = 8;
inline constexpr std::array<CategorieUsure, NombreCategoriesUsure> CategoriesUsure = {
    CategorieUsure::ImmobilierMoinsDe10Ans,
    CategorieUsure::Immobilier10A20Ans,
    CategorieUsure::Immobilier20AnsEtPlus,
    CategorieUsure::ImmobilierTauxVariable,
    CategorieUsure::PretRelais,
    CategorieUsure::ConsommationJusqua3000,
    CategorieUsure::Consommation3000A6000,
    CategorieUsure::ConsommationPlusDe6000,
};

// Which ceilings a loan falls under: real estate by its duration, consumer credit by its amount.
enum class NatureCredit { Immobilier, Consommation };

// The ceilings of one quarter, in percent with two decimals as published (5,13 % is 5.13).
struct TableUsure {
    std::chrono::year_month_day debut; // the quarter's first day
    std::array<double, NombreCategoriesUsure> plafonds{};
    double plafond(CategorieUsure categorie) const { return plafonds[static_cast<std::size_t>(categorie)]; }
    bool operator==(const TableUsure&) const = default;
};

// The key of a category in the table's file and in amortix-cli's JSON ("immobilier-20-ans-et-plus").
std::string_view CleCategorie(CategorieUsure categorie);
// Its name as the windows show it ("immobilier, 20 ans et plus").
std::string_view LibelleCategorie(CategorieUsure categorie);

// The category of a fixed-rate loan of `montant` over `dureeMois` months, deferral included.
CategorieUsure CategorieDuPret(NatureCredit nature, double montant, std::int32_t dureeMois);

struct VerificationUsure {
    std::chrono::year_month_day trimestre; // the first day of the table's quarter
    CategorieUsure categorie{};
    double plafond = 0.0; // percent
    bool depasse = false; // the TAEG, as shown to two decimals, is above the ceiling
};
// `taeg` is a fraction (0.0491 for 4,91 %).
VerificationUsure VerifieUsure(const TableUsure& table, NatureCredit nature, double montant,
                               std::int32_t dureeMois, double taeg);

// "5,13 % (immobilier, 20 ans et plus)".
std::string DecritPlafond(const VerificationUsure& verification, const ConventionsLocales& conventions);

// "1er trimestre 2026", "3e trimestre 2026".
std::string DecritTrimestre(std::chrono::year_month_day debut);
// The day after the quarter ends.
std::chrono::year_month_day FinTrimestre(std::chrono::year_month_day debut);
// Said where ceilings are used once their quarter is over; nothing while they are in force.
std::optional<std::string> AvisTablePerimee(const TableUsure& table, std::chrono::year_month_day aujourdhui);

// The table as its file holds it: a line "trimestre=AAAA-MM-JJ" and one line "clé=pourcentage" for
// each category, with a point as decimal separator; blank lines and lines starting with "#" are
// ignored. A table is read whole or refused with the reason, in French.
using TableOuMotif = std::variant<TableUsure, std::string>;
TableOuMotif LitTableUsure(std::string_view texte);
std::string EcritTableUsure(const TableUsure& table);

// Why a quarter's ceilings cannot be kept: a ceiling outside 0–100 %, a first day that does not
// start a quarter; nothing when they can.
std::optional<std::string> MotifTableIncorrecte(const TableUsure& table);

} // namespace amortix
