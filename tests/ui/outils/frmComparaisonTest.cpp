#include "frmComparaison.h"

#include "ControlesEmprunt.h"
#include "DestinationPdf.h"
#include "DialogueModal.h"
#include "DocumentEmprunt.h"
#include "Fichiers.h"
#include "Poppler.h"

#include <QApplication>
#include <QBarSet>
#include <QChartView>
#include <QDir>
#include <QStackedBarSeries>
#include <QTableWidget>

using namespace amortix;
using namespace std::chrono;
using Message = InteractionsScriptees::Message;
using enum IconeMessage;
using Dialogue = InteractionsScriptees::Dialogue;

namespace {

// A mortgage (TAEG 3,37 %), two consumer credits (19,78 %, 9,70 %).
const auto Debut = 2007y / 1 / 31;
const std::pair<const char*, SaisieEmprunt> Publiees[] = {
    {"banque.amx", {"100000", "180", "2", "43,32", "2690", Frequence::Mois, Debut}},
    {"conso.amx", {"1500", "36", "16", "", "45", Frequence::Mois, Debut}},
    {"auto.amx", {"9000", "60", "9", "1,30", "", Frequence::Mois, Debut}},
};

constexpr int Cout = static_cast<int>(LigneComparaison::CoutTotal);
constexpr int Teg = static_cast<int>(LigneComparaison::TEG);
constexpr int Taeg = static_cast<int>(LigneComparaison::TAEG);
constexpr int Usure = static_cast<int>(LignesComparaison.size());

struct Comparaison : Poste {
    frmComparaison d{module, interactions};
    QTableWidget* table = Controle<QTableWidget>(d, "tblOffres");

    QStringList entetes() const {
        QStringList noms;
        for (int c = 0; c < table->columnCount(); ++c)
            noms << table->horizontalHeaderItem(c)->text();
        return noms;
    }
    QChart* graphe(const char* nom) { return Controle<QChartView>(d, nom)->chart(); }
    void clique(const char* nom) { QTest::mouseClick(Controle<QPushButton>(d, nom), Qt::LeftButton); }
    // As documents, a damaged one second, added at once.
    QStringList ajoute() {
        QStringList chemins;
        for (const auto& [fichier, saisie] : Publiees) {
            chemins << chemin(fichier);
            EnregistreDocument(chemins.back(), saisie);
        }
        chemins.insert(1, chemin("abime.amx"));
        Ecrit(chemins[1], "100000\r\n180\r\n");
        interactions.listesFichiers.push_back(chemins);
        clique("cmdAjouter");
        return chemins;
    }
};

} // namespace

class frmComparaisonTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale("fr_FR")); }

    // The first added is the one whose years are drawn.
    void ajouteExporteEtRetire() {
        Comparaison w;
        auto& in = w.interactions;
        const QStringList chemins = w.ajoute();
        QCOMPARE(in.dialogue(), (Dialogue{"Ouvrir", FiltreDocuments, ""}));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        const QStringList entetes = w.entetes();
        const QString abime = "le document n'a pas pu être ouvert : ";
        QCOMPARE(w.table->item(0, 1)->text().left(abime.size()), abime);
        QCOMPARE(w.table->rowSpan(0, 1), Usure + 1);
        QStringList banque; // all but its TEG
        for (int l = 0; l < Usure; ++l)
            banque << (l == Teg ? "" : w.table->item(l, 0)->text());
        QCOMPARE(banque, QStringList({"100000,00", "180 mois", "2,00 %", "43,32", "2690,00", "686,83",
                                      "686,61 le 31/12/2021", "123629,18", "26319,18", "15831,58", "7797,60",
                                      "", "3,37 %", "2,41 %", "0,96 %"}));

        QStringList gras, astuces;
        for (int l = 0; l < Usure; ++l)
            for (int c : {0, 2, 3}) {
                const auto* item = w.table->item(l, c);
                const QString ou = w.table->verticalHeaderItem(l)->text() + " " + entetes[c];
                if (item->font().bold())
                    gras << ou;
                if (!item->toolTip().isEmpty())
                    astuces << ou;
            }
        QCOMPARE(gras, QStringList({"Coût total conso.amx", "TAEG banque.amx"}));
        // The consumer credits' TAEGs are over the real-estate ceilings.
        QCOMPARE(astuces, gras + QStringList({"TAEG conso.amx", "TAEG auto.amx"}));

        QCOMPARE(w.graphe("graCapitalRestant")->series().size(), 3);

        // 2007 to 2021; interest 123 629,18 − 180 × 43,32 − 100 000.
        const QChart* annuel = w.graphe("graAnnuel");
        const auto sets = static_cast<QStackedBarSeries*>(annuel->series().at(0))->barSets();
        QCOMPARE(sets[0]->count(), 15);
        QCOMPARE(sets[0]->sum(), 100000.0);
        QCOMPARE(sets[1]->sum(), 15831.58);
        QCOMPARE(annuel->locale(), QLocale());

        // Not onto a folder's name; the page is the composer's, as amortix-cli's.
        const QDir dossier(w.dossier.path());
        QVERIFY(dossier.mkdir("dossier.pdf"));
        const QStringList avant = dossier.entryList();
        const QString pdf = w.chemin("comparaison.pdf");
        in.fichiers = {w.chemin("dossier.pdf"), pdf};
        w.clique("cmdExporterPdf");
        QCOMPARE(in.dernier(7), (Message{Critique, "Amortix", "Erreur "}));
        QCOMPARE(in.dernierTexte().right(CauseEchecPdf.size()), CauseEchecPdf);
        QCOMPARE(dossier.entryList(), avant);
        w.clique("cmdExporterPdf");
        QCOMPARE(in.dialogue(), (Dialogue{"Exporter en PDF", FiltrePdf, "Comparaison des offres.pdf"}));
        const QStringList lignes = poppler::Lignes(pdf);
        QCOMPARE(lignes.value(0), "Comparaison des offres");
        const QString copie = w.chemin("amortix-cli"); // reads the settings kept beside it
        QVERIFY(QFile::copy(AMORTIX_CLI, copie));
        Sortie(copie, QStringList{"compare", "--pdf", w.chemin("cli.pdf"), "--locale", "fr_FR"} + chemins);
        QCOMPARE(poppler::Lignes(w.chemin("cli.pdf")), lignes);

        // The usury row follows the kind of credit; removing finds the marks again.
        const auto usure = [&w](int c) { return w.table->item(Usure, c)->text(); };
        const auto couleur = [&w](int c) { return w.table->item(Taeg, c)->foreground().color(); };
        QCOMPARE(usure(0), "4,59 % (immobilier, de 10 à moins de 20 ans)");
        QCOMPARE(couleur(0), QColor(Qt::black));
        Controle<QComboBox>(w.d, "cboNature")->setCurrentIndex(1);
        QCOMPARE(usure(2), "23,56 % (consommation, jusqu'à 3 000 €)");
        QCOMPARE(couleur(2), QColor(Qt::black));
        QCOMPARE(usure(3), "8,67 % (consommation, plus de 6 000 €)");
        QCOMPARE(couleur(3), QColor(Qt::red)); // 9,70 %
        const QString pourquoi = w.table->item(Taeg, 3)->toolTip();
        QVERIFY2(pourquoi.contains("au-dessus du taux d'usure 8,67 %"), qPrintable(pourquoi));
        w.table->setCurrentCell(0, 2);
        w.clique("cmdRetirer");
        QCOMPARE(w.entetes(), QStringList({"banque.amx", "abime.amx", "auto.amx"}));
        QCOMPARE(w.table->currentColumn(), 2);
        // Below 9 000 × 9 % × 5 + 60 × 1,30 of cost.
        QCOMPARE(w.table->item(Cout, 2)->font().bold(), true);
        QVERIFY(Active(w.d));
        w.table->setFocus();
        QStringList ordre;
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(qApp->focusWidget(), Qt::Key_Tab);
            const QWidget* vu = qApp->focusWidget();
            const QString texte = vu->property("text").toString();
            ordre << vu->objectName() + " " + QKeySequence::mnemonic(texte).toString();
        }
        QCOMPARE(ordre, QStringList({"cmdAjouter Alt+A", "cmdRetirer Alt+R", "cmdExporterPdf Alt+P",
                                     "cboNature ", "cmdFermer Alt+F"}));
        const auto demandes = in.demandes.size();
        QTest::keyClick(&w.d, Qt::Key_A, Qt::AltModifier); // clicks after a while
        QTRY_COMPARE(in.demandes.size(), demandes + 1);
        QTest::keyClick(&w.d, Qt::Key_Escape);
        QCOMPARE(w.d.isVisible(), false);
    }

    // The loan on screen comes first, once computed.
    void depuisLaFenetrePrincipale() {
        PosteOuvert w;
        const auto offres = [&w] {
            QStringList vu;
            RepondAuDialogue<frmComparaison>([&vu](frmComparaison& d) {
                const auto* t = Controle<QTableWidget>(d, "tblOffres");
                for (int c = 0; c < t->columnCount(); ++c)
                    vu << t->horizontalHeaderItem(c)->text() << t->item(Taeg, c)->text();
            });
            Controle<QAction>(*w.f, "mnuComparer")->trigger();
            return vu;
        };
        QCOMPARE(offres(), QStringList());
        w.calcule("100000", "180", "2", "43,32", "2690");
        QCOMPARE(offres(), QStringList({"Offre en cours", "3,37 %"}));
    }
};

QTEST_MAIN(frmComparaisonTest)
#include "frmComparaisonTest.moc"
