// options.bin: any bytes give three options by the asymmetric rules, and writing them back gives
// the same options.
#include "FichierOptions.h"
#include "Verifie.h"

#include <cstdint>

using namespace amortix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* d, std::size_t taille) {
    const Options options =
        AnalyseOptions(QByteArray(reinterpret_cast<const char*>(d), static_cast<qsizetype>(taille)));
    VERIFIE(options.tegDansSorties == (taille > 0 && d[0] == '1'));
    VERIFIE(options.afficheEcranAccueil == !(taille > 1 && d[1] == '0'));
    VERIFIE(options.tegActuariel == !(taille > 2 && d[2] == '2'));
    const char ecrits[3] = {options.tegDansSorties ? '1' : '0', options.afficheEcranAccueil ? '1' : '0',
                            options.tegActuariel ? '1' : '2'};
    VERIFIE(AnalyseOptions(QByteArray(ecrits, 3)) == options);
    return 0;
}
