#include "RenduCsv.h"

namespace amortix {
namespace {

void AjouteChamp(std::string& csv, std::string_view champ, char separateur) {
    if (champ.find_first_of(std::string{separateur, '"', '\n', '\r'}) == std::string_view::npos) {
        csv += champ;
        return;
    }
    csv += '"';
    for (const char c : champ) {
        if (c == '"')
            csv += '"';
        csv += c;
    }
    csv += '"';
}

template <typename Champs> void AjouteLigne(std::string& csv, const Champs& champs, char separateur) {
    bool premier = true;
    for (const auto& champ : champs) {
        if (!premier)
            csv += separateur;
        premier = false;
        AjouteChamp(csv, champ, separateur);
    }
    csv += '\n';
}

} // namespace

std::string RenduCsv(const std::vector<LigneTableau>& lignes, const ConventionsLocales& conventions) {
    const char separateur = conventions.separateurDecimal == "," ? ';' : ',';
    std::string csv;
    csv.reserve(80 + lignes.size() * 64);
    AjouteLigne(csv, EntetesColonnes, separateur);
    for (const LigneTableau& ligne : lignes)
        AjouteLigne(csv, ligne.textes, separateur);
    return csv;
}

} // namespace amortix
