// Number reading in a comma and a point locale: never a crash, and whatever is read as a number
// comes back from its own "0.00" text.
#include "Arrondis.h"
#include "LectureNombres.h"
#include "Verifie.h"

#include <cmath>
#include <cstdint>
#include <string_view>

using namespace amortix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
    for (const ConventionsLocales& conventions : {ConventionsFrancaises(), ConventionsAmericaines()}) {
        if (const auto valeur = LitDecimal(texte, conventions)) {
            VERIFIE(std::isfinite(*valeur));
            const std::string affiche = Fmt2(*valeur, conventions);
            const auto relu = LitDecimal(affiche, conventions);
            VERIFIE(relu.has_value());
            VERIFIE(*relu == Fmt2Valeur(*valeur));
            VERIFIE(std::isfinite(Round2(*valeur)));
        }
        if (const auto entier = LitEntier(texte, conventions)) {
            const auto decimal = LitDecimal(texte, conventions);
            VERIFIE(decimal.has_value());
            VERIFIE(std::fabs(*decimal - *entier) <= 0.5 + 1e-9 * std::fabs(*decimal));
        }
        EstVide(texte);
    }
    return 0;
}
