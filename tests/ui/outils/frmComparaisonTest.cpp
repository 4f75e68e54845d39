#include "frmComparaison.h"

#include "ControlesEmprunt.h"
#include "ConventionsSysteme.h"
#include "DialogueModal.h"
#include "DocumentEmprunt.h"
#include "Fichiers.h"
#include "Poppler.h"
#include "TauxUsureEnregistres.h"

#include <QApplication>
#include <QBarSet>
#include <QChartView>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <cmath>

using namespace amortix;
using namespace std::chrono;

namespace {

// Three published offers: the bank's mortgage of the engine's tests (TAEG 3,37 %) and two consumer
// credits (19,78 % and 9,70 %). The 1 500 one is the cheapest: its interest stays below
// 1 500 × 16 % × 3 = 720, when the 9 000 one pays more than 9 000 × 9 % × 1 year.
const std::vector<std::pair<const char*, SaisieEmprunt>> Publiees = {
    {"banque.amx", {"100000", "180", "2", "43,32", "2690", Frequence::Mois, 2007y / January / 31}},
    {"conso.amx", {"1500", "36", "16", "", "45", Frequence::Mois, 2007y / January / 31}},
    {"auto.amx", {"9000", "60", "9", "1,30", "", Frequence::Mois, 2007y / January / 31}},
};

const auto Ligne = [](LigneComparaison ligne) { return static_cast<int>(ligne); };

// amortix-cli run from a copy in `dossier`, so that it reads the settings kept there: its exit
// status and what it said on its standard error.
std::pair<int, QString> AmortixCli(const QString& dossier, const QStringList& arguments) {
    const QString copie = QDir(dossier).filePath(QStringLiteral("amortix-cli"));
    if (!QFile::exists(copie) && !QFile::copy(QStringLiteral(AMORTIX_CLI), copie))
        return {-1, QStringLiteral("pas de copie de ") + QStringLiteral(AMORTIX_CLI)};
    QProcess processus;
    processus.start(copie, arguments);
    if (!processus.waitForFinished(60000) || processus.exitStatus() != QProcess::NormalExit)
        return {-1, QStringLiteral("amortix-cli n'a pas fini : ") + processus.errorString()};
    return {processus.exitCode(), QString::fromUtf8(processus.readAllStandardError())};
}

// The comparison window on a settings folder of its own, every dialog scripted; no main window.
struct Comparaison : Poste {
    frmComparaison d{module, interactions};
    QTableWidget* table = Controle<QTableWidget>(d, "tblOffres");

    QStringList entetes() const {
        QStringList noms;
        for (int c = 0; c < table->columnCount(); ++c)
            noms << table->horizontalHeaderItem(c)->text();
        return noms;
    }
    void clique(const char* bouton) { QTest::mouseClick(Controle<QPushButton>(d, bouton), Qt::LeftButton); }
};

} // namespace

class frmComparaisonTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    // Several documents at once, a damaged one reported in its own column; the marks; the page of the
    // offers, a failing destination reported and leaving nothing beside it; removing.
    void ajouteMarqueEtRetire() {
        Comparaison w; // the published offers, with a damaged document second
        QStringList chemins;
        for (const auto& [fichier, saisie] : Publiees) {
            chemins << w.chemin(fichier);
            QVERIFY(!EnregistreDocument(chemins.back(), saisie));
        }
        QVERIFY(Ecrit(w.chemin("abime.amx"), "100000\r\n180\r\n"));
        chemins.insert(1, w.chemin("abime.amx"));
        w.interactions.listesFichiers.push_back(chemins);
        w.clique("cmdAjouter");
        QCOMPARE(w.interactions.demandes.back().titre, "Ouvrir");
        QCOMPARE(w.interactions.demandes.back().filtre, FiltreDocuments);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(w.entetes(), QStringList({"banque.amx", "abime.amx", "conso.amx", "auto.amx"}));
        QVERIFY(w.table->item(0, 1)->text().startsWith("le document n'a pas pu être ouvert : "));
        QCOMPARE(w.table->rowSpan(0, 1), static_cast<int>(LignesComparaison.size()) + 1); // and the usury row
        QStringList banque; // the bank's column, all but its TEG
        for (const LigneComparaison ligne : LignesComparaison)
            if (ligne != LigneComparaison::TEG)
                banque << w.table->item(Ligne(ligne), 0)->text();
        QCOMPARE(banque, QStringList({"100000,00", "180 mois", "2,00 %", "43,32", "2690,00", "686,83",
                                      "686,61 le 31/12/2021", "123629,18", "26319,18", "15831,58", "7797,60",
                                      "3,37 %", "2,41 %", "0,96 %"}));

        // Only the cheapest cost and the lowest TAEG stand out, each saying why.
        for (const LigneComparaison ligne : LignesComparaison)
            for (int c : {0, 2, 3}) {
                const QTableWidgetItem* item = w.table->item(Ligne(ligne), c);
                const bool marquee = (ligne == LigneComparaison::CoutTotal && c == 2) ||
                                     (ligne == LigneComparaison::TAEG && c == 0);
                QCOMPARE(item->font().bold(), marquee);
                // The consumer credits' TAEGs are over the real-estate ceilings, and say so.
                if (ligne != LigneComparaison::TAEG)
                    QCOMPARE(!item->toolTip().isEmpty(), marquee);
            }
        QVERIFY(w.table->item(Ligne(LigneComparaison::CoutTotal), 2)->toolTip().contains("coût total"));
        QVERIFY(w.table->item(Ligne(LigneComparaison::TAEG), 0)->toolTip().contains("TAEG"));

        QStringList courbes; // one line per offer that computed, in order
        for (const QAbstractSeries* serie : Controle<QChartView>(w.d, "graCapitalRestant")->chart()->series())
            courbes << serie->name();
        QCOMPARE(courbes, QStringList({"banque.amx", "conso.amx", "auto.amx"}));

        // The bank's years: capital repaid adds up to the amount, interest to 123 629,18 − 7 797,60 of
        // insurance (180 × 43,32) − 100 000 = 15 831,58, over 2007 to 2021.
        w.table->setCurrentCell(0, 0);
        auto* annuel = Controle<QChartView>(w.d, "graAnnuel");
        const auto* barres = qobject_cast<QStackedBarSeries*>(annuel->chart()->series().at(0));
        QCOMPARE(barres->barSets().at(0)->count(), 15);
        QVERIFY(annuel->chart()->title().endsWith("banque.amx"));
        QCOMPARE(std::round(barres->barSets().at(0)->sum() * 100.0) / 100.0, 100000.0);
        QCOMPARE(std::round(barres->barSets().at(1)->sum() * 100.0) / 100.0, 15831.58);
        QCOMPARE(annuel->chart()->locale(), QLocale());

        const QString pdf = w.chemin("comparaison.pdf");
        w.interactions.fichiers.push_back(pdf);
        w.clique("cmdExporterPdf");
        QCOMPARE(w.interactions.messages.size(), 0u);
        QCOMPARE(w.interactions.demandes.back().titre, "Exporter en PDF");
        // The page itself is the composer's (tests/output/comparaison); the window hands it its offers
        // and the selected one.
        const QStringList lignes = poppler::Lignes(pdf);
        QCOMPARE(lignes.value(0), "Comparaison des offres");
        QCOMPARE(lignes.filter("Remboursements par année : banque.amx").size(), 1);
        // amortix-cli writes the same page of the same documents, on the same settings: the window
        // leaves the first document added selected, and so does the command.
        // Both check the shipped ceilings, and both say so once their quarter is over.
        const QString ligneDeCommande = w.chemin("ligne-de-commande.pdf");
        const auto avis = AvisTablePerimee(TableUsureFournie(), VersDateStd(QDate::currentDate()));
        QCOMPARE(
            AmortixCli(w.dossier.path(),
                       QStringList{"compare", "--pdf", ligneDeCommande, "--locale", "fr_FR"} + chemins),
            std::pair(0, avis ? "amortix-cli : avertissement : " + DepuisUtf8(*avis) + "\n" : QString()));
        QCOMPARE(poppler::Lignes(ligneDeCommande), lignes);

        QVERIFY(QDir(w.dossier.path()).mkdir(QStringLiteral("dossier.pdf")));
        const QStringList avant = QDir(w.dossier.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        for (const QString& destination : {w.chemin("absent/comparaison.pdf"), w.chemin("dossier.pdf")}) {
            w.interactions.fichiers.push_back(destination);
            w.clique("cmdExporterPdf");
            QVERIFY(w.interactions.montre(IconeMessage::Critique, TitreAmortix, "Erreur "));
            const QString conseil =
                QStringLiteral("Vérifiez que le dossier choisi existe et que vous pouvez y écrire.");
            QCOMPARE(w.interactions.dernierTexte().right(conseil.size()), conseil);
            QCOMPARE(QDir(w.dossier.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), avant);
            QCOMPARE(QFileInfo::exists(w.chemin("absent")), false);
            QCOMPARE(QFileInfo(w.chemin("dossier.pdf")).isDir(), true);
        }

        w.table->setCurrentCell(0, 1);
        w.clique("cmdRetirer");
        QCOMPARE(w.entetes(), QStringList({"banque.amx", "conso.amx", "auto.amx"}));
        QCOMPARE(w.table->currentColumn(), 1); // the next column is the current one
        w.clique("cmdRetirer"); // cheapest gone: the car loan, below 9 000 × 9 % × 5 + 60 × 1,30 of cost
        QCOMPARE(w.entetes(), QStringList({"banque.amx", "auto.amx"}));
        QCOMPARE(w.table->item(Ligne(LigneComparaison::CoutTotal), 1)->font().bold(), true);
        QCOMPARE(w.table->item(Ligne(LigneComparaison::CoutTotal), 0)->font().bold(), false);
        // Every button by Tab and by its own access key; Escape closes.
        QVERIFY(Active(w.d));
        w.table->setFocus();
        QSet<QString> touches;
        for (const char* nom : {"cmdAjouter", "cmdRetirer", "cmdExporterPdf", "cboNature", "cmdFermer"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), nom);
        }
        for (const char* nom : {"cmdAjouter", "cmdRetirer", "cmdExporterPdf", "cmdFermer"})
            touches << QKeySequence::mnemonic(Controle<QPushButton>(w.d, nom)->text()).toString();
        QCOMPARE(touches.size(), 4);
        QCOMPARE(touches.contains(QString()), false);
        const std::size_t demandes = w.interactions.demandes.size();
        QTest::keyClick(&w.d, Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(w.interactions.demandes.size(), demandes + 1); // an access key clicks after a while
        QTest::keyClick(&w.d, Qt::Key_Escape);
        QVERIFY(!w.d.isVisible());
    }

    // From the main window: the loan on screen first, once computed, named by the document's title.
    // The usury row follows the kind of credit chosen; a TAEG over its ceiling is red and says why.
    void usureSelonLeTypeDeCredit() {
        Comparaison w;
        for (const auto& [fichier, saisie] : Publiees)
            w.d.AjouteOffre(fichier, saisie);
        const int usure = static_cast<int>(LignesComparaison.size());
        const auto taeg = [&w](int colonne) { return w.table->item(Ligne(LigneComparaison::TAEG), colonne); };
        QCOMPARE(w.table->verticalHeaderItem(usure)->text(), "Taux d'usure");
        QCOMPARE(w.table->item(usure, 0)->text(), "4,59 % (immobilier, de 10 à moins de 20 ans)");
        QCOMPARE(taeg(0)->foreground().color(), QColor(Qt::black));
        QCOMPARE(taeg(1)->foreground().color(), QColor(Qt::red));

        Controle<QComboBox>(w.d, "cboNature")->setCurrentIndex(1);
        QCOMPARE(w.table->item(usure, 1)->text(), "23,56 % (consommation, jusqu'à 3 000 €)");
        QCOMPARE(taeg(1)->foreground().color(), QColor(Qt::black));
        QCOMPARE(w.table->item(usure, 2)->text(), "8,67 % (consommation, plus de 6 000 €)");
        QCOMPARE(taeg(2)->foreground().color(), QColor(Qt::red)); // 9,70 %
        QVERIFY(taeg(2)->toolTip().contains("au-dessus du taux d'usure 8,67 %"));
    }

    void depuisLaFenetrePrincipale() {
        PosteOuvert w;
        const auto ouvre = [&w](const QStringList& attendu) {
            QStringList vu;
            RepondAuDialogue<frmComparaison>([&vu](frmComparaison& d) {
                const auto* table = Controle<QTableWidget>(d, "tblOffres");
                for (int c = 0; c < table->columnCount(); ++c)
                    vu << table->horizontalHeaderItem(c)->text()
                       << table->item(Ligne(LigneComparaison::TAEG), c)->text();
            });
            Controle<QAction>(*w.f, "mnuComparer")->trigger();
            QCOMPARE(vu, attendu);
        };
        ouvre({});
        w.calcule("100000", "180", "2", "43,32", "2690");
        ouvre({"Offre en cours", "3,37 %"});
    }
};

QTEST_MAIN(frmComparaisonTest)
#include "frmComparaisonTest.moc"
