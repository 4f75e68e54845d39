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
#include <charconv>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <locale.h>
#include <utime.h>

using namespace amortix;
using namespace std::chrono;

namespace {

const QString EnteteDefaut =
    QStringLiteral("Tableau Excel réalisé avec Amortix - https://amortix.example.org");

// The worked example: 10 000 at 6 % over 12 months from 31/01/2007, here with 10 of insurance per
// payment and 150 of fees. Payments of 860,66 + 10, the last 860,70 + 10; interest 327,96.
SaisieEmprunt Exemple(const ConventionsLocales& conventions) {
    const bool virgule = conventions.separateurDecimal == ",";
    SaisieEmprunt saisie;
    saisie.montant = "10000";
    saisie.duree = "12";
    saisie.taux = "6";
    saisie.assurance = "10";
    saisie.fraisDossier = virgule ? "150,00" : "150.00";
    saisie.premiereEcheance = year{2007} / January / 31;
    return saisie;
}

// A list text read without the writer's reading: the decimal separator becomes a point.
double Nombre(std::string texte, const ConventionsLocales& conventions) {
    if (conventions.separateurDecimal != ".")
        if (const auto virgule = texte.find(conventions.separateurDecimal); virgule != std::string::npos)
            texte.replace(virgule, conventions.separateurDecimal.size(), ".");
    double valeur = 0;
    std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
    return valeur;
}

struct Classeur {
    QTemporaryDir dossier;
    QString chemin = dossier.filePath(QStringLiteral("export.xlsx"));
    std::optional<EchecClasseur> echec;
    QJsonObject lu;
    QString erreursLecture;

