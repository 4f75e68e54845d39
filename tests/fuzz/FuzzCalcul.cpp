// The schedule and the missing-value search from any fields (NUL-separated): never a crash,
// and what they produce holds together.
#include "CalculEmprunt.h"
#include "CalculValeurManquante.h"
#include "LectureNombres.h"
#include "Verifie.h"

#include <cstdint>

using namespace amortix;
using namespace std::chrono;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* d, std::size_t n) {
    if (n < 2)
        return 0;
    const Frequence frequence = Frequences[d[0] % Frequences.size()];
    const bool francais = d[1] % 2 == 0;
    const ConventionsLocales lc = francais ? ConventionsFrancaises() : ConventionsAmericaines();
    std::array<std::string, 6> c;
    for (std::size_t i = 2, champ = 0; i < n && champ < c.size(); ++i)
        if (d[i] == 0)
            ++champ;
        else
            c[champ] += static_cast<char>(d[i]);

    // Long schedules only slow the search down; the unit tests cover their limits.
    const auto duree = LitEntier(c[1], lc);
    if (!duree || *duree <= 600) {
        const auto date = year{2000 + d[1] % 50} / January / 31;
        const auto calcul = CalculeEmprunt({c[0], c[1], c[2], c[3], c[4], frequence, date}, francais, lc);
        VERIFIE(calcul.lu == calcul.parametres.has_value());
        VERIFIE(calcul.tableau.complet() == calcul.tableau.couts.has_value() || !calcul.lu);
        if (calcul.tableauComplet()) {
            VERIFIE(static_cast<std::int32_t>(calcul.tableau.lignes.size()) == *duree);
            const std::string& restant = calcul.tableau.lignes.back()[Colonne::CapitalRestant];
            VERIFIE(restant == "0,00" || restant == "0.00");
        }
        VERIFIE(calcul.reussi() == (calcul.tableauComplet() && !calcul.tegAffiche.empty()));
    }
    const auto manquante = CalculeValeurManquante({c[0], c[1], c[2], c[5]}, frequence, lc);
    if (manquante.issue == IssueValeurManquante::Trouvee)
        for (const std::string& texte : manquante.champs)
            VERIFIE(!EstVide(texte));
    return 0;
}
