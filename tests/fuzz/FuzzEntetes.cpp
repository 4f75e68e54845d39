// The header store: any bytes give three texts of at most 255 characters, unpadded, that are
// stored and read back unchanged; typed texts, once cut and re-coded as stored, stay stable.
#include "StockEntetes.h"
#include "Verifie.h"

#include <cstdint>

using namespace amortix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* d, std::size_t n) {
    const QByteArray octets(reinterpret_cast<const char*>(d), qsizetype(n));
    const EnregistrementEntetes lu = AnalyseEnregistrementEntetes(octets);
    if (octets.size() < LongueurEnregistrementEntetes)
        VERIFIE(lu == EnregistrementEntetesParDefaut());
    for (const QString& texte : {lu.enteteImpression, lu.enteteExcel, lu.cheminImage}) {
        VERIFIE(texte.size() <= LongueurChampEntete);
        VERIFIE(!texte.startsWith(u' '));
        VERIFIE(!texte.endsWith(u' '));
    }
    VERIFIE(OctetsEnregistrementEntetes(lu).size() == LongueurEnregistrementEntetes);
    VERIFIE(AnalyseEnregistrementEntetes(OctetsEnregistrementEntetes(lu)) == lu);
    VERIFIE(TelQueStocke(lu) == lu);
    const QString saisi = QString::fromUtf8(octets.left(600));
    const EnregistrementEntetes tape = TelQueStocke({saisi, saisi, saisi});
    VERIFIE(TelQueStocke(tape) == tape);
    VERIFIE(AnalyseEnregistrementEntetes(OctetsEnregistrementEntetes(tape)) == tape);
    return 0;
}
