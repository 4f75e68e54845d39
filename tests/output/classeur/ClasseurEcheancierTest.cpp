#include "ClasseurEcheancier.h"

#include "CalculEmprunt.h"
#include "ContenuEcheancier.h"
#include "DossiersClasseur.h"
#include "LectureClasseur.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <clocale>
#include <cstdio>
#include <gtest/gtest.h>
#include <locale.h>
#include <utime.h>

using namespace amortix;
using namespace std::chrono;

namespace {

const QString EnteteDefaut =
    QStringLiteral("Tableau Excel réalisé avec Amortix - https://amortix.example.org");
const ConventionsLocales fr = ConventionsFrancaises();

// The worked example: 10 000 at 6 % over 12 months from 31/01/2007, here with 10 of insurance per
// payment and 150 of fees. Payments of 860,66 + 10, the last 860,70 + 10; interest 327,96.
const EmpruntCalcule exemple =
    CalculeEmprunt({"10000", "12", "6", "10", "150,00", Frequence::Mois, 2007y / January / 31}, true, fr);

struct Classeur {
    QTemporaryDir dossier;
    QString chemin = dossier.filePath(QStringLiteral("export.xlsx"));
    std::optional<EchecClasseur> echec;
    QJsonObject lu, cellules;
    Classeur(const ContenuEcheancier& contenu, bool teg, const ConventionsLocales& conventions = fr)
        : echec(EcritClasseur(contenu, EnteteDefaut, teg, conventions, chemin)) {
        if (!echec)
            lu = LitClasseur(chemin);
        EXPECT_TRUE(echec || !lu.isEmpty());
        cellules = lu["cellules"].toObject();
    }
    QString cellule(const QString& nom) const { return DecritCellule(cellules[nom].toObject()); }
    QJsonValue valeur(const QString& nom) const { return cellules[nom].toObject()["valeur"]; }
};

// Every schedule row against the list: A and B the list's texts, C to G its amounts as numbers (read with a
// point as decimal separator), right-aligned, in a thin frame with column lines and hairlines between rows;
// nothing below. Then what never changes: merges, widths, heading row, printed titles, sheet name, font.
void VerifieEcheancierEtMiseEnPage(const Classeur& c, const EmpruntCalcule& calcul, const char* separateur) {
    const auto& lignes = calcul.tableau.lignes;
    const int n = static_cast<int>(lignes.size());
    for (int i = 0; i < n; ++i) {
        const QLatin1String haut(i == 0 ? "fin" : "cheveu"), bas(i == n - 1 ? "fin" : "cheveu");
        const QString traits = n == 1 ? "cadre fin" : QStringLiteral("traits fin/%1/%2/fin").arg(haut, bas);
        for (int j = 0; j < 7; ++j) {
            const QString nom = QChar(u'A' + j) + QString::number(i + 11);
            QString texte = QString::fromStdString(
                lignes[static_cast<std::size_t>(i)].textes[static_cast<std::size_t>(j)]);
            const QString attendu =
                j == 0 ? QStringLiteral("«%1» | Arial 10 | droite/- | %2").arg(texte, traits)
                : j == 1
                    ? QStringLiteral("«%1» | Arial 10 | droite/- | apostrophe | %2").arg(texte, traits)
                    : QStringLiteral("%1 | #,##0.00 | Arial 10 | droite/- | %2")
                          .arg(QString::number(
                                   texte.replace(QLatin1String(separateur), QLatin1String(".")).toDouble(),
                                   'g', 15),
                               traits);
            EXPECT_EQ(c.cellule(nom), attendu) << nom.toStdString();
        }
    }
    const QJsonObject& lu = c.lu;
    EXPECT_EQ(std::tuple(lu["derniereLigne"].toInt(), lu["feuilles"].toArray(), lu["fusions"].toArray()),
              std::tuple(n + 10, QJsonArray{"Amortix"}, QJsonArray{"A1:G1", "A9:G9", "F3:G3"}));
    // A width of w characters is p = round(w × 7) + 5 pixels, stored as trunc(p / 7 × 256) / 256, for
    // a font whose digits are 7 pixels wide: 4, 10.5 (a date's ten characters), 11 (100 000,00), 12.5
    // ("Assurance" and the TEG text), 12 (the cost labels) and 14.
    const QJsonObject largeurs{{"A", 4.7109375},   {"B", 11.28515625}, {"D", 11.7109375},
                               {"E", 13.28515625}, {"F", 12.7109375},  {"G", 14.7109375}};
    EXPECT_EQ(lu["largeurs"].toObject(), largeurs);
    EXPECT_EQ(lu["lignes"].toObject()["10"].toObject(),
              (QJsonObject{{"hauteur", 28.5}, {"style", "Arial 10 gras | -/centre renvoi"}}));
    // Rows of Arial 10, 12.75 points: about 55 to a printed page.
    EXPECT_EQ(lu["hauteurParDefaut"].toDouble(), 12.75);
    EXPECT_EQ(lu["titresLignes"].toString(), "$10:$10");
    EXPECT_TRUE(lu["titresColonnes"].isNull());
    EXPECT_EQ(lu["policeParDefaut"].toString(), "Arial");
    EXPECT_FALSE(lu["stylesXml"].toString().contains("Calibri"));
}

} // namespace

