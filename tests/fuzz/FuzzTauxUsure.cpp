// taux-usure.txt: any bytes give a whole table or a reason; a table read is one that can be
// kept, and writing it back reads the same table.
#include "TauxUsure.h"
#include "Verifie.h"

#include <cstdint>

using namespace amortix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* d, std::size_t n) {
    const auto lue = LitTableUsure(std::string_view(reinterpret_cast<const char*>(d), n));
    if (const auto* table = std::get_if<TableUsure>(&lue)) {
        VERIFIE(!MotifTableIncorrecte(*table));
        VERIFIE(LitTableUsure(EcritTableUsure(*table)) == lue);
    } else {
        VERIFIE(!std::get<std::string>(lue).empty());
    }
    return 0;
}
