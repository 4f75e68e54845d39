#include "Dates.h"

#include "ConventionsLocales.h"

#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

namespace {

// The payment `mois` months after `d`, in French.
std::string Apres(year_month_day d, long long mois) {
    const auto e = DateEcheance(d.year(), d.month(), d.day(), mois);
    return e ? FormateDateCourte(*e, {}) : "aucune";
}

std::string Court(const char* motif) {
    const ConventionsLocales c{.formatDateCourt = AnalyseFormatDate(motif)};
    return FormateDateCourte(2007y / March / 5, c);
}

} // namespace

// The first day returns in long months, the last stands in; nothing after 9999.
TEST(Dates, JourDEcheanceEtFinDuCalendrier) {
    EXPECT_EQ(Apres(2007y / 1 / 31, 1), "28/02/2007");
    EXPECT_EQ(Apres(2007y / 1 / 31, 2), "31/03/2007");
    EXPECT_EQ(Apres(2007y / 12 / 15, 1), "15/01/2008");
    EXPECT_EQ(Apres(2000y / 2 / 29, 1200), "28/02/2100");
    EXPECT_EQ(Apres(9999y / 11 / 30, 1), "30/12/9999");
    EXPECT_EQ(Apres(9999y / 12 / 1, 1), "aucune");
    EXPECT_EQ(Apres(2000y / 1 / 31, 95999), "31/12/9999");
    EXPECT_EQ(Apres(2000y / 1 / 1, 1LL << 40), "aucune");
    // Short formats: a four-digit year; only the day, month and year.
    EXPECT_EQ(Court("yyyy. MM. dd."), "2007. 03. 05.");
    EXPECT_EQ(Court("dddd, d/M/yyyy"), "5/3/2007");
    EXPECT_EQ(Court("d 'de' MMM 'de' yyyy"), "5 de 03 de 2007");
    EXPECT_EQ(Court("dd''MM"), "05'03");
}
