#include "ControlesEmprunt.h"
#include "InteractionsScriptees.h"
#include "LectureClasseur.h"
#include "ModeleEcheancier.h"
#include "frmEmprunt.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <clocale>
#include <memory>

using namespace amortix;

namespace {

const QString CauseExcel = QStringLiteral("Excel n'est probablement pas installé sur votre ordinateur.");

struct Fenetre {
    Module module;
    InteractionsScriptees interactions;
    std::unique_ptr<frmEmprunt> f;
    QStringList curseursPendantLancement;

    Fenetre() : f(std::make_unique<frmEmprunt>(module, interactions)) {
        module.strEnteteExcel = QStringLiteral("Mon en-tête");
        module.blnTEGDansExcel = true;
        interactions.pendantLancement = [this] { curseursPendantLancement << curseur(); };
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
    }
    ~Fenetre() {
        // The exports' folders belong to the spreadsheet application once handed over.
        for (const auto& lancement : interactions.lancements)
            QDir(QFileInfo(lancement.arguments.last()).path()).removeRecursively();
        for (const QUrl& document : interactions.documents)
            QDir(QFileInfo(document.toLocalFile()).path()).removeRecursively();
    }

    static QString curseur() {
        const QCursor* c = QApplication::overrideCursor();
        return c ? QString::number(c->shape()) : QStringLiteral("aucun");
    }
    // The worked example, typed: 10 000 at 6 % over 12 months from 31/01/2007.
    void calculeExemple() const {
        Controles(*f).DTPicker->setDate(QDate(2007, 1, 31));
        QTest::keyClicks(Controles(*f).txtMontant, QStringLiteral("10000"));
        QTest::keyClicks(Controles(*f).txtMensualite, QStringLiteral("12"));
        QTest::keyClicks(Controles(*f).txtTaux, QStringLiteral("6"));
        QTest::mouseClick(Controles(*f).cmdCalculer, Qt::LeftButton);
    }
    void exporte() const { QTest::mouseClick(Controles(*f).cmdExportExcel, Qt::LeftButton); }
};

QString Cellule(const QJsonObject& classeur, const char* nom) {
    return DecritCellule(classeur[QLatin1String("cellules")].toObject()[QLatin1String(nom)].toObject());
}

} // namespace

class frmEmpruntExportTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { std::setlocale(LC_NUMERIC, "C"); }
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    // The window's texts, read with the window's locale, handed to LibreOffice as a new document.
    void exportVersLibreOffice_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("montant");
        QTest::addColumn<QString>("derniereDate");
        QTest::addColumn<QString>("teg");
        QTest::newRow("français") << QLocale(QLocale::French, QLocale::France) << "10000,00"
                                  << "31/12/2007"
                                  << " TEG: 6,1667 %";
        QTest::newRow("anglais") << QLocale(QLocale::English, QLocale::UnitedStates) << "10000.00"
                                 << "12/31/2007"
                                 << " TEG: 6.1667 %";
    }
    void exportVersLibreOffice() {
        QFETCH(QLocale, locale);
        QFETCH(QString, montant);
        QFETCH(QString, derniereDate);
        QFETCH(QString, teg);
        QLocale::setDefault(locale);
        Fenetre w;
        w.interactions.programmes[QStringLiteral("soffice")] = QStringLiteral("/usr/bin/soffice");
        w.calculeExemple();
        QCOMPARE(Controles(*w.f).txtMontant->text(), montant);
        QVERIFY(Controles(*w.f).cmdExportExcel->isEnabled());
        w.exporte();

        QVERIFY(w.interactions.messages.empty());
        QVERIFY(w.interactions.documents.empty());
        QCOMPARE(w.interactions.lancements.size(), 1u);
        const auto& lancement = w.interactions.lancements.front();
        QCOMPARE(lancement.programme, QStringLiteral("/usr/bin/soffice"));
        QCOMPARE(lancement.arguments.mid(0, 2), QStringList({"--calc", "-n"}));
        const QFileInfo fichier(lancement.arguments.value(2));
        QVERIFY(fichier.exists());
        QCOMPARE(fichier.suffix(), QStringLiteral("xlsx"));
        QVERIFY(fichier.dir().dirName().startsWith(QLatin1String("amortix-")));
        QCOMPARE(w.curseursPendantLancement, QStringList{QString::number(Qt::WaitCursor)});
        QCOMPARE(Fenetre::curseur(), QStringLiteral("aucun"));

        QString erreurs;
        const QJsonObject lu = LitClasseur(fichier.filePath(), &erreurs);
        QVERIFY2(!lu.isEmpty(), qPrintable(erreurs));
        QCOMPARE(Cellule(lu, "A1"), QStringLiteral("«Mon en-tête» | Arial 10 gras italique | centre/-"));
        QCOMPARE(Cellule(lu, "D3"), QStringLiteral("10000 | #,##0.00 | Arial 10 gras"));
        QCOMPARE(Cellule(lu, "E5"), QStringLiteral("«%1» | Arial 8 | -/centre").arg(teg));
        QCOMPARE(Cellule(lu, "B22"),
                 QStringLiteral("«%1» | Arial 10 | droite/- | traits fin/cheveu/fin/fin").arg(derniereDate));

        // Each export is a new workbook in a new folder.
        w.exporte();
        QCOMPARE(w.interactions.lancements.size(), 2u);
        QVERIFY(w.interactions.lancements[1].arguments.value(2) != fichier.filePath());
    }

    void sansLibreOfficeNiTableur() {
        Fenetre w;
        w.module.blnTEGDansExcel = false;
        w.calculeExemple();
        // No LibreOffice: the desktop's application for the file.
        w.exporte();
        QVERIFY(w.interactions.lancements.empty());
        QCOMPARE(w.interactions.documents.size(), 1u);
        QVERIFY(w.interactions.documents[0].isLocalFile());
        QVERIFY(QFile::exists(w.interactions.documents[0].toLocalFile()));
        QVERIFY(w.interactions.messages.empty());

        // LibreOffice that does not start, then no application at all: the file stays, and the
        // message says where.
        w.interactions.programmes[QStringLiteral("soffice")] = QStringLiteral("/opt/soffice");
        w.interactions.lancementReussi = false;
        w.interactions.documentOuvert = false;
        w.exporte();
        QCOMPARE(w.interactions.lancements.size(), 1u);
        QCOMPARE(w.interactions.documents.size(), 2u);
        const QString chemin = w.interactions.documents[1].toLocalFile();
        QVERIFY(QFile::exists(chemin));
        QCOMPARE(w.interactions.messages.size(), 1u);
        const auto& message = w.interactions.messages[0];
        QCOMPARE(message.icone, IconeMessage::Critique);
        QCOMPARE(message.titre, QStringLiteral("Amortix - Code pour débogage : 16"));
        QCOMPARE(message.texte,
                 QStringLiteral("Erreur 429\r\nAucun tableur n'a pu ouvrir le classeur ; il a été "
                                "enregistré dans « %1 ».\r\n\r\n%2")
                     .arg(chemin, CauseExcel));
        QCOMPARE(Fenetre::curseur(), QStringLiteral("aucun"));
    }

    void celluleDeLaListeQuiNEstPasUnNombre() {
        Fenetre w;
        w.interactions.programmes[QStringLiteral("soffice")] = QStringLiteral("/usr/bin/soffice");
        w.calculeExemple();
        auto* modele = w.f->findChild<ModeleEcheancier*>();
        std::vector<LigneTableau> lignes = modele->lignes();
        lignes[3][Colonne::CapitalRestant] = "n/a";
        modele->remplace(lignes);
        QString curseurPendantMessage;
        w.interactions.pendantMessage = [&](const auto&) { curseurPendantMessage = Fenetre::curseur(); };
        w.exporte();

        QVERIFY(w.interactions.lancements.empty());
        QVERIFY(w.interactions.documents.empty());
        QCOMPARE(w.interactions.messages.size(), 1u);
        const auto& message = w.interactions.messages[0];
        QCOMPARE(message.icone, IconeMessage::Critique);
        QCOMPARE(message.titre, QStringLiteral("Amortix - Code pour débogage : 12"));
        QCOMPARE(message.texte,
                 QStringLiteral("Erreur 13\r\nIncompatibilité de type : « n/a » n'est pas un "
                                "nombre.\r\n\r\nExcel n'est probablement pas installé sur votre "
                                "ordinateur."));
        // The busy pointer is gone before the box, and the window is as it was.
        QCOMPARE(curseurPendantMessage, QStringLiteral("aucun"));
        QCOMPARE(w.f->modeleListe()->texte(3, 6), QStringLiteral("n/a"));
        QVERIFY(Controles(*w.f).cmdExportExcel->isEnabled());
    }

    void exporterVersUnClasseur() {
        Fenetre w;
        w.calculeExemple();
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("prêt.xlsx"));

        // Cancelled: nothing.
        QVERIFY(Controles(*w.f).mnuExporterClasseur->isEnabled());
        Controles(*w.f).mnuExporterClasseur->trigger();
        QCOMPARE(w.interactions.demandes.size(), 1u);
        QCOMPARE(w.interactions.demandes[0].titre, QStringLiteral("Exporter vers un classeur"));
        QCOMPARE(w.interactions.demandes[0].filtre, QStringLiteral("Classeur Excel (*.xlsx)"));
        QVERIFY(w.interactions.demandes[0].fichierPropose.endsWith(
            QLatin1String("/Tableau d'amortissement.xlsx")));
        QVERIFY(w.interactions.messages.empty());

        // Saved where asked, nothing handed to any application.
        w.interactions.fichiers.push_back(chemin);
        Controles(*w.f).mnuExporterClasseur->trigger();
        QVERIFY(w.interactions.messages.empty());
        QVERIFY(w.interactions.lancements.empty() && w.interactions.documents.empty());
        const QJsonObject lu = LitClasseur(chemin);
        QCOMPARE(lu[QLatin1String("feuilles")].toArray(), QJsonArray({QStringLiteral("Amortix")}));
        QCOMPARE(Cellule(lu, "G7"), QStringLiteral("327.96 | #,##0.00 | Arial 10 gras"));
        QFile fichier(chemin);
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        const QByteArray avant = fichier.readAll();
        fichier.close();

        // A failure leaves the file that was there untouched, and no stray file beside it.
        w.interactions.messages.clear();
        Controles(*w.f).lblCoutTotal->setText(QStringLiteral("beaucoup"));
        w.interactions.fichiers.push_back(chemin);
        Controles(*w.f).mnuExporterClasseur->trigger();
        QCOMPARE(w.interactions.messages.size(), 1u);
        QCOMPARE(w.interactions.messages[0].titre, QStringLiteral("Amortix - Code pour débogage : 7"));
        QCOMPARE(
            w.interactions.messages[0].texte,
            QStringLiteral("Erreur 13\r\nIncompatibilité de type : « beaucoup » n'est pas un nombre.\r\n\r\n"
                           "Le classeur n'a pas été enregistré."));
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        QCOMPARE(fichier.readAll(), avant);
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), QStringList{QStringLiteral("prêt.xlsx")});

        // A folder that does not exist: stopped at once.
        w.interactions.messages.clear();
        w.interactions.fichiers.push_back(dossier.filePath(QStringLiteral("absent/x.xlsx")));
        Controles(*w.f).mnuExporterClasseur->trigger();
        QCOMPARE(w.interactions.messages.size(), 1u);
        QCOMPARE(w.interactions.messages[0].titre, QStringLiteral("Amortix - Code pour débogage : 1"));
        QVERIFY(w.interactions.messages[0].texte.startsWith(QStringLiteral("Erreur 5\r\nLe fichier « ")));
    }
};

QTEST_MAIN(frmEmpruntExportTest)
#include "frmEmpruntExportTest.moc"
