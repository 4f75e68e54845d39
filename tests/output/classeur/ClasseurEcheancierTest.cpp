#include "ClasseurEcheancier.h"

#include "DossiersClasseur.h"
#include "LectureClasseur.h"
#include "TestsHorsEcran.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <clocale>
#include <gtest/gtest.h>
#include <locale.h>
#include <utime.h>

using namespace amortix;
using namespace std::chrono;
using namespace Qt::StringLiterals;

namespace {

using Cellules = std::map<QString, QString>;
const QString Entete = "Agence du Centre";
const ConventionsLocales fr = ConventionsFrancaises();
const auto debut = 2007y / January / 31;

// 10 000 at 6 % over 12 months, 10 insurance a payment, 150 fees: 860,66 + 10, the last 860,70
// + 10; interest 327,96.
const EmpruntCalcule exemple =
    CalculeEmprunt({"10000", "12", "6", "10", "150,00", Frequence::Mois, debut}, true, fr);

QString Issue(const std::optional<EchecClasseur>& e) {
    return e ? e->etape + " | " + e->erreur.ligne() : u"réussi"_s;
}

// Exported to a file and read back.
struct Classeur {
    QTemporaryDir dossier;
    QString chemin = dossier.filePath("export.xlsx"), issue;
    QJsonObject lu, cellules;
    Classeur(const ContenuEcheancier& contenu, bool teg, const ConventionsLocales& c = fr)
        : issue(Issue(EcritClasseur(contenu, Entete, teg, c, chemin))), lu(LitClasseur(chemin)),
          cellules(lu["cellules"].toObject()) {}
    QString cellule(const QString& n) const { return DecritCellule(cellules[n].toObject()); }
    QJsonValue valeur(const QString& n) const { return cellules[n].toObject()["valeur"]; }
};

// Widths of 4, 10.5, 11, 12.5, 12 and 14 digits: trunc((round(7w) + 5) / 7 × 256) / 256.
const QJsonObject PageAttendue = QJsonDocument::fromJson(R"({
  "feuilles": ["Amortix"], "fusions": ["A1:G1", "A9:G9", "F3:G3"],
  "largeurs": {"A": 4.7109375, "B": 11.28515625, "D": 11.7109375,
               "E": 13.28515625, "F": 12.7109375, "G": 14.7109375},
  "lignes": {"hauteur": 28.5, "style": "Arial 10 gras | -/centre renvoi"},
  "hauteurParDefaut": 12.75, "policeParDefaut": "Arial",
  "titresLignes": "$10:$10", "titresColonnes": null, "stylesCalibri": false
})")
                                     .object();

// Each row as the list shows it, framed, hairlines between: A, B texts, C to G numbers.
void VerifieLignes(const Classeur& c, const EmpruntCalcule& e, QLatin1String sep) {
    const auto& lignes = e.tableau.lignes;
    const std::size_t n = lignes.size();
    for (std::size_t i = 0; i < n; ++i) {
        const auto haut = i == 0 ? "fin"_L1 : "cheveu"_L1;
        const auto bas = i + 1 == n ? "fin"_L1 : "cheveu"_L1;
        const QString traits = n == 1 ? u"cadre fin"_s : u"traits fin/%1/%2/fin"_s.arg(haut, bas);
        for (std::size_t j = 0; j < 7; ++j) {
            const QString nom = QChar(char16_t(u'A' + j)) + QString::number(i + 11);
            QString t = QString::fromStdString(lignes[i].textes[j]);
            if (j < 2)
                t = "«" + t + "»";
            else
                t = QString::number(t.replace(sep, "."_L1).toDouble(), 'g', 15) + " | #,##0.00";
            const auto texte = j == 1 ? " | apostrophe | "_L1 : " | "_L1;
            EXPECT_EQ(c.cellule(nom), t + " | Arial 10 | droite/-" + texte + traits) << qPrintable(nom);
        }
    }
    // The sheet but its cells, and of its rows the heading's.
    QJsonObject page = c.lu;
    page.remove("cellules");
    EXPECT_EQ(page.take("derniereLigne").toInt(), n + 10); // nothing below
    page["lignes"] = page["lignes"].toObject()["10"];
    EXPECT_EQ(page, PageAttendue);
}

} // namespace

