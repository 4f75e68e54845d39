#include "../output/rapport/Poppler.h"
#include "ControlesEmprunt.h"
#include "InteractionsScriptees.h"
#include "ModeleEcheancier.h"
#include "frmEmprunt.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <memory>

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

struct Fenetre {
    Module module;
    InteractionsScriptees interactions;
    std::unique_ptr<frmEmprunt> f;
    QTemporaryDir dossier;

    Fenetre() {
        module.dossierReglages = dossier.path();
        f = std::make_unique<frmEmprunt>(module, interactions);
        // After the window has read the header store, as the customisation dialog would set it.
        module.strEnteteImpression = QStringLiteral("Agence du Centre - prêts immobiliers");
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
    }
    // The worked example: 10 000 at 6 % over 12 months from 31/01/2007, with 15 of insurance.
    void calculeExemple() const {
        Controles(*f).DTPicker->setDate(QDate(2007, 1, 31));
        QTest::keyClicks(Controles(*f).txtMontant, QStringLiteral("10000"));
        QTest::keyClicks(Controles(*f).txtMensualite, QStringLiteral("12"));
        QTest::keyClicks(Controles(*f).txtTaux, QStringLiteral("6"));
        QTest::keyClicks(Controles(*f).txtAssurance, QStringLiteral("15"));
        QTest::mouseClick(Controles(*f).cmdCalculer, Qt::LeftButton);
        QVERIFY(Controles(*f).cmdImprimer->isEnabled());
    }
    QString chemin(const char* nom) const { return dossier.filePath(QLatin1String(nom)); }
    // The list's rows as the report prints them: number, then the six texts.
    QStringList rangeesAffichees() const {
        QStringList rangees;
        const ModeleEcheancier* modele = f->modeleListe();
        for (int i = 0; i < modele->rowCount(); ++i) {
            QStringList cellules{QString::number(i + 1)};
            for (int j = 1; j < 7; ++j)
                cellules << modele->texte(i, j);
            rangees << cellules.join(QLatin1Char(' '));
        }
        return rangees;
    }
};

} // namespace

class frmEmpruntImpressionTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void sansImprimanteOuEnErreur() {
        Fenetre w;
        w.calculeExemple();
        bool curseurRendu = false;
        w.interactions.pendantMessage = [&](const auto&) { curseurRendu = !QApplication::overrideCursor(); };
        QTest::mouseClick(Controles(*w.f).cmdImprimer, Qt::LeftButton);
        QCOMPARE(w.interactions.messages.size(), std::size_t(1));
        const auto& message = w.interactions.messages.front();
        QCOMPARE(message.icone, IconeMessage::Critique);
        QCOMPARE(message.titre, QStringLiteral("Amortix"));
        QCOMPARE(message.texte,
                 "Erreur 484\r\nAucune imprimante par défaut n'est définie." + CauseImprimante);
        QVERIFY(curseurRendu);

