#include "Dates.h"

#include "ConventionsLocales.h"

#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

namespace {

std::string Date(int a, unsigned m, unsigned j, long long mois) {
    const auto date = DateEcheance(year{a}, month{m}, day{j}, mois);
    return date ? FormateDateCourte(*date, ConventionsFrancaises()) : "aucune";
}

} // namespace

TEST(Dates, LeJourDeLaPremiereEcheanceRevientDansLesMoisLongs) {
    EXPECT_EQ(Date(2007, 1, 31, 1), "28/02/2007");
    EXPECT_EQ(Date(2007, 1, 31, 2), "31/03/2007");
    EXPECT_EQ(Date(2007, 1, 31, 3), "30/04/2007");
    EXPECT_EQ(Date(2008, 1, 31, 1), "29/02/2008");
    EXPECT_EQ(Date(2008, 2, 29, 12), "28/02/2009");
    EXPECT_EQ(Date(2008, 2, 29, 48), "29/02/2012");
    EXPECT_EQ(Date(2008, 8, 31, 6), "28/02/2009");
    EXPECT_EQ(Date(2007, 12, 15, 1), "15/01/2008");
    EXPECT_EQ(Date(2000, 2, 29, 1200), "28/02/2100"); // 2100 is not a leap year
}

TEST(Dates, RienApresLAn9999) {
    EXPECT_EQ(Date(9999, 12, 31, 0), "31/12/9999");
    EXPECT_EQ(Date(9999, 11, 30, 1), "30/12/9999");
    EXPECT_EQ(Date(9999, 12, 1, 1), "aucune");
    EXPECT_EQ(Date(2000, 1, 31, 95999), "31/12/9999");
    EXPECT_EQ(Date(2000, 1, 31, 96000), "aucune");
    EXPECT_EQ(Date(2000, 1, 1, 1LL << 40), "aucune");
}

TEST(Dates, FormatsCourtsAQuatreChiffres) {
    const year_month_day date{year{2007}, month{3}, day{5}};
    auto avec = [&date](std::string_view motif) {
        ConventionsLocales c;
        c.formatDateCourt = AnalyseFormatDate(motif);
        return FormateDateCourte(date, c);
    };
    EXPECT_EQ(avec("dd/MM/yyyy"), "05/03/2007");
    EXPECT_EQ(avec("M/d/yy"), "3/5/2007");
    EXPECT_EQ(avec("dd.MM.yy"), "05.03.2007");
    EXPECT_EQ(avec("yyyy-MM-dd"), "2007-03-05");
    EXPECT_EQ(avec("yyyy. MM. dd."), "2007. 03. 05.");
    EXPECT_EQ(avec("d 'de' MMM 'de' yyyy"), "5 de 03 de 2007");
    EXPECT_EQ(avec("dddd, d/M/yyyy"), "5/3/2007");
    EXPECT_EQ(avec("d/M/yyyy dddd"), "5/3/2007");
    EXPECT_EQ(avec("dd''MM"), "05'03");
}
