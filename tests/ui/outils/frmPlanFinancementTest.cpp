#include "frmPlanFinancement.h"

#include "ControlesEmprunt.h"
#include "DestinationPdf.h"
#include "DialogueModal.h"
#include "DocumentEmprunt.h"
#include "Poppler.h"

#include <QAbstractSeries>
#include <QChartView>
#include <QClipboard>
#include <QFileInfo>
#include <QListWidget>

using namespace amortix;
using namespace std::chrono;
using Dialogue = InteractionsScriptees::Dialogue;

namespace {

struct Vu {
    QStringList prets;
    QString lissage, palier, motif;
    int periodes = 0;
    QString periode240; // its total
    qsizetype series = 0;
};

Vu Lit(const frmPlanFinancement& d) {
    Vu vu;
    const auto* liste = Controle<QListWidget>(d, "lstPrets");
    for (int i = 0; i < liste->count(); ++i)
        vu.prets << liste->item(i)->text();
    vu.lissage = Controle<QComboBox>(d, "cboLissage")->currentText();
    vu.palier = Controle<QLabel>(d, "lblPalier")->text();
    vu.motif = Controle<QLabel>(d, "lblMotif")->text();
    const auto* m = Controle<QTreeView>(d, "lvwPeriodes")->model();
    vu.periodes = m->rowCount();
    vu.periode240 = m->index(239, m->columnCount() - 1).data().toString();
    vu.series = Controle<QChartView>(d, "grfParts")->chart()->series().size();
    return vu;
}

} // namespace

class frmPlanFinancementTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale("fr_FR")); }

    // The longer of the two loans is smoothed, its level paid every period.
    void lissageDepuisLaFenetrePrincipale() {
        PosteOuvert w;
        w.calcule("160000", "300", "3,5");
        const QString ptz = w.chemin("ptz.amx");
        const SaisieEmprunt pretAZero = {"40000", "240", "0", "", "", Frequence::Mois, 2007y / 1 / 31};
        QCOMPARE(EnregistreDocument(ptz, pretAZero), std::nullopt);
        w.interactions.listesFichiers.push_back({ptz});
        const QString classeur = w.chemin("plan.xlsx");
        const QString pdf = w.chemin("plan.pdf");
        const QString lisse = w.chemin("lisse.amx");
        w.interactions.fichiers = {classeur, pdf, lisse};
        Vu avant, apres;
        QString copie;
        Dialogue versClasseur, versPdf, versLisse;
        RepondAuDialogue<frmPlanFinancement>([&](frmPlanFinancement& d) {
            const auto clique = [&](const char* bouton) {
                QTest::mouseClick(Controle<QPushButton>(d, bouton), Qt::LeftButton);
                return w.interactions.dialogue();
            };
            clique("cmdAjouter");
            avant = Lit(d);
            clique("cmdCopier");
            copie = QApplication::clipboard()->text();
            versClasseur = clique("cmdClasseur");
            versPdf = clique("cmdExporterPdf");
            versLisse = clique("cmdEnregistrer");
            clique("cmdRetirer");
            apres = Lit(d);
        });
        Controle<QAction>(*w.f, "mnuPlanFinancement")->trigger();
        QCOMPARE(avant.prets, QStringList({"Prêt en cours", "ptz.amx"}));
        QCOMPARE(avant.lissage, "Prêt en cours");
        QCOMPARE(avant.palier, "944,87");
        QCOMPARE(avant.periodes, 300);
        QCOMPARE(avant.periode240, "944,87");
        QCOMPARE(avant.series, 2);
        QCOMPARE(copie.section('\n', 0, 1), "N°\tDate\tPrêt en cours\tptz.amx\tTotal\n"
                                            "1\t31/01/2007\t778,20\t166,67\t944,87");
        QCOMPARE(versClasseur, (Dialogue{"Exporter vers un classeur", "Classeur Excel (*.xlsx)",
                                         "Plan de financement.xlsx"}));
        QCOMPARE(versPdf, (Dialogue{"Exporter en PDF", FiltrePdf, "Plan de financement.pdf"}));
        QCOMPARE(versLisse, (Dialogue{"Enregistrer le prêt lissé", FiltreDocuments, "Prêt lissé.amx"}));
        QCOMPARE(w.interactions.messages.size(), 0u);
        // Its rows are the engine's tests'; the document keeps them.
        const auto relu = LitDocument(lisse, ConventionsFrancaises());
        const auto* saisie = std::get_if<SaisieEmprunt>(&relu);
        QVERIFY(saisie);
        QCOMPARE(saisie->modalites.lissage, "166,67*239;165,87");
        QCOMPARE_GT(QFileInfo(classeur).size(), 0);
        // The pages are the composer's; the window hands it the plan.
        QCOMPARE(poppler::Lignes(pdf).value(1), "Échéance totale, hors assurance : 944,87");
        QCOMPARE(apres.prets, QStringList({"Prêt en cours"}));
        QCOMPARE(apres.palier, "");
        QCOMPARE(apres.motif, "Un plan de financement réunit au moins deux prêts, dont un prêt de lissage.");
    }
};

QTEST_MAIN(frmPlanFinancementTest)
#include "frmPlanFinancementTest.moc"
