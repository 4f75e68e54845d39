#include "Frequence.h"

namespace amortix {

std::optional<Frequence> FrequenceDeLIndex(int index) {
    static constexpr std::array<Frequence, 4> frequences = {{{12, 1}, {4, 3}, {2, 6}, {1, 12}}};
    if (index < 0 || index >= static_cast<int>(frequences.size()))
        return std::nullopt;
    return frequences[index];
}

int RetourneTypeEcheance(int index) {
    const auto frequence = FrequenceDeLIndex(index);
    return frequence ? frequence->periodesParAn : 0;
}

} // namespace amortix
