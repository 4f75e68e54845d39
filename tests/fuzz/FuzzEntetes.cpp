// The header settings store: any bytes give a record of three texts of at most 255 characters
// without spaces around them, and that record is stored and read back unchanged.
#include "StockEntetes.h"
#include "Verifie.h"

#include <QByteArray>
#include <cstdint>

using namespace amortix;

namespace {

bool Propre(const QString& texte) {
    return texte.size() <= LongueurChampEntete && !texte.startsWith(QLatin1Char(' ')) &&
           !texte.endsWith(QLatin1Char(' '));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const EnregistrementEntetes lu = AnalyseEnregistrementEntetes(octets);
    if (octets.size() < LongueurEnregistrementEntetes)
        VERIFIE(lu == EnregistrementEntetesParDefaut());
    VERIFIE(Propre(lu.enteteImpression) && Propre(lu.enteteExcel) && Propre(lu.cheminImage));
    const QByteArray stocke = OctetsEnregistrementEntetes(lu);
    VERIFIE(stocke.size() == LongueurEnregistrementEntetes);
    VERIFIE(AnalyseEnregistrementEntetes(stocke) == lu);
    VERIFIE(TelQueStocke(lu) == lu);
    // Texts typed in the dialog, cut and re-coded as the store keeps them, are stable from then on.
    const QString saisi = QString::fromUtf8(octets.left(600));
    const EnregistrementEntetes tape = TelQueStocke({saisi, saisi, saisi});
    VERIFIE(TelQueStocke(tape) == tape);
    VERIFIE(AnalyseEnregistrementEntetes(OctetsEnregistrementEntetes(tape)) == tape);
    return 0;
}
