#include "Dates.h"

#include <cstdio>

namespace amortix {

std::optional<std::chrono::year_month_day>
DateEcheance(std::chrono::year annee, std::chrono::month moisDepart, std::chrono::day jour, long long mois) {
    using namespace std::chrono;
    const long long rang =
        static_cast<long long>(static_cast<int>(annee)) * 12 + (static_cast<unsigned>(moisDepart) - 1) + mois;
    const long long anneeCible = rang >= 0 ? rang / 12 : (rang - 11) / 12;
    if (anneeCible > static_cast<int>(AnneeMaximale) || anneeCible < 1)
        return std::nullopt;
    const year_month cible{year{static_cast<int>(anneeCible)},
                           month{static_cast<unsigned>(rang - anneeCible * 12 + 1)}};
    const day dernier = year_month_day_last{cible.year(), month_day_last{cible.month()}}.day();
    return year_month_day{cible.year(), cible.month(), jour < dernier ? jour : dernier};
}

namespace {

void AjouteNombre(std::string& texte, unsigned valeur, int largeurMinimale) {
    char chiffres[8];
    int n = 0;
    do {
        chiffres[n++] = static_cast<char>('0' + valeur % 10);
        valeur /= 10;
    } while (valeur != 0 && n < 8);
    for (int i = n; i < largeurMinimale; ++i)
        texte += '0';
    while (n > 0)
        texte += chiffres[--n];
}

} // namespace

std::string FormateDateIso(const std::chrono::year_month_day& date) {
    char texte[16];
    std::snprintf(texte, sizeof texte, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return texte;
}

std::string FormateDateCourte(const std::chrono::year_month_day& date,
                              const ConventionsLocales& conventions) {
    std::string texte;
    texte.reserve(12);
    for (const ElementDate& element : conventions.formatDateCourt) {
        switch (element.champ) {
        case ChampDate::Jour:
            AjouteNombre(texte, static_cast<unsigned>(date.day()), 1);
            break;
        case ChampDate::Jour2:
            AjouteNombre(texte, static_cast<unsigned>(date.day()), 2);
            break;
        case ChampDate::Mois:
            AjouteNombre(texte, static_cast<unsigned>(date.month()), 1);
            break;
        case ChampDate::Mois2:
            AjouteNombre(texte, static_cast<unsigned>(date.month()), 2);
            break;
        case ChampDate::Annee:
            AjouteNombre(texte, static_cast<unsigned>(static_cast<int>(date.year())), 4);
            break;
        case ChampDate::Litteral:
            texte += element.texte;
            break;
        }
    }
    return texte;
}

} // namespace amortix