    Classeur(const ContenuEcheancier& contenu, bool teg, const ConventionsLocales& conventions,
             const QString& entete = EnteteDefaut) {
        echec = EcritClasseur(contenu, entete, teg, conventions, chemin);
        if (!echec)
            lu = LitClasseur(chemin, &erreursLecture);
    }
    QJsonObject cellules() const { return lu[QLatin1String("cellules")].toObject(); }
    QString cellule(const QString& nom) const { return DecritCellule(cellules()[nom].toObject()); }
    QJsonValue valeur(const QString& nom) const {
        return cellules()[nom].toObject()[QLatin1String("valeur")];
    }
};

QString Colonne(int colonne) {
    return QString(QLatin1Char(static_cast<char>('A' + colonne)));
}

// Every schedule row against the list: A and B the list's texts, C to G its amounts as numbers,
// right-aligned, with a thin frame and column lines and hairlines between rows; nothing below.
void VerifieEcheancier(const Classeur& c, const EmpruntCalcule& calcul,
                       const ConventionsLocales& conventions) {
    const auto& lignes = calcul.tableau.lignes;
    const int n = static_cast<int>(lignes.size());
    for (int i = 0; i < n; ++i) {
        const QString ligne = QString::number(i + 11);
        const QString haut = i == 0 ? QStringLiteral("fin") : QStringLiteral("cheveu");
        const QString bas = i == n - 1 ? QStringLiteral("fin") : QStringLiteral("cheveu");
        const QString traits = haut == bas && haut == QLatin1String("fin")
                                   ? QStringLiteral("cadre fin")
                                   : QStringLiteral("traits fin/%1/%2/fin").arg(haut, bas);
        for (int j = 0; j < 7; ++j) {
            const QString nom = Colonne(j) + ligne;
            const QString texte = QString::fromStdString(
                lignes[static_cast<std::size_t>(i)].textes[static_cast<std::size_t>(j)]);
            const QString attendu =
                j < 2 ? QStringLiteral("«%1» | Arial 10 | droite/- | %2").arg(texte, traits)
                      : QStringLiteral("%1 | #,##0.00 | Arial 10 | droite/- | %2")
                            .arg(QString::number(Nombre(texte.toStdString(), conventions), 'g', 15), traits);
            EXPECT_EQ(c.cellule(nom), attendu) << nom.toStdString();
        }
    }
    for (int j = 0; j < 7; ++j)
        EXPECT_FALSE(c.cellules().contains(Colonne(j) + QString::number(n + 11)));
    EXPECT_EQ(c.lu[QLatin1String("derniereLigne")].toInt(), n + 10);
}

// The cells above the schedule, exactly: any other cell there is a fault.
void VerifieHaut(const Classeur& c, const std::map<QString, QString>& attendues) {
    for (const auto& [nom, attendu] : attendues)
        EXPECT_EQ(c.cellule(nom), attendu) << nom.toStdString();
    const QJsonObject cellules = c.cellules();
    for (auto it = cellules.begin(); it != cellules.end(); ++it) {
        const int ligne = it.key().mid(1).toInt();
        if (ligne <= 10) {
            EXPECT_TRUE(attendues.count(it.key())) << "cellule en trop : " << it.key().toStdString();
        }
    }
}

// What never changes: merges, widths, the heading row, printed titles, the sheet's name, the font.
void VerifieMiseEnPage(const Classeur& c) {
    const QJsonObject& lu = c.lu;
    EXPECT_EQ(lu[QLatin1String("feuilles")].toArray(), QJsonArray({QStringLiteral("Amortix")}));
    EXPECT_EQ(lu[QLatin1String("fusions")].toArray(),
              QJsonArray({QStringLiteral("A1:G1"), QStringLiteral("A9:G9"), QStringLiteral("F3:G3")}));
    // A width of w characters is p = round(w × 7) + 5 pixels, stored as trunc(p / 7 × 256) / 256, for
    // a font whose digits are 7 pixels wide: 4 gives 4.7109375, 10.5 gives 79 pixels, 11.28515625 (a
    // date's ten characters), 11 gives 11.7109375 (100 000,00), 12.5 gives 93, 13.28515625
    // ("Assurance" and the TEG text), 12 gives 12.7109375 (the cost labels) and 14 gives 14.7109375.
    const QJsonObject largeurs = lu[QLatin1String("largeurs")].toObject();
    EXPECT_EQ(largeurs.keys(), QStringList({"A", "B", "D", "E", "F", "G"}));
    EXPECT_DOUBLE_EQ(largeurs[QLatin1String("A")].toDouble(), 4.7109375);
    EXPECT_DOUBLE_EQ(largeurs[QLatin1String("B")].toDouble(), 11.28515625);
    EXPECT_DOUBLE_EQ(largeurs[QLatin1String("D")].toDouble(), 11.7109375);
    EXPECT_DOUBLE_EQ(largeurs[QLatin1String("E")].toDouble(), 13.28515625);
    EXPECT_DOUBLE_EQ(largeurs[QLatin1String("F")].toDouble(), 12.7109375);
    EXPECT_DOUBLE_EQ(largeurs[QLatin1String("G")].toDouble(), 14.7109375);
    // Rows of Arial 10, 12.75 points: about 55 to a printed page.
    EXPECT_DOUBLE_EQ(lu[QLatin1String("hauteurParDefaut")].toDouble(), 12.75);
    const QJsonObject ligne10 = lu[QLatin1String("lignes")].toObject()[QLatin1String("10")].toObject();
    EXPECT_DOUBLE_EQ(ligne10[QLatin1String("hauteur")].toDouble(), 28.5);
    EXPECT_EQ(DecritCellule(ligne10[QLatin1String("style")].toObject()),
              QStringLiteral("Arial 10 gras | -/centre renvoi"));
    EXPECT_EQ(lu[QLatin1String("titresLignes")].toString(), QStringLiteral("$10:$10"));
    EXPECT_TRUE(lu[QLatin1String("titresColonnes")].isNull());
    EXPECT_EQ(lu[QLatin1String("policeParDefaut")].toString(), QStringLiteral("Arial"));
    EXPECT_FALSE(lu[QLatin1String("stylesXml")].toString().contains(QLatin1String("Calibri")));
}

std::map<QString, QString> EntetesDuTableau() {
    const char* entetes[] = {"N°",        "Date",           "Montant échéance",  "Intérêts",
                             "Assurance", "Capital amorti", "Capital restant dû"};
    std::map<QString, QString> cellules;
    for (int j = 0; j < 7; ++j)
        cellules[Colonne(j) + QStringLiteral("10")] =
            QStringLiteral("«%1» | Arial 10 gras | centre/centre renvoi | cadre fin")
                .arg(QString::fromUtf8(entetes[j]));
    return cellules;
}

} // namespace

