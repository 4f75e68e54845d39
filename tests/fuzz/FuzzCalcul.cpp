// The two computations from any field texts (NUL-separated): the main window's schedule and the
// missing-value search. Never a crash, and what they produce holds together.
#include "CalculEmprunt.h"
#include "CalculValeurManquante.h"
#include "LectureNombres.h"
#include "Verifie.h"

#include <cstdint>

using namespace amortix;
using namespace std::chrono;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    if (taille < 2)
        return 0;
    const Frequence frequence = Frequences[donnees[0] % Frequences.size()];
    const bool francais = donnees[1] % 2 == 0;
    const ConventionsLocales conventions = francais ? ConventionsFrancaises() : ConventionsAmericaines();
    std::array<std::string, 6> champs;
    for (std::size_t i = 2, champ = 0; i < taille && champ < champs.size(); ++i)
        if (donnees[i] == 0)
            ++champ;
        else
            champs[champ] += static_cast<char>(donnees[i]);

    // Long schedules only slow the search down; their limits are covered by the unit tests.
    const auto duree = LitEntier(champs[1], conventions);
    if (!duree || *duree <= 600) {
        const EmpruntCalcule calcul = CalculeEmprunt({champs[0], champs[1], champs[2], champs[3], champs[4],
                                                      frequence, year{2000 + donnees[1] % 50} / January / 31},
                                                     francais, conventions);
        VERIFIE(calcul.lu == calcul.parametres.has_value());
        VERIFIE(calcul.tableau.complet() == calcul.tableau.couts.has_value() || !calcul.lu);
        if (calcul.tableauComplet()) {
            VERIFIE(static_cast<std::int32_t>(calcul.tableau.lignes.size()) == *duree);
            const std::string& restant = calcul.tableau.lignes.back()[Colonne::CapitalRestant];
            VERIFIE(restant == "0,00" || restant == "0.00");
        }
        VERIFIE(calcul.reussi() == (calcul.tableauComplet() && !calcul.tegAffiche.empty()));
    }
    const auto manquante =
        CalculeValeurManquante({champs[0], champs[1], champs[2], champs[5]}, frequence, conventions);
    if (manquante.issue == IssueValeurManquante::Trouvee)
        for (const std::string& texte : manquante.champs)
            VERIFIE(!EstVide(texte));
    return 0;
}
