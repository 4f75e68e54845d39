#include "ControlesEmprunt.h"
#include "Fichiers.h"
#include "LectureClasseur.h"
#include "Poppler.h"

#include <QDir>
#include <QFileInfo>

using namespace amortix;

namespace {

QString Curseur() {
    const QCursor* c = QApplication::overrideCursor();
    return c ? QString::number(c->shape()) : QStringLiteral("aucun");
}

// The worked example, another workbook header, the TEG asked for; the pointer noted when a program starts.
struct Fenetre : Poste {
    QStringList curseursPendantLancement;

    explicit Fenetre(bool libreOffice = true) {
        module.blnTEGDansExcel = true;
        if (libreOffice)
            interactions.programmes[QStringLiteral("soffice")] = QStringLiteral("/usr/bin/soffice");
        interactions.pendantLancement = [this] { curseursPendantLancement << Curseur(); };
        ouvre();
        module.strEnteteExcel = QStringLiteral("Mon en-tête"); // after the window has read the store
        calcule();
    }
    ~Fenetre() {
        // The exports' folders belong to the spreadsheet application once handed over.
        for (const auto& lancement : interactions.lancements)
            QDir(QFileInfo(lancement.arguments.last()).path()).removeRecursively();
        for (const QUrl& document : interactions.documents)
            QDir(QFileInfo(document.toLocalFile()).path()).removeRecursively();
    }
    void exporte() const { QTest::mouseClick(c().cmdExportExcel, Qt::LeftButton); }
    bool signale(const char* etape, const QString& texte) const {
        return interactions.messages.size() == 1 &&
               interactions.montre(IconeMessage::Critique,
                                   "Amortix - Code pour débogage : " + QLatin1String(etape), texte);
    }
};

QString Cellule(const QString& classeur, const char* nom) {
    return DecritCellule(LitClasseur(classeur)["cellules"].toObject()[QLatin1String(nom)].toObject());
}

const QString Echec482 = QStringLiteral("Erreur 482\r\nL'impression n'a pas pu commencer.\r\n\r\nVous n'avez "
                                        "probablement aucune imprimante installée sur votre ordinateur.");

// A "printer" that writes a PDF file.
std::function<std::unique_ptr<QPrinter>()> ImprimantePdf(const QString& chemin) {
    return [chemin] {
        auto imprimante = std::make_unique<QPrinter>(QPrinter::HighResolution);
        imprimante->setOutputFormat(QPrinter::PdfFormat);
        imprimante->setOutputFileName(chemin);
        return imprimante;
    };
}

// The report's first line is the header; those below the heading row are the list's rows.
bool ReprendLaListe(const Poste& w, const QString& pdf) {
    const QStringList lignes = poppler::Lignes(pdf);
    QStringList rangees;
    for (int i = 0; i < w.lignes(); ++i)
        rangees << w.rangee(i);
    return lignes.value(0) == w.module.strEnteteImpression && lignes.mid(11) == rangees;
}

} // namespace

class frmEmpruntSortiesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { std::setlocale(LC_NUMERIC, "C"); }
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    // The window's texts, read with the window's locale, handed to LibreOffice as a new document,
    // each export a new workbook in a new folder; printed, the report is the window's texts, with no
    // image without a logo. No LibreOffice: the desktop's application for the file. LibreOffice that
    // does not start, then no application at all: the file stays, and the message says where.
    void exportVersUnTableur() {
        for (const auto& [locale, derniereDate, teg, montant] :
             {std::tuple{QLocale(QLocale::French, QLocale::France), "31/12/2007", " TEG: 6,1667 %",
                         "10000,00"},
              {QLocale(QLocale::English, QLocale::UnitedStates), "12/31/2007", " TEG: 6.1667 %",
               "10000.00"}}) {
            QLocale::setDefault(locale);
            Fenetre w;
            w.exporte();
            QCOMPARE(w.interactions.messages.size(), 0u);
            QCOMPARE(w.interactions.documents.size(), 0u);
            QCOMPARE(w.interactions.lancements.size(), 1u);
            QCOMPARE(w.interactions.lancements[0].programme, QStringLiteral("/usr/bin/soffice"));
            QCOMPARE(w.interactions.lancements[0].arguments.mid(0, 2), QStringList({"--calc", "-n"}));
            const QFileInfo fichier(w.interactions.lancements[0].arguments.value(2));
            QVERIFY(fichier.exists());
            QCOMPARE(fichier.suffix(), "xlsx");
            QCOMPARE(fichier.dir().dirName().left(8), "amortix-");
            QCOMPARE(w.curseursPendantLancement, QStringList{QString::number(Qt::WaitCursor)});
            QCOMPARE(Curseur(), "aucun");
            QCOMPARE(Cellule(fichier.filePath(), "A1"), "«Mon en-tête» | Arial 10 gras italique | centre/-");
            QCOMPARE(Cellule(fichier.filePath(), "E5"),
                     QStringLiteral("«%1» | Arial 8 | -/centre").arg(QLatin1String(teg)));
            QCOMPARE(Cellule(fichier.filePath(), "B22"),
                     QStringLiteral("«%1» | Arial 10 | droite/- | apostrophe | traits fin/cheveu/fin/fin")
                         .arg(QLatin1String(derniereDate)));
            w.exporte();
            QCOMPARE(w.interactions.lancements.size(), 2u);
            QCOMPARE_NE(w.interactions.lancements[1].arguments.value(2), fichier.filePath());
            const QString rapport = w.chemin("rapport.pdf");
            w.interactions.imprimante = ImprimantePdf(rapport);
            QTest::mouseClick(w.c().cmdImprimer, Qt::LeftButton);
            QVERIFY(ReprendLaListe(w, rapport));
            QCOMPARE(poppler::NombreImages(rapport), 0);
            QCOMPARE(poppler::Lignes(rapport).value(1), "Montant du crédit : " + QLatin1String(montant));
        }
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        Fenetre w(false);
        w.exporte();
        QCOMPARE(w.interactions.lancements.size(), 0u);
        QCOMPARE(w.interactions.messages.size(), 0u);
        QCOMPARE(w.interactions.documents.size(), 1u);
        QVERIFY(QFile::exists(w.interactions.documents[0].toLocalFile()));
        w.interactions.programmes[QStringLiteral("soffice")] = QStringLiteral("/opt/soffice");
        w.interactions.lancementReussi = w.interactions.documentOuvert = false;
        w.exporte();
        QCOMPARE(w.interactions.lancements.size(), 1u);
        QCOMPARE(w.interactions.documents.size(), 2u);
        const QString chemin = w.interactions.documents[1].toLocalFile();
        QVERIFY(QFile::exists(chemin));
        QCOMPARE(Curseur(), "aucun");
        QVERIFY(w.signale(
            "16",
            QStringLiteral("Erreur 429\r\nAucun tableur n'a pu ouvrir le classeur ; il a été enregistré "
                           "dans « %1 ».\r\n\r\nExcel n'est probablement pas installé sur votre "
                           "ordinateur.")
                .arg(chemin)));
    }

    // Saved where asked, nothing handed to any application; a failure leaves the file that was there
    // untouched and no stray file beside it; a folder that does not exist stops it at once. A cell of the
    // list that is not a number, handed over: the busy pointer gone before the box, the window as it was.
    void exporterVersUnClasseur() {
        Fenetre w;
        const QString chemin = w.chemin("prêt.xlsx");
        w.declenche(w.c().mnuExporterClasseur, chemin);
        QVERIFY(w.interactions.demande("Exporter vers un classeur", "Classeur Excel (*.xlsx)",
                                       "/Tableau d'amortissement.xlsx"));
        QCOMPARE(w.interactions.messages.size(), 0u);
        QCOMPARE(w.interactions.lancements.size(), 0u);
        QCOMPARE(w.interactions.documents.size(), 0u);
        QCOMPARE(Cellule(chemin, "G7"), "327.96 | #,##0.00 | Arial 10 gras");
        const QByteArray avant = Contenu(chemin);
        w.c().lblCoutTotal->setText(QStringLiteral("beaucoup"));
        w.declenche(w.c().mnuExporterClasseur, chemin);
        QVERIFY(w.signale("7",
                          "Erreur 13\r\nIncompatibilité de type : « beaucoup » n'est pas un nombre.\r\n\r\n"
                          "Le classeur n'a pas été enregistré."));
        QCOMPARE(Contenu(chemin), avant);
        QCOMPARE(QDir(w.dossier.path()).entryList(QDir::Files), QStringList{QStringLiteral("prêt.xlsx")});
        w.interactions.messages.clear();
        w.declenche(w.c().mnuExporterClasseur, w.chemin("absent/x.xlsx"));
        QVERIFY(w.signale("1", QStringLiteral("Erreur 5\r\nLe fichier « ")));
        w.interactions.messages.clear();
        w.c().lblCoutTotal->setText(QStringLiteral("327,96"));
        auto* modele = w.f->findChild<ModeleEcheancier*>();
        std::vector<LigneTableau> lignes = modele->lignes();
        lignes[3][Colonne::CapitalRestant] = "n/a";
        modele->remplace(lignes);
        QString curseurPendantMessage;
        w.interactions.pendantMessage = [&](const auto&) { curseurPendantMessage = Curseur(); };
        w.exporte();
        QCOMPARE(w.interactions.lancements.size(), 0u);
        QCOMPARE(w.interactions.documents.size(), 0u);
        QCOMPARE(curseurPendantMessage, "aucun");
        QCOMPARE(w.f->modeleListe()->texte(3, 6), "n/a");
        QCOMPARE(w.c().cmdExportExcel->isEnabled(), true);
        QVERIFY(w.signale("12", "Erreur 13\r\nIncompatibilité de type : « n/a » n'est pas un nombre.\r\n\r\n"
                                "Excel n'est probablement pas installé sur votre ordinateur."));
    }

    // The preview once computed, the TEG left out unless asked. No printer, or one that refuses the
    // document, from either command: the critical box, once the pointer is back. Printed under the
    // busy pointer, what the window shows: the header, the TEG of the label's tag when asked, the
    // costs, the list's rows, the logo. The PDF export cancelled: nothing written, nothing said;
    // through the keyboard, over a file already there; a folder that does not exist: the box says why.
    void apercuImpressionEtExportEnPdf() {
        PosteOuvert w;
        QVERIFY(!w.c().mnuApercuAvantImpression->isEnabled());
        w.module.strEnteteImpression = QStringLiteral("Agence du Centre - prêts immobiliers");
        w.calcule("10000", "12", "6", "15");
        const QString apercu = w.chemin("apercu.pdf"), imprime = w.chemin("imprimante.pdf");
        w.interactions.imprimanteApercu = ImprimantePdf(apercu);
        w.c().mnuApercuAvantImpression->trigger();
        QCOMPARE(w.interactions.apercus, 1);
        QCOMPARE(w.interactions.messages.size(), 0u);
        QVERIFY(ReprendLaListe(w, apercu));
        QCOMPARE(poppler::Lignes(apercu).value(3), "Taux d'intérêt : 6,00 %"); // no TEG asked
        bool curseurRendu = false;
        w.interactions.pendantMessage = [&](const auto&) { curseurRendu = !QApplication::overrideCursor(); };
        QTest::mouseClick(w.c().cmdImprimer, Qt::LeftButton);
        QCOMPARE(w.interactions.dernierTexte(), "Erreur 484\r\nAucune imprimante par défaut n'est définie." +
                                                    Echec482.mid(Echec482.indexOf("\r\n\r\n")));
        QCOMPARE(w.interactions.messages.back().icone, IconeMessage::Critique);
        QCOMPARE(curseurRendu, true);
        w.module.blnTEGDansExcel = true;
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::darkBlue);
        w.c().picLogo->setPixmap(QPixmap::fromImage(image));
        w.c().lblTEG->setProperty("tag", QStringLiteral("9,9999 %"));
        bool curseurAttente = false; // whether the busy pointer was shown as the printer was made
        w.interactions.imprimante = [&] {
            curseurAttente = Curseur() == QString::number(Qt::WaitCursor);
            return ImprimantePdf(imprime)();
        };
        QTest::mouseClick(w.c().cmdImprimer, Qt::LeftButton);
        QCOMPARE(w.interactions.messages.size(), 1u);
        QCOMPARE(curseurAttente, true);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(poppler::Lignes(imprime).mid(1, 9),
                 QStringList({"Montant du crédit : 10000,00", "Amortissement : 12 mois",
                              "Taux d'intérêt : 6,00 % (TEG: 9,9999 %)", "Assurance (fixe par éch.) : 15,00",
                              "Coût total du crédit : 507,96 dont :", "Intérêts : 327,96",
                              "Assurance : 180,00", "Frais de dossier : 0,00", "Tableau d'amortissement :"}));
        QVERIFY(ReprendLaListe(w, imprime));
        QCOMPARE(poppler::NombreImages(imprime), 1);
        QCOMPARE(w.rangee(0), "1 31/01/2007 875,66 50,00 15,00 810,66 9189,34");
        w.interactions.imprimante = ImprimantePdf(w.chemin("absent/imprimante.pdf"));
        QTest::mouseClick(w.c().cmdImprimer, Qt::LeftButton);
        QCOMPARE(w.interactions.dernierTexte(), Echec482);
        w.interactions.imprimanteApercu = ImprimantePdf(w.chemin("absent/apercu.pdf"));
        w.c().mnuApercuAvantImpression->trigger();
        QCOMPARE(w.interactions.messages.size(), 3u);
        QCOMPARE(w.interactions.dernierTexte(), Echec482);
        w.interactions.messages.clear();
        w.c().mnuExporterPdf->trigger();
        QCOMPARE(w.interactions.demandes.size(), 1u);
        QVERIFY(w.interactions.demande("Exporter en PDF", "Document PDF (*.pdf)",
                                       "/Tableau d'amortissement.pdf"));
        QVERIFY(Ecrit(w.chemin("export.pdf"), "ancien contenu"));
        w.interactions.fichiers.push_back(w.chemin("export.pdf"));
        QTest::keyClick(w.f.get(), Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(w.c().mnuFichier->isVisible());
        QTest::keyClick(w.c().mnuFichier, Qt::Key_P);
        QTRY_COMPARE(w.interactions.demandes.size(), std::size_t(2));
        QCOMPARE(w.interactions.messages.size(), 0u);
        QVERIFY(ReprendLaListe(w, w.chemin("export.pdf")));
        const QString absent = w.chemin("absent/export.pdf");
        w.declenche(w.c().mnuExporterPdf, absent);
        QVERIFY(w.interactions.montre(IconeMessage::Critique, QStringLiteral("Amortix"),
                                      "Erreur 5\r\nLe fichier « " + absent + " » n'a pas pu être écrit : "));
        const QString conseil =
            QStringLiteral("\r\n\r\nVérifiez que le dossier choisi existe et que vous pouvez y écrire.");
        QCOMPARE(w.interactions.dernierTexte().right(conseil.size()), conseil);
        QCOMPARE(QFile::exists(absent), false);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }
};

QTEST_MAIN(frmEmpruntSortiesTest)
#include "frmEmpruntSortiesTest.moc"
