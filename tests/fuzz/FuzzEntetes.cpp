// The header settings store: any bytes give a record of three texts of at most 255 characters
// without spaces around them, and that record is stored and read back unchanged; texts typed in the
// dialog, cut and re-coded as the store keeps them, are stable from then on.
#include "StockEntetes.h"
#include "Verifie.h"

#include <cstdint>

using namespace amortix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const EnregistrementEntetes lu = AnalyseEnregistrementEntetes(octets);
    if (octets.size() < LongueurEnregistrementEntetes)
        VERIFIE(lu == EnregistrementEntetesParDefaut());
    for (const QString& texte : {lu.enteteImpression, lu.enteteExcel, lu.cheminImage})
        VERIFIE(texte.size() <= LongueurChampEntete && !texte.startsWith(u' ') && !texte.endsWith(u' '));
    VERIFIE(OctetsEnregistrementEntetes(lu).size() == LongueurEnregistrementEntetes);
    VERIFIE(AnalyseEnregistrementEntetes(OctetsEnregistrementEntetes(lu)) == lu && TelQueStocke(lu) == lu);
    const QString saisi = QString::fromUtf8(octets.left(600));
    const EnregistrementEntetes tape = TelQueStocke({saisi, saisi, saisi});
    VERIFIE(TelQueStocke(tape) == tape &&
            AnalyseEnregistrementEntetes(OctetsEnregistrementEntetes(tape)) == tape);
    return 0;
}
