// The loan document reader: never a crash, and a document it accepts is written back to bytes
// that read as the same document.
#include "DocumentEmprunt.h"
#include "Verifie.h"

#include <cstdint>

using namespace amortix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* d, std::size_t n) {
    const QByteArray octets(reinterpret_cast<const char*>(d), qsizetype(n));
    for (const ConventionsLocales& lc : {ConventionsFrancaises(), ConventionsAmericaines()}) {
        const auto lecture = AnalyseDocument(octets, lc);
        if (const auto* document = std::get_if<SaisieEmprunt>(&lecture)) {
            VERIFIE(document->premiereEcheance.ok());
            VERIFIE(AnalyseDocument(OctetsDocument(*document), lc) == lecture);
        } else {
            VERIFIE(!std::get<QString>(lecture).isEmpty());
        }
    }
    return 0;
}
