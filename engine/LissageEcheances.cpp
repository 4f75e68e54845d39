#include "LissageEcheances.h"

#include "Annuite.h"
#include "Arrondis.h"
#include "LectureNombres.h"

#include <cmath>

namespace amortix {

double PalierLissage(double montant, double tauxAnnuel, int periodesParAn, std::span<const double> autres,
                     std::int32_t duree) {
    const double v = 1.0 / (1.0 + tauxAnnuel / periodesParAn);
    double actualise = 1.0;
    double sommeAutres = 0.0;
    double sommeFacteurs = 0.0;
    for (std::int32_t t = 1; t <= duree; ++t) {
        actualise *= v;
        if (static_cast<std::size_t>(t) <= autres.size())
            sommeAutres += autres[static_cast<std::size_t>(t) - 1] * actualise;
        sommeFacteurs += actualise;
    }
    return Round2((montant + sommeAutres) / sommeFacteurs);
}

std::string TexteLissage(std::span<const double> autres, const ConventionsLocales& conventions) {
    std::size_t fin = autres.size();
    while (fin > 0 && std::llround(autres[fin - 1] * 100.0) == 0)
        --fin;
    std::string texte;
    for (std::size_t i = 0; i < fin;) {
        const long long centimes = std::llround(autres[i] * 100.0);
        std::size_t j = i + 1;
        while (j < fin && std::llround(autres[j] * 100.0) == centimes)
            ++j;
        if (!texte.empty())
            texte += ';';
        texte += Fmt2(static_cast<double>(centimes) / 100.0, conventions);
        if (j - i > 1)
            texte += '*' + std::to_string(j - i);
        i = j;
    }
    return texte;
}

std::optional<std::vector<double>> LitLissage(const std::string& texte,
                                              const ConventionsLocales& conventions) {
    std::vector<double> autres;
    std::size_t debut = 0;
    while (debut <= texte.size()) {
        std::size_t fin = texte.find(';', debut);
        if (fin == std::string::npos)
            fin = texte.size();
        const std::string element = texte.substr(debut, fin - debut);
        const std::size_t etoile = element.find('*');
        const auto montant = LitDecimal(element.substr(0, etoile), conventions);
        std::optional<int> nombre = 1;
        if (etoile != std::string::npos)
            nombre = LitEntier(element.substr(etoile + 1), conventions);
        if (!montant || !(*montant >= 0.0) || !EstFini(*montant) || !nombre || *nombre < 1 ||
            static_cast<std::size_t>(*nombre) > PeriodesLissageMaximales - autres.size())
            return std::nullopt;
        autres.insert(autres.end(), static_cast<std::size_t>(*nombre), *montant);
        debut = fin + 1;
    }
    return autres;
}

} // namespace amortix