// Every cell above the schedule, exactly: any other cell there is a fault.
TEST(ClasseurEcheancier, ExempleEnFrancaisAvecLeTEG) {
    ASSERT_TRUE(exemple.tableauComplet());
    ASSERT_TRUE(exemple.tegAffiche.ends_with(" %")) << exemple.tegAffiche;
    const Classeur c(ContenuDuCalcul(exemple), true);
    ASSERT_FALSE(c.echec) << c.echec->erreur.description.toStdString();
    std::map<QString, QString> attendues = {
        {"A1", "«" + EnteteDefaut + "» | Arial 10 gras italique | centre/-"},
        {"E5", "« TEG: " + QString::fromStdString(exemple.tegAffiche) + "» | Arial 8 | -/centre"},
        {"F3", "«Coût du crédit» | Arial 10 souligné | centre/-"},
        {"G7", "597.96 | #,##0.00 | Arial 10 gras"},
        {"A9", "«TABLEAU D'AMORTISSEMENT» | Arial 10 gras | centre/-"}};
    // Each label right-aligned, its value in bold beside it.
    for (const auto& [libelle, valeur, texte, nombre] :
         {std::tuple{"C3", "D3", "Montant du crédit :", "10000 | #,##0.00"},
          {"C4", "D4", "Amortissement (en mois) :", "12 | 0"},
          {"C5", "D5", "Taux d'intérêt :", "0.06 | 0.00%"},
          {"C6", "D6", "Assurance (fixe par éch.) :", "10 | #,##0.00"},
          {"C7", "D7", "Frais de dossier :", "150 | #,##0.00"},
          {"F4", "G4", "Intérêts :", "327.96 | #,##0.00"},
          {"F5", "G5", "Assurance :", "120 | #,##0.00"},
          {"F6", "G6", "Frais de dossier :", "150 | #,##0.00"}}) {
        attendues[libelle] = QStringLiteral("«%1» | Arial 10 | droite/-").arg(QString::fromUtf8(texte));
        attendues[valeur] = QStringLiteral("%1 | Arial 10 gras").arg(QLatin1String(nombre));
    }
    attendues["G6"] += QStringLiteral(" | traits -/-/fin/-"); // the rule above the total
    const char* entetes[] = {"N°",        "Date",           "Montant échéance",  "Intérêts",
                             "Assurance", "Capital amorti", "Capital restant dû"};
    for (int j = 0; j < 7; ++j)
        attendues[QChar(u'A' + j) + QStringLiteral("10")] =
            QStringLiteral("«%1» | Arial 10 gras | centre/centre renvoi | cadre fin")
                .arg(QString::fromUtf8(entetes[j]));
    for (const QString& nom : c.cellules.keys())
        EXPECT_TRUE(nom.mid(1).toInt() > 10 || attendues.count(nom)) << "en trop : " << nom.toStdString();
    for (const auto& [nom, attendu] : attendues)
        EXPECT_EQ(c.cellule(nom), attendu) << nom.toStdString();
    VerifieEcheancierEtMiseEnPage(c, exemple, ",");
    EXPECT_EQ(c.valeur("C22").toDouble(), 870.70); // the worked example's last payment
}

