#include "frmPlanFinancement.h"

#include "ControlesEmprunt.h"
#include "DialogueModal.h"
#include "DocumentEmprunt.h"
#include "Poppler.h"

#include <QAbstractSeries>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QTreeView>

using namespace amortix;
using namespace std::chrono;

namespace {

// What the plan window showed.
struct Vu {
    QStringList prets;
    QString lissage, palier, motif, periode240;
    int periodes = 0;
    qsizetype series = 0;
};

Vu Lit(const frmPlanFinancement& d) {
    Vu vu;
    const auto* liste = d.findChild<QListWidget*>(QStringLiteral("lstPrets"));
    for (int i = 0; i < liste->count(); ++i)
        vu.prets << liste->item(i)->text();
    vu.lissage = d.findChild<QComboBox*>(QStringLiteral("cboLissage"))->currentText();
    vu.palier = d.findChild<QLabel*>(QStringLiteral("lblPalier"))->text();
    vu.motif = d.findChild<QLabel*>(QStringLiteral("lblMotif"))->text();
    const QAbstractItemModel* modele = d.findChild<QTreeView*>(QStringLiteral("lvwPeriodes"))->model();
    vu.periodes = modele->rowCount();
    if (vu.periodes >= 240)
        vu.periode240 = modele->index(239, modele->columnCount() - 1).data().toString();
    vu.series = d.findChild<QChartView*>(QStringLiteral("grfParts"))->chart()->series().size();
    return vu;
}

} // namespace

class frmPlanFinancementTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    // The loan on screen and a 0 % loan added as a document: the longer is smoothed, the level is
    // paid every period, the rows can be copied and exported to a workbook (its sheets are the CLI
    // test's, by the same writer); removing one loan leaves a plan that says why it is none.
    void lissageDepuisLaFenetrePrincipale() {
        PosteOuvert w;
        w.calcule("160000", "300", "3,5");
        const QString ptz = w.chemin("ptz.amx");
        QCOMPARE(
            EnregistreDocument(ptz, {"40000", "240", "0", "", "", Frequence::Mois, 2007y / January / 31}),
            std::nullopt);
        w.interactions.listesFichiers.push_back({ptz});
        const QString classeur = w.chemin("plan.xlsx");
        w.interactions.fichiers.push_back(classeur);
        const QString pdf = w.chemin("plan.pdf");
        w.interactions.fichiers.push_back(pdf);
        const QString lisse = w.chemin("lisse.amx");
        w.interactions.fichiers.push_back(lisse);
        Vu avecLesDeux, apresRetrait;
        QString copie;
        RepondAuDialogue<frmPlanFinancement>([&](frmPlanFinancement& d) {
            QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdAjouter")), Qt::LeftButton);
            avecLesDeux = Lit(d);
            QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdCopier")), Qt::LeftButton);
            copie = QApplication::clipboard()->text().section('\n', 0, 1);
            QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdClasseur")), Qt::LeftButton);
            QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdExporterPdf")), Qt::LeftButton);
            QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdEnregistrer")), Qt::LeftButton);
            QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdRetirer")), Qt::LeftButton);
            apresRetrait = Lit(d);
        });
        w.f->findChild<QAction*>(QStringLiteral("mnuPlanFinancement"))->trigger();
        QCOMPARE(avecLesDeux.prets, QStringList({"Prêt en cours", "ptz.amx"}));
        QCOMPARE(avecLesDeux.lissage, "Prêt en cours");
        QCOMPARE(avecLesDeux.palier, "944,87");
        QCOMPARE(avecLesDeux.periodes, 300);
        QCOMPARE(avecLesDeux.periode240, "944,87");
        QCOMPARE(avecLesDeux.series, 2);
        QCOMPARE(copie, "N°\tDate\tPrêt en cours\tptz.amx\tTotal\n1\t31/01/2007\t778,20\t166,67\t944,87");
        const auto demande = [&](std::size_t depuisLaFin) {
            const auto& d = w.interactions.demandes[w.interactions.demandes.size() - depuisLaFin];
            return d.titre + " : " + QFileInfo(d.fichierPropose).fileName();
        };
        QCOMPARE(demande(3), "Exporter vers un classeur : Plan de financement.xlsx");
        QCOMPARE(demande(2), "Exporter en PDF : Plan de financement.pdf");
        QCOMPARE(demande(1), "Enregistrer le prêt lissé : Prêt lissé.amx");
        // The smoothed loan's document carries its smoothing (its rows are the engine's tests').
        const auto document = LitDocument(lisse, ConventionsFrancaises());
        const auto* relu = std::get_if<SaisieEmprunt>(&document);
        QVERIFY(relu);
        QCOMPARE(relu->modalites.lissage, "166,67*239;165,87");
        QCOMPARE(w.interactions.messages.size(), 0u);
        QCOMPARE(QFileInfo(classeur).size() > 0, true);
        // The pages are the composer's (tests/output/plan); the window hands it the plan shown.
        QCOMPARE(poppler::Lignes(pdf).value(1), "Échéance totale, hors assurance : 944,87");
        QCOMPARE(apresRetrait.prets, QStringList({"Prêt en cours"}));
        QCOMPARE(apresRetrait.palier, "");
        QCOMPARE(apresRetrait.motif,
                 "Un plan de financement réunit au moins deux prêts, dont un prêt de lissage.");
    }
};

QTEST_MAIN(frmPlanFinancementTest)
#include "frmPlanFinancementTest.moc"
