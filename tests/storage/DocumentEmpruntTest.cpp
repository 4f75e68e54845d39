#include "DocumentEmprunt.h"

#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();

// Lines written with | for CR LF.
QByteArray D(const char* lignes) {
    return QByteArray(lignes).replace('|', "\r\n");
}

// Nine lines, the frequency third, the date last.
const QByteArray debut = D("150000,00|240|0|4,50|15,00|500,00|");
const QByteArray exemple = debut + D("5|3|2004|");
const SaisieEmprunt Exemple{"150000,00", "240",           "4,50",           "15,00",
                            "500,00",    Frequence::Mois, 2004y / March / 5};

SaisieEmprunt Lue(const QByteArray& octets) {
    return std::get<SaisieEmprunt>(AnalyseDocument(octets, fr));
}

// Why a document is refused; empty when it is read.
QString Raison(const QByteArray& octets) {
    const auto lecture = AnalyseDocument(octets, fr);
    const QString* raison = std::get_if<QString>(&lecture);
    return raison ? *raison : QString();
}

} // namespace

TEST(DocumentEmprunt, OctetPourOctetLecturesTolereesEtRefus) {
    // The single-byte code page; a field's text goes back as it was.
    SaisieEmprunt euros = Exemple;
    euros.montant = "1 000 €";
    EXPECT_EQ(OctetsDocument(euros).left(9), "1 000 \x80\r\n");
    EXPECT_EQ(Lue(OctetsDocument(euros)), euros);

    // Lines past the ninth ignored; CR or LF alone ends a line; the last end optional.
    QByteArray cr = exemple, lf = exemple;
    cr.replace("\r\n", "\r");
    lf.replace("\r\n", "\n");
    for (const QByteArray& o : {exemple, exemple + D("x|y|z|"), cr, lf, exemple.chopped(2)})
        EXPECT_EQ(Lue(o), Exemple) << o.data();
    // Integers as the window reads them: blanks, a decimal part, halves to even.
    const auto arrondi = Lue(D("1|2| 2,5 |4|5|6|28,5|2|2008|"));
    EXPECT_EQ(arrondi.frequence, Frequence::Semestres);
    EXPECT_EQ(arrondi.premiereEcheance, 2008y / February / 28);
    // The calendar's first and last days.
    EXPECT_EQ(Lue(debut + D("1|1|1601")).premiereEcheance, 1601y / January / 1);
    EXPECT_EQ(Lue(debut + D("31|12|9999")).premiereEcheance, 9999y / December / 31);

    EXPECT_EQ(Raison(""), "le fichier est vide.");
    EXPECT_EQ(Raison(debut.chopped(8)), "il compte 5 ligne(s) au lieu de neuf.");
    for (const char* f : {"|7|", "|abc|"})
        EXPECT_EQ(Raison(QByteArray(exemple).replace(D("|0|"), D(f))).left(10), "la ligne 3") << f;
    for (const char* date :
         {"31|2|2004|", "0|1|2004|", "1|13|2004|", "1|1|10000|", "1|1|1600|", "a|1|2004|", "29|2|2100|"})
        EXPECT_EQ(Raison(debut + D(date)).left(16), "les lignes 7 à 9") << date;
}
