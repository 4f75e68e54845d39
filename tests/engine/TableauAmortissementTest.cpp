#include "TableauAmortissement.h"

#include "Dates.h"
#include "SaisieEmprunt.h"

#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

namespace {

constexpr auto debut = 2007y / 1 / 31;
using Ligne = std::array<std::string, NombreColonnes>;
using Textes = std::vector<std::string>;

TableauAmortissement Tableau(double m, double taux, std::int32_t n, double ass = 0, double frais = 0,
                             year_month_day d = debut, Frequence f = Frequence::Mois) {
    return CalculeTableau({m, taux / 100, ass, frais, n, f, d}, ConventionsFrancaises());
}

Textes Montants(const TableauAmortissement& t) {
    Textes montants;
    for (const auto& ligne : t.lignes)
        montants.push_back(ligne[Colonne::Montant]);
    return montants;
}

auto Chiffres = [](const EcheanceCalculee& e) {
    return std::tuple(e.numero, FormateDateIso(e.date), e.montant, e.interets, e.assurance, e.capital,
                      e.restant);
};

auto Couts = [](const TableauAmortissement& t) {
    const CoutsCredit& c = t.couts.value();
    return Textes{c.total, c.interets, c.assurance, c.fraisDossier};
};

} // namespace

// 10 000 at 6 % over 12 months; the last row clears the rest.
TEST(TableauAmortissement, DixMilleASixPourCentPuisAutresFrequences) {
    auto t = Tableau(10000, 6, 12);
    EXPECT_EQ(t.lignes.at(0).textes,
              (Ligne{"1", "31/01/2007", "860,66", "50,00", "0,00", "810,66", "9189,34"}));
    EXPECT_EQ(t.lignes.at(11).textes,
              (Ligne{"12", "31/12/2007", "860,70", "4,28", "0,00", "856,42", "0,00"}));
    EXPECT_EQ(Couts(t), (Textes{"327,96", "327,96", "0,00", "0,00"}));
    // As numbers: the regular amount unrounded, the last as listed.
    t = Tableau(10000, 6, 12, 5, 100, 2007y / 1 / 15);
    const double T = t.echeanceReguliere;
    EXPECT_EQ(Chiffres(t.echeances[0]), std::tuple(1, "2007-01-15", T, 50.00, 5.0, 810.66, 9189.34));
    EXPECT_EQ(Chiffres(t.echeances[11]), std::tuple(12, "2007-12-15", 865.70, 4.28, 5.0, 856.42, 0.0));
    // 0,005 of insurance: 860,705 rounds to the even cent.
    t = Tableau(10000, 6, 12, 0.005);
    EXPECT_EQ(t.lignes[11].textes, (Ligne{"12", "31/12/2007", "860,70", "4,28", "0,01", "856,42", "0,00"}));
    // One payment is the last one.
    t = Tableau(10000, 6, 1, 5);
    ASSERT_EQ(t.lignes.size(), 1u);
    EXPECT_EQ(t.lignes[0].textes,
              (Ligne{"1", "31/01/2007", "10055,00", "50,00", "5,00", "10000,00", "0,00"}));
    EXPECT_EQ(Montants(Tableau(10000, 5, 8, 0, 0, 2008y / 8 / 31, Frequence::Trimestres)),
              Textes(8, "1321,33"));
    EXPECT_EQ(Montants(Tableau(10000, 6, 3, 0, 0, 2008y / 2 / 29, Frequence::Ans)),
              (Textes{"3741,10", "3741,10", "3741,09"}));
    t = Tableau(12000, 0, 12);
    EXPECT_EQ(Montants(t), Textes(12, "1000,00"));
    EXPECT_EQ(Couts(t), Textes(4, "0,00"));
}

// January 2000 to December 9999 is 96 000 months.
TEST(TableauAmortissement, RefusDepassementsEtFinDuCalendrier) {
    for (std::int32_t n : {0, -1, INT32_MIN}) {
        const auto t = Tableau(10000, 6, n);
        EXPECT_EQ(t.echec, CauseEchec::DureeNonPositive) << n;
        EXPECT_EQ(t.lignes.size(), 0u);
        EXPECT_FALSE(t.couts.has_value());
    }
    EXPECT_EQ(Tableau(10000, 6, INT32_MAX).echec, CauseEchec::Arithmetique);
    EXPECT_EQ(Tableau(1e308, 600, 12).echec, CauseEchec::Arithmetique);
    const auto t = Tableau(1e6, 0, INT32_MAX, 0, 0, 2000y / 1 / 31);
    EXPECT_EQ(t.echec, CauseEchec::Calendrier);
    EXPECT_FALSE(t.couts.has_value());
    EXPECT_EQ(t.lignes.size(), 96000u);
    EXPECT_EQ(t.lignes.back()[Colonne::Date], "31/12/9999");
}