// A point locale, quarterly payments, a rate of 5 which the format shows as 5.00%, no TEG; yearly payments
// are "années" although the list says "ans"; a one-row schedule has the frame's top and bottom on one row.
TEST(ClasseurEcheancier, AutresLocaleFrequencesEtLongueurs) {
    const ConventionsLocales en = ConventionsAmericaines();
    const EmpruntCalcule calcul =
        CalculeEmprunt({"2500.5", "4", "5", "", "", Frequence::Trimestres, 2024y / March / 31}, false, en);
    ASSERT_TRUE(calcul.tableauComplet());
    const Classeur c(ContenuDuCalcul(calcul), false, en);
    ASSERT_FALSE(c.echec);
    EXPECT_EQ((QStringList{c.cellule("D3"), c.valeur("C4").toString(), c.cellule("D5"), c.cellule("D6")}),
              (QStringList{"2500.5 | #,##0.00 | Arial 10 gras", "Amortissement (en trimestres) :",
                           "0.05 | 0.00% | Arial 10 gras", "0 | #,##0.00 | Arial 10 gras"}));
    VerifieEcheancierEtMiseEnPage(c, calcul, ".");
    const EmpruntCalcule uneLigne =
        CalculeEmprunt({"10000", "1", "6", "10", "150", Frequence::Mois, 2007y / January / 31}, true, fr);
    ContenuEcheancier contenu = ContenuDuCalcul(uneLigne);
    contenu.saisie.frequence = Frequence::Ans;
    const Classeur un(contenu, false);
    ASSERT_FALSE(un.echec);
    EXPECT_EQ((QStringList{un.valeur("C4").toString(), un.cellule("A11")}),
              (QStringList{"Amortissement (en années) :", "«1» | Arial 10 | droite/- | cadre fin"}));
    VerifieEcheancierEtMiseEnPage(un, uneLigne, ",");
}

// A text that is not a number stops the export at its stage, and no file is left. Into a device: a whole zip
// archive, or nothing at all. A folder that does not exist: the file, made at the last stage, fails there.
TEST(ClasseurEcheancier, EtapesDesEchecsEtDestinations) {
    const std::tuple<const char*, std::function<void(ContenuEcheancier&)>, const char*> cas[] = {
        {"5", [](ContenuEcheancier& c) { c.saisie.taux = "6 %"; }, "6 %"},
        {"7", [](ContenuEcheancier& c) { c.couts.assurance = "120.00"; }, "120.00"}};
    for (const auto& [etape, altere, texte] : cas) {
        ContenuEcheancier contenu = ContenuDuCalcul(exemple);
        altere(contenu);
        const Classeur c(contenu, true);
        ASSERT_TRUE(c.echec);
        EXPECT_EQ(std::tuple(c.echec->etape, c.echec->erreur.numero, c.echec->erreur.description),
                  std::tuple(QString::fromLatin1(etape), 13,
                             QStringLiteral("Incompatibilité de type : « %1 » n'est pas un nombre.")
                                 .arg(QString::fromUtf8(texte))));
        EXPECT_FALSE(QFile::exists(c.chemin)) << etape;
    }
    const ContenuEcheancier contenu = ContenuDuCalcul(exemple);
    QBuffer tampon, vide, lectureSeule;
    ASSERT_TRUE(tampon.open(QBuffer::WriteOnly));
    ASSERT_TRUE(vide.open(QBuffer::WriteOnly));
    ASSERT_TRUE(lectureSeule.open(QBuffer::ReadOnly));
    EXPECT_FALSE(EcritClasseur(contenu, EnteteDefaut, true, fr, tampon).has_value());
    EXPECT_EQ(tampon.data().left(4), QByteArray("PK\x03\x04"));
    ContenuEcheancier faux = contenu;
    faux.couts.interets = "?";
    EXPECT_EQ(EcritClasseur(faux, EnteteDefaut, true, fr, vide).value_or(EchecClasseur{}).etape, "7");
    EXPECT_EQ(vide.data(), QByteArray());
    const auto refus = EcritClasseur(contenu, EnteteDefaut, true, fr, lectureSeule).value_or(EchecClasseur{});
    EXPECT_EQ(std::pair(refus.etape, refus.erreur.numero), std::pair(QStringLiteral("16"), 75));
    QTemporaryDir dossier;
    const QString impossible = dossier.filePath(QStringLiteral("absent/export.xlsx"));
    const auto echec = EcritClasseur(contenu, EnteteDefaut, true, fr, impossible).value_or(EchecClasseur{});
    EXPECT_EQ(std::tuple(echec.etape, echec.erreur.description),
              std::tuple("16", QStringLiteral("Impossible de créer le fichier « %1 ».").arg(impossible)));
}