TEST(ClasseurEcheancier, ExempleEnFrancaisAvecLeTEG) {
    const ConventionsLocales fr = ConventionsFrancaises();
    const EmpruntCalcule calcul = CalculeEmprunt(Exemple(fr), true, fr);
    ASSERT_TRUE(calcul.tableauComplet());
    const ContenuEcheancier contenu = ContenuDuCalcul(calcul);
    const Classeur c(contenu, true, fr);
    ASSERT_FALSE(c.echec) << c.echec->erreur.description.toStdString();
    ASSERT_FALSE(c.lu.isEmpty()) << c.erreursLecture.toStdString();

    std::map<QString, QString> attendues = {
        {"A1", "«" + EnteteDefaut + "» | Arial 10 gras italique | centre/-"},
        {"C3", "«Montant du crédit :» | Arial 10 | droite/-"},
        {"D3", "10000 | #,##0.00 | Arial 10 gras"},
        {"C4", "«Amortissement (en mois) :» | Arial 10 | droite/-"},
        {"D4", "12 | 0 | Arial 10 gras"},
        {"C5", "«Taux d'intérêt :» | Arial 10 | droite/-"},
        {"D5", "0.06 | 0.00% | Arial 10 gras"},
        {"E5", "« TEG: " + QString::fromStdString(contenu.tegAffiche) + "» | Arial 8 | -/centre"},
        {"C6", "«Assurance (fixe par éch.) :» | Arial 10 | droite/-"},
        {"D6", "10 | #,##0.00 | Arial 10 gras"},
        {"C7", "«Frais de dossier :» | Arial 10 | droite/-"},
        {"D7", "150 | #,##0.00 | Arial 10 gras"},
        {"F3", "«Coût du crédit» | Arial 10 souligné | centre/-"},
        {"F4", "«Intérêts :» | Arial 10 | droite/-"},
        {"G4", "327.96 | #,##0.00 | Arial 10 gras"},
        {"F5", "«Assurance :» | Arial 10 | droite/-"},
        {"G5", "120 | #,##0.00 | Arial 10 gras"},
        {"F6", "«Frais de dossier :» | Arial 10 | droite/-"},
        {"G6", "150 | #,##0.00 | Arial 10 gras | traits -/-/fin/-"},
        {"G7", "597.96 | #,##0.00 | Arial 10 gras"},
        {"A9", "«TABLEAU D'AMORTISSEMENT» | Arial 10 gras | centre/-"},
    };
    attendues.merge(EntetesDuTableau());
    EXPECT_TRUE(contenu.tegAffiche.ends_with(" %"));
    VerifieHaut(c, attendues);
    VerifieMiseEnPage(c);
    VerifieEcheancier(c, calcul, fr);
    // The worked example's first and last rows, as the list shows them.
    EXPECT_EQ(c.valeur("B11").toString(), QStringLiteral("31/01/2007"));
    EXPECT_EQ(c.valeur("C11").toDouble(), 870.66);
    EXPECT_EQ(c.valeur("B22").toString(), QStringLiteral("31/12/2007"));
    EXPECT_EQ(c.valeur("C22").toDouble(), 870.70);
    EXPECT_EQ(c.valeur("G22").toDouble(), 0.0);
}

TEST(ClasseurEcheancier, EnAnglaisSansLeTEG) {
    // A point locale, quarterly payments, a rate of 5 which the format shows as 5.00%.
    const ConventionsLocales en = ConventionsAmericaines();
    SaisieEmprunt saisie;
    saisie.montant = "2500.5";
    saisie.duree = "4";
    saisie.taux = "5";
    saisie.frequence = Frequences[1];
    saisie.premiereEcheance = year{2024} / March / 31;
    const EmpruntCalcule calcul = CalculeEmprunt(saisie, false, en);
    ASSERT_TRUE(calcul.tableauComplet());
    const Classeur c(ContenuDuCalcul(calcul), false, en, QStringLiteral("Mon en-tête"));
    ASSERT_FALSE(c.echec) << c.echec->erreur.description.toStdString();
    ASSERT_FALSE(c.lu.isEmpty()) << c.erreursLecture.toStdString();

    EXPECT_EQ(c.cellule("A1"), QStringLiteral("«Mon en-tête» | Arial 10 gras italique | centre/-"));
    EXPECT_EQ(c.cellule("D3"), QStringLiteral("2500.5 | #,##0.00 | Arial 10 gras"));
    EXPECT_EQ(c.cellule("C4"), QStringLiteral("«Amortissement (en trimestres) :» | Arial 10 | droite/-"));
    EXPECT_EQ(c.cellule("D4"), QStringLiteral("4 | 0 | Arial 10 gras"));
    EXPECT_EQ(c.cellule("D5"), QStringLiteral("0.05 | 0.00% | Arial 10 gras"));
    EXPECT_EQ(c.cellule("D6"), QStringLiteral("0 | #,##0.00 | Arial 10 gras"));
    // Without the option, E5 is not even formatted.
    EXPECT_FALSE(c.cellules().contains(QLatin1String("E5")));
    // Dates stay the list's texts, in the locale's short format, 30 June from the 31st.
    EXPECT_EQ(c.valeur("B11").toString(), QStringLiteral("3/31/2024"));
    EXPECT_EQ(c.valeur("B12").toString(), QStringLiteral("6/30/2024"));
    VerifieMiseEnPage(c);
    VerifieEcheancier(c, calcul, en);
}

