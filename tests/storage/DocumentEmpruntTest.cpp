#include "DocumentEmprunt.h"

#include <gtest/gtest.h>

using namespace amortix;
using namespace Qt::StringLiterals;
using namespace std::chrono;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();

// 150 000 at 4,5 % over 240 months from 05/03/2004: nine lines, frequency third, date last.
const QByteArray debut = "150000,00\r\n240\r\n0\r\n4,50\r\n15,00\r\n500,00\r\n";
const QByteArray exemple = debut + "5\r\n3\r\n2004\r\n";
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
    // Texts in the single-byte code page; what a field shows goes back as it was.
    SaisieEmprunt euros = Exemple;
    euros.montant = "1 000 €";
    EXPECT_EQ(OctetsDocument(euros).left(9), "1 000 \x80\r\n");
    EXPECT_EQ(Lue(OctetsDocument(euros)), euros);

    // Twelve lines read as nine; a lone CR or LF ends a line; the last end is optional.
    QByteArray cr = exemple, lf = exemple;
    cr.replace("\r\n", "\r");
    lf.replace("\r\n", "\n");
    for (const QByteArray& octets : {exemple, exemple + "x\r\ny\r\nz\r\n", cr, lf, exemple.chopped(2)})
        EXPECT_EQ(Lue(octets), Exemple) << octets.data();
    // Integers read as the window does: blanks, a decimal part, halves to even.
    const auto arrondi = Lue("1\r\n2\r\n 2,5 \r\n4\r\n5\r\n6\r\n28,5\r\n2\r\n2008\r\n");
    EXPECT_EQ(arrondi.frequence, Frequence::Semestres);
    EXPECT_EQ(arrondi.premiereEcheance, 2008y / February / 28);
    // The calendar's first and last days.
    EXPECT_EQ(Lue(debut + "1\r\n1\r\n1601").premiereEcheance, 1601y / January / 1);
    EXPECT_EQ(Lue(debut + "31\r\n12\r\n9999").premiereEcheance, 9999y / December / 31);

    // Documents refused whole, each with the reason shown.
    EXPECT_EQ(Raison(""), u"le fichier est vide."_s);
    EXPECT_EQ(Raison(debut.chopped(8)), u"il compte 5 ligne(s) au lieu de neuf."_s);
    for (const char* frequence : {"\r\n7\r\n", "\r\nabc\r\n"})
        EXPECT_TRUE(Raison(QByteArray(exemple).replace("\r\n0\r\n", frequence)).contains("ligne 3"));
    for (const char* date : {"31\r\n2\r\n2004", "0\r\n1\r\n2004", "1\r\n13\r\n2004", "1\r\n1\r\n10000",
                             "1\r\n1\r\n1600", "a\r\n1\r\n2004", "29\r\n2\r\n2100"})
        EXPECT_TRUE(Raison(debut + date + "\r\n").contains("lignes 7 à 9")) << date;
}
