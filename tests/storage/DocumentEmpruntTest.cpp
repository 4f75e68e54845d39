#include "DocumentEmprunt.h"

#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();

// 150 000 at 4,5 % over 240 months from 05/03/2004, 15 of insurance, 500 of fees: nine lines, the
// frequency's index third, the day, month and year last.
const QByteArray exemple = "150000,00\r\n240\r\n0\r\n4,50\r\n15,00\r\n500,00\r\n5\r\n3\r\n2004\r\n";
const SaisieEmprunt Exemple{"150000,00", "240",           "4,50",           "15,00",
                            "500,00",    Frequence::Mois, 2004y / March / 5};
const QByteArray avantLaDate = exemple.left(exemple.indexOf("5\r\n3\r\n")); // the first six lines

QString Raison(const QByteArray& octets) {
    const auto lecture = AnalyseDocument(octets, fr);
    return std::holds_alternative<QString>(lecture) ? std::get<QString>(lecture) : QString();
}

} // namespace

TEST(DocumentEmprunt, OctetPourOctetLecturesTolereesEtRefus) {
    // Texts in the single-byte code page (the example's bytes are the window's save); what a field
    // shows goes back as it was.
    SaisieEmprunt accents = Exemple;
    accents.montant = "1 000 €";
    EXPECT_TRUE(OctetsDocument(accents).startsWith("1 000 \x80\r\n"));
    EXPECT_EQ(std::get<SaisieEmprunt>(AnalyseDocument(OctetsDocument(accents), fr)), accents);

    // Twelve lines read as the first nine; a lone CR or LF ends a line too; the last line end is optional.
    for (const QByteArray& octets :
         {exemple, exemple + "x\r\ny\r\nz\r\n", QByteArray(exemple).replace("\r\n", "\r"),
          QByteArray(exemple).replace("\r\n", "\n"), exemple.chopped(2)})
        EXPECT_EQ(std::get<SaisieEmprunt>(AnalyseDocument(octets, fr)), Exemple) << octets.toStdString();
    // Integers read as the window reads them: blanks, a decimal part, halves to even.
    const auto arrondi = std::get<SaisieEmprunt>(
        AnalyseDocument("1\r\n2\r\n 2,5 \r\n4\r\n5\r\n6\r\n28,5\r\n2\r\n2008\r\n", fr));
    EXPECT_EQ(std::tuple(arrondi.frequence, arrondi.premiereEcheance),
              std::tuple(Frequence::Semestres, 2008y / February / 28));
    // The calendar's first and last days.
    for (const auto& [jourMoisAnnee, date] :
         {std::pair{"1\r\n1\r\n1601", 1601y / January / 1}, {"31\r\n12\r\n9999", 9999y / December / 31}})
        EXPECT_EQ(std::get<SaisieEmprunt>(AnalyseDocument(avantLaDate + jourMoisAnnee, fr)).premiereEcheance,
                  date);

    // Documents refused whole, each with the reason shown.
    EXPECT_EQ(Raison(""), QStringLiteral("le fichier est vide."));
    EXPECT_EQ(Raison("150000,00\r\n240\r\n0\r\n4,50\r\n15,00\r\n"), "il compte 5 ligne(s) au lieu de neuf.");
    for (const char* frequence : {"7", "abc"})
        EXPECT_TRUE(Raison(QByteArray(exemple).replace("\r\n0\r\n", QByteArray("\r\n") + frequence + "\r\n"))
                        .contains(QStringLiteral("ligne 3")));
    for (const char* date : {"31\r\n2\r\n2004", "0\r\n1\r\n2004", "1\r\n13\r\n2004", "1\r\n1\r\n10000",
                             "1\r\n1\r\n1600", "a\r\n1\r\n2004", "29\r\n2\r\n2100"})
        EXPECT_TRUE(Raison(avantLaDate + date + "\r\n").contains(QStringLiteral("lignes 7 à 9"))) << date;
}