TEST(ClasseurEcheancier, MotDeLaFrequenceEtEcheancierDUneLigne) {
    const ConventionsLocales fr = ConventionsFrancaises();
    SaisieEmprunt saisie = Exemple(fr);
    saisie.duree = "1";
    const EmpruntCalcule calcul = CalculeEmprunt(saisie, true, fr);
    ASSERT_TRUE(calcul.tableauComplet());
    // Yearly payments are "années" although the list says "ans".
    const std::pair<Frequence, const char*> cas[] = {{Frequence::Semestres, "Amortissement (en semestres) :"},
                                                     {Frequence::Ans, "Amortissement (en années) :"}};
    for (const auto& [frequence, texte] : cas) {
        ContenuEcheancier contenu = ContenuDuCalcul(calcul);
        contenu.saisie.frequence = frequence;
        const Classeur c(contenu, false, fr);
        ASSERT_FALSE(c.echec);
        EXPECT_EQ(c.valeur("C4").toString(), QString::fromUtf8(texte));
        if (frequence == Frequence::Semestres) {
            // One row: the frame's top and bottom on the same row, no hairline.
            VerifieEcheancier(c, calcul, fr);
            EXPECT_EQ(c.cellule("A11"), QStringLiteral("«1» | Arial 10 | droite/- | cadre fin"));
        }
    }
}

TEST(ClasseurEcheancier, UnTexteQuiNEstPasUnNombreArreteLExportASonEtape) {
    const ConventionsLocales fr = ConventionsFrancaises();
    const EmpruntCalcule calcul = CalculeEmprunt(Exemple(fr), true, fr);
    std::vector<LigneTableau> lignes = calcul.tableau.lignes;
    lignes[5][Colonne::Assurance] = "1,2,3";

    struct Cas {
        const char* etape;
        std::function<void(ContenuEcheancier&)> altere;
        const char* texte;
    };
    const Cas cas[] = {
        {"5", [](ContenuEcheancier& c) { c.saisie.taux = "6 %"; }, "6 %"},
        {"5", [](ContenuEcheancier& c) { c.saisie.duree.clear(); }, ""},
        {"7", [](ContenuEcheancier& c) { c.couts.assurance = "120.00"; }, "120.00"},
        {"7", [](ContenuEcheancier& c) { c.couts.total = "1e3"; }, "1e3"},
        {"12", [&lignes](ContenuEcheancier& c) { c.lignes = lignes; }, "1,2,3"},
    };
    for (const Cas& un : cas) {
        ContenuEcheancier contenu = ContenuDuCalcul(calcul);
        un.altere(contenu);
        const Classeur c(contenu, true, fr);
        ASSERT_TRUE(c.echec);
        EXPECT_EQ(c.echec->etape, QLatin1String(un.etape));
        EXPECT_EQ(c.echec->erreur.numero, 13);
        EXPECT_EQ(c.echec->erreur.description,
                  QStringLiteral("Incompatibilité de type : « %1 » n'est pas un nombre.")
                      .arg(QString::fromUtf8(un.texte)));
        // The workbook is dropped: no file at all.
        EXPECT_FALSE(QFile::exists(c.chemin)) << un.etape;
    }
}