// Every cell above the schedule, exactly: any other there is a fault.
TEST(ClasseurEcheancier, ExempleEnFrancaisAvecLeTEG) {
    const Classeur c(ContenuDuCalcul(exemple), true);
    ASSERT_EQ(c.issue, u"réussi"_s);
    Cellules voulues = {{"A1", "«Agence du Centre» | Arial 10 gras italique | centre/-"},
                        {"E5", "« TEG: 11,5962 %» | Arial 8 | -/centre"},
                        {"F3", "«Coût du crédit» | Arial 10 souligné | centre/-"},
                        {"G7", "597.96 | #,##0.00 | Arial 10 gras"},
                        {"A9", "«TABLEAU D'AMORTISSEMENT» | Arial 10 gras | centre/-"}};
    // Each label right-aligned, its value in bold beside it.
    using L = std::tuple<QString, const char*, const char*>;
    for (const auto& [nom, libelle, nombre] :
         {L{"C3", "Montant du crédit :", "10000 | #,##0.00"}, L{"C4", "Amortissement (en mois) :", "12 | 0"},
          L{"C5", "Taux d'intérêt :", "0.06 | 0.00%"},
          L{"C6", "Assurance (fixe par éch.) :", "10 | #,##0.00"},
          L{"C7", "Frais de dossier :", "150 | #,##0.00"}, L{"F4", "Intérêts :", "327.96 | #,##0.00"},
          L{"F5", "Assurance :", "120 | #,##0.00"}, L{"F6", "Frais de dossier :", "150 | #,##0.00"}}) {
        voulues[nom] = u"«%1» | Arial 10 | droite/-"_s.arg(libelle);
        voulues[QChar(nom[0].unicode() + 1) + nom.mid(1)] = nombre + " | Arial 10 gras"_L1;
    }
    voulues["G6"] += " | traits -/-/fin/-"; // the rule above the total
    const char* entetes[] = {"N°",        "Date",           "Montant échéance",  "Intérêts",
                             "Assurance", "Capital amorti", "Capital restant dû"};
    for (int j = 0; j < 7; ++j)
        voulues[QChar('A' + j) + "10"_L1] =
            u"«%1» | Arial 10 gras | centre/centre renvoi | cadre fin"_s.arg(entetes[j]);
    Cellules vues;
    for (const QString& nom : c.cellules.keys())
        if (nom.mid(1).toInt() <= 10)
            vues[nom] = c.cellule(nom);
    EXPECT_EQ(vues, voulues);
    VerifieLignes(c, exemple, ","_L1);
    EXPECT_EQ(c.valeur("C22").toDouble(), 870.70); // the last payment
}

// A point locale, one quarter in one framed row, no TEG; years are "années".
TEST(ClasseurEcheancier, AutresLocaleFrequencesEtLongueurs) {
    const ConventionsLocales en = ConventionsAmericaines();
    const EmpruntCalcule e =
        CalculeEmprunt({"2500.5", "1", "5", "", "", Frequence::Trimestres, debut}, false, en);
    ContenuEcheancier contenu = ContenuDuCalcul(e);
    const Classeur c(contenu, false, en);
    ASSERT_EQ(c.issue, u"réussi"_s);
    EXPECT_EQ(c.valeur("D3").toDouble(), 2500.5);
    EXPECT_EQ(c.valeur("C4").toString(), u"Amortissement (en trimestres) :"_s);
    EXPECT_EQ(c.valeur("D6").toDouble(-1), 0); // no insurance
    VerifieLignes(c, e, "."_L1);
    contenu.saisie.frequence = Frequence::Ans;
    EXPECT_EQ(Classeur(contenu, false, en).valeur("C4").toString(), u"Amortissement (en années) :"_s);
}

