#include "ConventionsLocales.h"

namespace amortix {

std::vector<ElementDate> AnalyseFormatDate(std::string_view motif) {
    std::vector<ElementDate> elements;
    // A weekday name carries nothing a schedule needs: it is left out with the separator that
    // follows it (", " in "dddd, d MMMM yyyy") or, at the end, the one before it.
    bool apresNomJour = false;
    auto ajouteTexte = [&](std::string_view texte) {
        if (texte.empty() || apresNomJour)
            return;
        if (!elements.empty() && elements.back().champ == ChampDate::Litteral)
            elements.back().texte += texte;
        else
            elements.push_back({ChampDate::Litteral, std::string(texte)});
    };

    std::size_t i = 0;
    while (i < motif.size()) {
        const char c = motif[i];
        if (c == '\'') {
            // Quoted literal; '' stands for one apostrophe.
            const std::size_t fin = motif.find('\'', i + 1);
            if (fin == i + 1) {
                ajouteTexte("'");
                i += 2;
                continue;
            }
            const std::size_t bout = fin == std::string_view::npos ? motif.size() : fin;
            ajouteTexte(motif.substr(i + 1, bout - i - 1));
            i = bout == motif.size() ? bout : bout + 1;
            continue;
        }
        if (c == 'd' || c == 'M' || c == 'y') {
            std::size_t n = 1;
            while (i + n < motif.size() && motif[i + n] == c)
                ++n;
            apresNomJour = c == 'd' && n >= 3;
            if (c == 'y')
                elements.push_back({ChampDate::Annee, {}});
            else if (apresNomJour)
                ;
            else if (c == 'd')
                elements.push_back({n == 1 ? ChampDate::Jour : ChampDate::Jour2, {}});
            else
                elements.push_back({n == 1 ? ChampDate::Mois : ChampDate::Mois2, {}});
            i += n;
            continue;
        }
        ajouteTexte(motif.substr(i, 1));
        ++i;
    }

    if (apresNomJour && !elements.empty() && elements.back().champ == ChampDate::Litteral)
        elements.pop_back();
    return elements;
}

} // namespace amortix