TEST(ClasseurEcheancier, DestinationsEtFichierImpossible) {
    const ConventionsLocales fr = ConventionsFrancaises();
    const EmpruntCalcule calcul = CalculeEmprunt(Exemple(fr), true, fr);
    const ContenuEcheancier contenu = ContenuDuCalcul(calcul);

    // Into a device: a whole zip archive, or nothing at all.
    QBuffer tampon;
    tampon.open(QIODevice::WriteOnly);
    ASSERT_FALSE(EcritClasseur(contenu, EnteteDefaut, true, fr, tampon));
    EXPECT_TRUE(tampon.data().startsWith("PK\x03\x04"));
    QTemporaryDir dossier;

    ContenuEcheancier faux = contenu;
    faux.couts.interets = "?";
    QBuffer vide;
    vide.open(QIODevice::WriteOnly);
    EXPECT_EQ(EcritClasseur(faux, EnteteDefaut, true, fr, vide)->etape, QStringLiteral("7"));
    EXPECT_TRUE(vide.data().isEmpty());

    QBuffer fermeAEcriture;
    fermeAEcriture.open(QIODevice::ReadOnly);
    const auto refus = EcritClasseur(contenu, EnteteDefaut, true, fr, fermeAEcriture);
    ASSERT_TRUE(refus);
    EXPECT_EQ(refus->etape, QStringLiteral("16"));
    EXPECT_EQ(refus->erreur.numero, 75);

    // A folder that does not exist: the file is made at the last stage, and fails there.
    const QString impossible = dossier.filePath(QStringLiteral("absent/export.xlsx"));
    const auto echec = EcritClasseur(contenu, EnteteDefaut, true, fr, impossible);
    ASSERT_TRUE(echec);
    EXPECT_EQ(echec->etape, QStringLiteral("16"));
    EXPECT_EQ(echec->erreur.description,
              QStringLiteral("Impossible de créer le fichier « %1 ».").arg(impossible));
}

TEST(ClasseurEcheancier, LaLocaleNumeriqueDuCNeFuitPasDansLeClasseur) {
    // A French C locale writes 28,5 with printf. Generated into a folder of ours when the system
    // has none.
    QTemporaryDir locales;
    const locale_t francaise = newlocale(LC_NUMERIC_MASK, "fr_FR.UTF-8", static_cast<locale_t>(nullptr));
    if (francaise)
        freelocale(francaise);
    else {
        QProcess::execute(QStringLiteral("localedef"),
                          {QStringLiteral("-i"), QStringLiteral("fr_FR"), QStringLiteral("-f"),
                           QStringLiteral("UTF-8"), locales.filePath(QStringLiteral("fr_FR.UTF-8"))});
        setenv("LOCPATH", QFile::encodeName(locales.path()).constData(), 1);
    }
    if (!std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
        GTEST_SKIP() << "pas de locale fr_FR.UTF-8 (paquet locales absent)";
    char virgule[16];
    std::snprintf(virgule, sizeof virgule, "%.1f", 28.5);
    ASSERT_STREQ(virgule, "28,5");

    const ConventionsLocales fr = ConventionsFrancaises();
    const EmpruntCalcule calcul = CalculeEmprunt(Exemple(fr), true, fr);
    const Classeur c(ContenuDuCalcul(calcul), true, fr);
    std::setlocale(LC_NUMERIC, "C");
    ASSERT_FALSE(c.echec);
    ASSERT_FALSE(c.lu.isEmpty()) << c.erreursLecture.toStdString();
    EXPECT_EQ(c.valeur("D5").toDouble(), 0.06);
    EXPECT_EQ(c.valeur("C11").toDouble(), 870.66);
    EXPECT_DOUBLE_EQ(c.lu[QLatin1String("lignes")]
                         .toObject()[QLatin1String("10")]
                         .toObject()[QLatin1String("hauteur")]
                         .toDouble(),
                     28.5);
    VerifieMiseEnPage(c);
}

// The export's folders in the temporary folder: those older than a day that hold nothing but their
// workbook go; the others stay.
TEST(ClasseurEcheancier, AnciensDossiersTemporaires) {
    QTemporaryDir temporaire;
    const QDir racine(temporaire.path());
    const QDateTime maintenant = QDateTime::currentDateTime();
    const auto dossier = [&](const QString& nom, const QStringList& fichiers, int jours) {
        racine.mkdir(nom);
        for (const QString& fichier : fichiers) {
            QFile f(racine.filePath(nom + QLatin1Char('/') + fichier));
            f.open(QIODevice::WriteOnly);
        }
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
    QFile::link(racine.filePath(QStringLiteral("ailleurs")),
                racine.filePath(QStringLiteral("amortix-Lien12")));
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