        // A printer that refuses the document.
        w.interactions.imprimante = ImprimantePdf(w.chemin("absent/imprimante.pdf"));
        QTest::mouseClick(Controles(*w.f).cmdImprimer, Qt::LeftButton);
        QCOMPARE(w.interactions.messages.size(), std::size_t(2));
        QCOMPARE(w.interactions.messages.back().icone, IconeMessage::Critique);
        QCOMPARE(w.interactions.dernierTexte(),
                 "Erreur 482\r\nL'impression n'a pas pu commencer." + CauseImprimante);
        QVERIFY(!QApplication::overrideCursor());
    }

    void imprimeCeQueMontreLaFenetre() {
        Fenetre w;
        w.module.blnTEGDansExcel = true;
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::darkBlue);
        Controles(*w.f).picLogo->setPixmap(QPixmap::fromImage(image));
        Controles(*w.f).picLogo->resize(image.size());
        w.calculeExemple();
        const QString pdf = w.chemin("imprimante.pdf");
        bool curseurAttente = false;
        w.interactions.imprimante = ImprimantePdf(pdf, &curseurAttente);
        QTest::mouseClick(Controles(*w.f).cmdImprimer, Qt::LeftButton);
        QVERIFY(w.interactions.messages.empty());
        QVERIFY(curseurAttente);
        QVERIFY(!QApplication::overrideCursor());

        const QString teg = Controles(*w.f).lblTEG->property("tag").toString();
        QVERIFY(teg.endsWith(QStringLiteral(" %")));
        const QStringList lignes = poppler::Lignes(pdf);
        QCOMPARE(lignes.mid(0, 10),
                 QStringList({"Agence du Centre - prêts immobiliers", "Montant du crédit : 10000,00",
                              "Amortissement : 12 mois", "Taux d'intérêt : 6,00 % (TEG: " + teg + ")",
                              "Assurance (fixe par éch.) : 15,00",
                              "Coût total du crédit : 507,96 dont :", "Intérêts : 327,96",
                              "Assurance : 180,00", "Frais de dossier : 0,00", "Tableau d'amortissement :"}));
        QCOMPARE(lignes.mid(11), w.rangeesAffichees());
        QCOMPARE(lignes.at(11), QStringLiteral("1 31/01/2007 875,66 50,00 15,00 810,66 9189,34"));
        QCOMPARE(poppler::NombreImages(pdf), 1);
    }

    void imprimeEnAnglaisSansTEG() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Fenetre w;
        w.calculeExemple();
        const QString pdf = w.chemin("anglais.pdf");
        w.interactions.imprimante = ImprimantePdf(pdf);
        QTest::mouseClick(Controles(*w.f).cmdImprimer, Qt::LeftButton);
        QVERIFY(w.interactions.messages.empty());
        const QStringList lignes = poppler::Lignes(pdf);
        QCOMPARE(lignes.at(1), QStringLiteral("Montant du crédit : 10000.00"));
        QCOMPARE(lignes.at(3), QStringLiteral("Taux d'intérêt : 6.00 %"));
        QCOMPARE(lignes.mid(11), w.rangeesAffichees());
        QCOMPARE(lignes.at(11), QStringLiteral("1 1/31/2007 875.66 50.00 15.00 810.66 9189.34"));
        QCOMPARE(poppler::NombreImages(pdf), 0);
    }

    void apercuAvantImpression() {
        Fenetre w;
        QVERIFY(!Controles(*w.f).mnuApercuAvantImpression->isEnabled());
        w.calculeExemple();
        QVERIFY(Controles(*w.f).mnuApercuAvantImpression->isEnabled());
        const QString pdf = w.chemin("apercu.pdf");
        w.interactions.imprimanteApercu = ImprimantePdf(pdf);
        Controles(*w.f).mnuApercuAvantImpression->trigger();
        QCOMPARE(w.interactions.apercus, 1);
        QVERIFY(w.interactions.messages.empty());
        const QStringList lignes = poppler::Lignes(pdf);
        QCOMPARE(lignes.value(0), w.module.strEnteteImpression);
        QCOMPARE(lignes.mid(11), w.rangeesAffichees());

        // Printing from the preview on a printer that fails: the same box as the print button.
        w.interactions.imprimanteApercu = ImprimantePdf(w.chemin("absent/apercu.pdf"));
        Controles(*w.f).mnuApercuAvantImpression->trigger();
        QCOMPARE(w.interactions.dernierTexte(),
                 "Erreur 482\r\nL'impression n'a pas pu commencer." + CauseImprimante);
    }

    void exportEnPdf() {
        Fenetre w;
        w.calculeExemple();
        // Cancelled: nothing written, nothing said.
        Controles(*w.f).mnuExporterPdf->trigger();
        QCOMPARE(w.interactions.demandes.size(), std::size_t(1));
        QCOMPARE(w.interactions.demandes[0].titre, QStringLiteral("Exporter en PDF"));
        QCOMPARE(w.interactions.demandes[0].filtre, QStringLiteral("Document PDF (*.pdf)"));
        QVERIFY(w.interactions.demandes[0].fichierPropose.endsWith(
            QStringLiteral("/Tableau d'amortissement.pdf")));
        QVERIFY(w.interactions.messages.empty());

        // Through the keyboard, over a file already there.
        const QString pdf = w.chemin("export.pdf");
        QFile ancien(pdf);
        QVERIFY(ancien.open(QIODevice::WriteOnly));
        ancien.write("ancien contenu");
        ancien.close();
        w.interactions.fichiers.push_back(pdf);
        QTest::keyClick(w.f.get(), Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(Controles(*w.f).mnuFichier->isVisible());
        QTest::keyClick(Controles(*w.f).mnuFichier, Qt::Key_P);
        QTRY_COMPARE(w.interactions.demandes.size(), std::size_t(2));
        QVERIFY(w.interactions.messages.empty());
        const QStringList lignes = poppler::Lignes(pdf);
        QCOMPARE(lignes.value(0), w.module.strEnteteImpression);
        QCOMPARE(lignes.mid(11), w.rangeesAffichees());

        // A folder that does not exist: the box says why, the pointer is back.
        const QString absent = w.chemin("absent/export.pdf");
        w.interactions.fichiers.push_back(absent);
        Controles(*w.f).mnuExporterPdf->trigger();
        QCOMPARE(w.interactions.messages.size(), std::size_t(1));
        const auto& message = w.interactions.messages.front();
        QCOMPARE(message.icone, IconeMessage::Critique);
        QCOMPARE(message.titre, QStringLiteral("Amortix"));
        QVERIFY(
            message.texte.startsWith("Erreur 5\r\nLe fichier « " + absent + " » n'a pas pu être écrit : "));
        QVERIFY(message.texte.endsWith(
            QStringLiteral("\r\n\r\nVérifiez que le dossier choisi existe et que vous pouvez y écrire.")));
        QVERIFY(!QFile::exists(absent));
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(frmEmpruntImpressionTest)
#include "frmEmpruntImpressionTest.moc"