// A text not a number stops at its stage, no file left; a device gets all or nothing.
TEST(ClasseurEcheancier, EtapesDesEchecsEtDestinations) {
    const ContenuEcheancier contenu = ContenuDuCalcul(exemple);
    ContenuEcheancier taux = contenu, assurance = contenu;
    taux.saisie.taux = "6 %";
    assurance.couts.assurance = "120.00";
    const auto type = [](const char* t) {
        return u" | Erreur 13 : Incompatibilité de type : « %1 » n'est pas un nombre."_s.arg(t);
    };
    const auto ecrit = [](const ContenuEcheancier& c, auto&& cible) {
        return Issue(EcritClasseur(c, Entete, true, fr, cible));
    };
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("x.xlsx"), absent = dossier.filePath("absent/x.xlsx");
    EXPECT_EQ(ecrit(taux, chemin), "5" + type("6 %"));
    EXPECT_FALSE(QFile::exists(chemin));

    QBuffer tampon, vide, lecture;
    tampon.open(QBuffer::WriteOnly);
    vide.open(QBuffer::WriteOnly);
    lecture.open(QBuffer::ReadOnly);
    EXPECT_EQ(ecrit(contenu, tampon), u"réussi"_s);
    EXPECT_EQ(tampon.data().left(4), "PK\x03\x04");
    EXPECT_EQ(ecrit(assurance, vide), "7" + type("120.00"));
    EXPECT_EQ(vide.data(), QByteArray());
    EXPECT_EQ(ecrit(contenu, lecture),
              u"16 | Erreur 75 : Impossible d'écrire le classeur : erreur inconnue"_s);
    EXPECT_EQ(ecrit(contenu, absent), "16 | Erreur 2 : Impossible de créer le fichier « " + absent + " ».");
}

// Under a French C locale (made here if missing) the sheet still writes 28.5.
TEST(ClasseurEcheancier, LaLocaleNumeriqueDuCNeFuitPasDansLeClasseur) {
    QTemporaryDir locales;
    const char* nom = "fr_FR.UTF-8";
    if (const locale_t f = newlocale(LC_NUMERIC_MASK, nom, nullptr))
        freelocale(f);
    else {
        QProcess::execute("localedef", {"-i", "fr_FR", "-f", "UTF-8", locales.filePath(nom)});
        setenv("LOCPATH", qPrintable(locales.path()), 1);
    }
    if (!std::setlocale(LC_NUMERIC, nom))
        GTEST_SKIP() << "pas de locale " << nom;
    const Classeur c(ContenuDuCalcul(exemple), true);
    std::setlocale(LC_NUMERIC, "C");
    ASSERT_EQ(c.issue, u"réussi"_s);
    VerifieLignes(c, exemple, ","_L1);
}

// Export folders older than a day holding only their workbook go.
TEST(ClasseurEcheancier, AnciensDossiersTemporaires) {
    QTemporaryDir temporaire;
    const QDir racine(temporaire.path());
    const auto maintenant = QDateTime::currentDateTime();
    const auto dossier = [&](const QString& nom, const QString& fichier, int jours) {
        racine.mkdir(nom);
        QFile(racine.filePath(nom + "/" + fichier)).open(QIODevice::WriteOnly);
        const auto date = maintenant.addDays(-jours).toSecsSinceEpoch();
        const utimbuf dates{date, date};
        ::utime(qPrintable(racine.filePath(nom)), &dates);
    };
    const QString& nom = NomClasseurTemporaire;
    dossier("amortix-AbC123", nom, 2);          // goes
    dossier("amortix-vide12", "", 2);           // goes
    dossier("amortix-Neuf12", nom, 0);          // still in use
    dossier("amortix-Autre1", "lettre.odt", 2); // not ours alone
    dossier("amortix-longnom1", nom, 2);        // not our name
    dossier("ailleurs", "", 0);
    QFile::link(racine.filePath("ailleurs"), racine.filePath("amortix-Lien12"));
    SupprimeAnciensDossiersClasseur(racine.path(), maintenant.addDays(-1));
    EXPECT_EQ(
        racine.entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
        (QStringList{"ailleurs", "amortix-Autre1", "amortix-Lien12", "amortix-longnom1", "amortix-Neuf12"}));
}

int main(int argc, char** argv) {
    return ExecuteTestsHorsEcran<QCoreApplication>(argc, argv);
}