TEST(ClasseurEcheancier, LaLocaleNumeriqueDuCNeFuitPasDansLeClasseur) {
    // A French C locale writes 28,5 with printf. Generated into a folder of ours if the system has none.
    QTemporaryDir locales;
    if (const locale_t francaise = newlocale(LC_NUMERIC_MASK, "fr_FR.UTF-8", static_cast<locale_t>(nullptr)))
        freelocale(francaise);
    else {
        QProcess::execute("localedef", {"-i", "fr_FR", "-f", "UTF-8", locales.filePath("fr_FR.UTF-8")});
        setenv("LOCPATH", QFile::encodeName(locales.path()).constData(), 1);
    }
    if (!std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
        GTEST_SKIP() << "pas de locale fr_FR.UTF-8 (paquet locales absent)";
    char virgule[16];
    std::snprintf(virgule, sizeof virgule, "%.1f", 28.5);
    ASSERT_STREQ(virgule, "28,5");
    const Classeur c(ContenuDuCalcul(exemple), true);
    std::setlocale(LC_NUMERIC, "C");
    ASSERT_FALSE(c.echec);
    VerifieEcheancierEtMiseEnPage(c, exemple, ",");
}

// The export's folders in the temporary folder: those older than a day that hold nothing but their
// workbook go; the others stay.
TEST(ClasseurEcheancier, AnciensDossiersTemporaires) {
    QTemporaryDir temporaire;
    const QDir racine(temporaire.path());
    const QDateTime maintenant = QDateTime::currentDateTime();
    const auto dossier = [&](const QString& nom, const QStringList& fichiers, int jours) {
        racine.mkdir(nom);
        for (const QString& fichier : fichiers)
            QFile(racine.filePath(nom + QLatin1Char('/') + fichier)).open(QIODevice::WriteOnly);
        const qint64 date = maintenant.addDays(-jours).toSecsSinceEpoch();
        const utimbuf dates{date, date};
        ::utime(QFile::encodeName(racine.filePath(nom)).constData(), &dates);
    };
    dossier(QStringLiteral("amortix-AbC123"), {NomClasseurTemporaire}, 2);        // goes
    dossier(QStringLiteral("amortix-vide12"), {}, 2);                             // goes
    dossier(QStringLiteral("amortix-Neuf12"), {NomClasseurTemporaire}, 0);        // still in use
    dossier(QStringLiteral("amortix-Autre1"), {QStringLiteral("lettre.odt")}, 2); // not ours alone
    dossier(QStringLiteral("amortix-longnom1"), {NomClasseurTemporaire}, 2);      // not our name
    dossier(QStringLiteral("ailleurs"), {}, 0);
    QFile::link(racine.filePath("ailleurs"), racine.filePath("amortix-Lien12"));
    SupprimeAnciensDossiersClasseur(temporaire.path(), maintenant.addDays(-1));
    EXPECT_EQ(
        racine.entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
        (QStringList{"ailleurs", "amortix-Autre1", "amortix-Lien12", "amortix-Neuf12", "amortix-longnom1"}));
}

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
