#include "../commun/Fichiers.h"
#include "../output/rapport/Poppler.h"
#include "ControlesEmprunt.h"

#include <QApplication>
#include <QFile>
#include <QPrinter>

using namespace amortix;

namespace {

const QString CauseImprimante =
    QStringLiteral("\r\n\r\nVous n'avez probablement aucune imprimante installée sur votre ordinateur.");

// A "printer" that writes a PDF file; it also notes whether the busy pointer was shown meanwhile.
std::function<std::unique_ptr<QPrinter>()> ImprimantePdf(const QString& chemin,
                                                         bool* curseurAttente = nullptr) {
    return [chemin, curseurAttente] {
        if (curseurAttente)
            *curseurAttente =
                QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        auto imprimante = std::make_unique<QPrinter>(QPrinter::HighResolution);
        imprimante->setOutputFormat(QPrinter::PdfFormat);
        imprimante->setOutputFileName(chemin);
        return imprimante;
    };
}

// The worked example with 15 of insurance, under the header the customisation dialog would set.
void CalculeExemple(Poste& w) {
    if (!w.f)
        w.ouvre();
    w.module.strEnteteImpression = QStringLiteral("Agence du Centre - prêts immobiliers");
    w.calcule("10000", "12", "6", "15");
}

// The report's lines below the heading row are the list's rows, numbered from 1.
bool RangeesDeLaListe(const Poste& w, const QStringList& lignes) {
    QStringList rangees;
    for (int i = 0; i < w.lignes(); ++i)
        rangees << w.rangee(i);
    return lignes.mid(11) == rangees;
}

} // namespace

class frmEmpruntImpressionTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    // No printer, or one that refuses the document: the critical box, once the pointer is back.
    void sansImprimanteOuEnErreur() {
        Poste w;
        CalculeExemple(w);
        bool curseurRendu = false;
        w.interactions.pendantMessage = [&](const auto&) { curseurRendu = !QApplication::overrideCursor(); };
        QTest::mouseClick(w.c().cmdImprimer, Qt::LeftButton);
        QVERIFY(w.interactions.montre(IconeMessage::Critique, QStringLiteral("Amortix"),
                                      "Erreur 484\r\nAucune imprimante par défaut n'est définie." +
                                          CauseImprimante));
        QVERIFY(curseurRendu);
        w.interactions.imprimante = ImprimantePdf(w.chemin("absent/imprimante.pdf"));
        QTest::mouseClick(w.c().cmdImprimer, Qt::LeftButton);
        QCOMPARE(w.interactions.dernierTexte(),
                 "Erreur 482\r\nL'impression n'a pas pu commencer." + CauseImprimante);
    }

    // What the window shows, under the busy pointer: the header, the TEG of the label's tag when
    // asked, the costs, the list's rows, the logo.
    void imprimeCeQueMontreLaFenetre() {
        Poste w;
        w.module.blnTEGDansExcel = true;
        CalculeExemple(w);
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::darkBlue);
        w.c().picLogo->setPixmap(QPixmap::fromImage(image));
        w.c().lblTEG->setProperty("tag", QStringLiteral("9,9999 %"));
        bool curseurAttente = false;
        w.interactions.imprimante = ImprimantePdf(w.chemin("imprimante.pdf"), &curseurAttente);
        QTest::mouseClick(w.c().cmdImprimer, Qt::LeftButton);
        QVERIFY(w.interactions.messages.empty() && curseurAttente && !QApplication::overrideCursor());
        const QStringList lignes = poppler::Lignes(w.chemin("imprimante.pdf"));
        QCOMPARE(lignes.mid(0, 10),
                 QStringList({"Agence du Centre - prêts immobiliers", "Montant du crédit : 10000,00",
                              "Amortissement : 12 mois", "Taux d'intérêt : 6,00 % (TEG: 9,9999 %)",
                              "Assurance (fixe par éch.) : 15,00",
                              "Coût total du crédit : 507,96 dont :", "Intérêts : 327,96",
                              "Assurance : 180,00", "Frais de dossier : 0,00", "Tableau d'amortissement :"}));
        QVERIFY(RangeesDeLaListe(w, lignes));
        QCOMPARE(lignes.at(11), QStringLiteral("1 31/01/2007 875,66 50,00 15,00 810,66 9189,34"));
        QCOMPARE(poppler::NombreImages(w.chemin("imprimante.pdf")), 1);
    }

    void imprimeEnAnglaisSansTEG() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Poste w;
        CalculeExemple(w);
        w.interactions.imprimante = ImprimantePdf(w.chemin("anglais.pdf"));
        QTest::mouseClick(w.c().cmdImprimer, Qt::LeftButton);
        const QStringList lignes = poppler::Lignes(w.chemin("anglais.pdf"));
        QCOMPARE(lignes.at(1), QStringLiteral("Montant du crédit : 10000.00"));
        QCOMPARE(lignes.at(3), QStringLiteral("Taux d'intérêt : 6.00 %"));
        QCOMPARE(lignes.at(11), QStringLiteral("1 1/31/2007 875.66 50.00 15.00 810.66 9189.34"));
        QCOMPARE(poppler::NombreImages(w.chemin("anglais.pdf")), 0);
    }

    // Once computed; a printer that fails from the preview gives the print button's box.
    void apercuAvantImpression() {
        Poste w;
        w.ouvre();
        QVERIFY(!w.c().mnuApercuAvantImpression->isEnabled());
        CalculeExemple(w);
        w.interactions.imprimanteApercu = ImprimantePdf(w.chemin("apercu.pdf"));
        w.c().mnuApercuAvantImpression->trigger();
        QVERIFY(w.interactions.apercus == 1 && w.interactions.messages.empty());
        QVERIFY(RangeesDeLaListe(w, poppler::Lignes(w.chemin("apercu.pdf"))));
        w.interactions.imprimanteApercu = ImprimantePdf(w.chemin("absent/apercu.pdf"));
        w.c().mnuApercuAvantImpression->trigger();
        QCOMPARE(w.interactions.dernierTexte(),
                 "Erreur 482\r\nL'impression n'a pas pu commencer." + CauseImprimante);
    }

    // Cancelled: nothing written, nothing said. Through the keyboard, over a file already there. A
    // folder that does not exist: the box says why, the pointer is back.
    void exportEnPdf() {
        Poste w;
        CalculeExemple(w);
        w.c().mnuExporterPdf->trigger();
        QVERIFY(w.interactions.demandes.size() == 1 &&
                w.interactions.demandes[0].filtre == QStringLiteral("Document PDF (*.pdf)"));
        QVERIFY(w.interactions.demandes[0].fichierPropose.endsWith(
            QStringLiteral("/Tableau d'amortissement.pdf")));
        QVERIFY(Ecrit(w.chemin("export.pdf"), "ancien contenu"));
        w.interactions.fichiers.push_back(w.chemin("export.pdf"));
        QTest::keyClick(w.f.get(), Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(w.c().mnuFichier->isVisible());
        QTest::keyClick(w.c().mnuFichier, Qt::Key_P);
        QTRY_COMPARE(w.interactions.demandes.size(), std::size_t(2));
        QVERIFY(w.interactions.messages.empty());
        const QStringList lignes = poppler::Lignes(w.chemin("export.pdf"));
        QCOMPARE(lignes.value(0), w.module.strEnteteImpression);
        QVERIFY(RangeesDeLaListe(w, lignes));
        const QString absent = w.chemin("absent/export.pdf");
        w.interactions.fichiers.push_back(absent);
        w.c().mnuExporterPdf->trigger();
        QVERIFY(w.interactions.montre(IconeMessage::Critique, QStringLiteral("Amortix"),
                                      "Erreur 5\r\nLe fichier « " + absent + " » n'a pas pu être écrit : "));
        QVERIFY(!QFile::exists(absent) && !QApplication::overrideCursor());
    }
};

QTEST_MAIN(frmEmpruntImpressionTest)
#include "frmEmpruntImpressionTest.moc"
