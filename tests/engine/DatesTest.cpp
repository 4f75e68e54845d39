#include "Dates.h"

#include "ConventionsLocales.h"

#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

// The first payment's day comes back in the long months, the month's last day stands in for it in
// the short ones (2100 is not a leap year); nothing after the year 9999.
TEST(Dates, LeJourDeLaPremiereEcheanceEtLaFinDuCalendrier) {
    using Cas = std::tuple<int, unsigned, unsigned, long long, const char*>; // first date, months after
    for (const auto& [a, m, j, mois, attendu] :
         {Cas{2007, 1, 31, 1, "28/02/2007"}, Cas{2007, 1, 31, 2, "31/03/2007"},
          Cas{2007, 12, 15, 1, "15/01/2008"}, Cas{2000, 2, 29, 1200, "28/02/2100"},
          Cas{9999, 11, 30, 1, "30/12/9999"}, Cas{9999, 12, 1, 1, "aucune"},
          Cas{2000, 1, 31, 95999, "31/12/9999"}, Cas{2000, 1, 1, 1LL << 40, "aucune"}}) {
        const auto date = DateEcheance(year{a}, month{m}, day{j}, mois);
        EXPECT_EQ(date ? FormateDateCourte(*date, ConventionsFrancaises()) : "aucune", attendu) << attendu;
    }
    // Short formats always show the year on four digits, and only the day, month and year.
    for (const auto& [motif, attendu] :
         {std::pair{"yyyy. MM. dd.", "2007. 03. 05."}, std::pair{"dddd, d/M/yyyy", "5/3/2007"},
          std::pair{"d 'de' MMM 'de' yyyy", "5 de 03 de 2007"}, std::pair{"dd''MM", "05'03"}})
        EXPECT_EQ(FormateDateCourte(2007y / March / 5, {.formatDateCourt = AnalyseFormatDate(motif)}),
                  attendu)
            << motif;
}
