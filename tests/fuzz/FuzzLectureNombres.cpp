// Number reading in a comma and a point locale: never a crash, and whatever is read as a number
// comes back from its own "0.00" text; an integer is the decimal rounded.
#include "Arrondis.h"
#include "LectureNombres.h"
#include "Verifie.h"

#include <cmath>
#include <cstdint>

using namespace amortix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
    for (const ConventionsLocales& conventions : {ConventionsFrancaises(), ConventionsAmericaines()}) {
        const auto valeur = LitDecimal(texte, conventions);
        if (valeur) {
            VERIFIE(std::isfinite(*valeur) && std::isfinite(Round2(*valeur)));
            VERIFIE(LitDecimal(Fmt2(*valeur, conventions), conventions) == Fmt2Valeur(*valeur));
        }
        if (const auto entier = LitEntier(texte, conventions))
            VERIFIE(valeur && std::fabs(*valeur - *entier) <= 0.5 + 1e-9 * std::fabs(*valeur));
        EstVide(texte);
    }
    return 0;
}
