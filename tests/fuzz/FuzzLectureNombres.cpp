// Number reading in a comma and a point locale: never a crash, a number read comes back from
// its own "0.00" text, and an integer is the decimal rounded.
#include "Arrondis.h"
#include "LectureNombres.h"
#include "Verifie.h"

#include <cmath>
#include <cstdint>

using namespace amortix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* d, std::size_t n) {
    const std::string_view texte(reinterpret_cast<const char*>(d), n);
    for (const ConventionsLocales& lc : {ConventionsFrancaises(), ConventionsAmericaines()}) {
        const auto valeur = LitDecimal(texte, lc);
        if (valeur) {
            VERIFIE(std::isfinite(*valeur));
            VERIFIE(std::isfinite(Round2(*valeur)));
            VERIFIE(LitDecimal(Fmt2(*valeur, lc), lc) == Fmt2Valeur(*valeur));
        }
        if (const auto entier = LitEntier(texte, lc))
            VERIFIE(valeur && std::fabs(*valeur - *entier) <= 0.5 + 1e-9 * std::fabs(*valeur));
        EstVide(texte);
    }
    return 0;
}
