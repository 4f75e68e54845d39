#pragma once

#include <string>
#include <vector>

namespace amortix {

// A short date pattern, broken into fields and literal text ("dd/MM/yyyy" gives Jour2, "/", Mois2,
// "/", Annee). Years are always written with four digits.
enum class ChampDate { Jour, Jour2, Mois, Mois2, Annee, Litteral };

struct ElementDate {
    ChampDate champ = ChampDate::Litteral;
    std::string texte; // only for Litteral
};

// What the user's locale decides about numbers and dates, as UTF-8 texts. The engine reads and
// writes every field text through these conventions and nothing else, so it never depends on the
// C library's locale.
struct ConventionsLocales {
    std::string separateurDecimal = ",";
    std::string separateurGroupes = "\u202f";
    std::string signeMoins = "-";
    std::vector<ElementDate> formatDateCourt = {{ChampDate::Jour2, {}},
                                                {ChampDate::Litteral, "/"},
                                                {ChampDate::Mois2, {}},
                                                {ChampDate::Litteral, "/"},
                                                {ChampDate::Annee, {}}};
};

// The conventions of a French desktop: comma, thin space grouping, dd/MM/yyyy.
inline ConventionsLocales ConventionsFrancaises() {
    return {};
}

// The conventions of an English (United States) desktop: point, comma grouping, M/d/yyyy.
inline ConventionsLocales ConventionsAmericaines() {
    return {".",
            ",",
            "-",
            {{ChampDate::Mois, {}},
             {ChampDate::Litteral, "/"},
             {ChampDate::Jour, {}},
             {ChampDate::Litteral, "/"},
             {ChampDate::Annee, {}}}};
}

// Turns a pattern made of d, dd, M, MM, yy, yyyy and literal text ('quoted' or plain) into its
// elements. Two-digit years become four-digit years; month and day names become numbers.
std::vector<ElementDate> AnalyseFormatDate(std::string_view motif);

} // namespace amortix
