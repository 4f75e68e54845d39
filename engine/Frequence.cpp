#include "Frequence.h"

namespace amortix {
namespace {

struct Proprietes {
    int periodesParAn;
    int moisParPeriode;
    std::string_view libelle;
    std::string_view motClasseur;
};

constexpr std::array<Proprietes, 4> Table = {{
    {12, 1, "mois", "mois"},
    {4, 3, "trimestres", "trimestres"},
    {2, 6, "semestres", "semestres"},
    {1, 12, "ans", "années"},
}};

const Proprietes& De(Frequence frequence) {
    return Table[static_cast<std::size_t>(frequence)];
}

} // namespace

int PeriodesParAn(Frequence frequence) {
    return De(frequence).periodesParAn;
}
int MoisParPeriode(Frequence frequence) {
    return De(frequence).moisParPeriode;
}
std::string_view LibelleEcheance(Frequence frequence) {
    return De(frequence).libelle;
}
std::string_view MotClasseur(Frequence frequence) {
    return De(frequence).motClasseur;
}
int IndexDe(Frequence frequence) {
    return static_cast<int>(frequence);
}

std::optional<Frequence> FrequenceDeLIndex(int index) {
    if (index < 0 || index >= static_cast<int>(Frequences.size()))
        return std::nullopt;
    return Frequences[static_cast<std::size_t>(index)];
}

} // namespace amortix
