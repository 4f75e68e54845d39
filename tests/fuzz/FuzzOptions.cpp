// options.bin: any bytes give three options by the asymmetric rules, and writing them back
// gives the same options.
#include "FichierOptions.h"
#include "Verifie.h"

#include <cstdint>

using namespace amortix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* d, std::size_t n) {
    const Options o = AnalyseOptions(QByteArray(reinterpret_cast<const char*>(d), qsizetype(n)));
    VERIFIE(o.tegDansSorties == (n > 0 && d[0] == '1'));
    VERIFIE(o.afficheEcranAccueil == !(n > 1 && d[1] == '0'));
    VERIFIE(o.tegActuariel == !(n > 2 && d[2] == '2'));
    const char ecrits[3] = {o.tegDansSorties ? '1' : '0', o.afficheEcranAccueil ? '1' : '0',
                            o.tegActuariel ? '1' : '2'};
    VERIFIE(AnalyseOptions(QByteArray(ecrits, 3)) == o);
    return 0;
}
