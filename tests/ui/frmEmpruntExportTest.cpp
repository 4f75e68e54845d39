#include "../commun/Fichiers.h"
#include "ControlesEmprunt.h"
#include "LectureClasseur.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <clocale>

using namespace amortix;

namespace {

QString Curseur() {
    const QCursor* c = QApplication::overrideCursor();
    return c ? QString::number(c->shape()) : QStringLiteral("aucun");
}

// The worked example under another workbook header, the TEG asked for; the pointer noted whenever a
// program would start.
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
               interactions.messages[0].icone == IconeMessage::Critique &&
               interactions.messages[0].titre ==
                   QStringLiteral("Amortix - Code pour débogage : ") + QLatin1String(etape) &&
               interactions.dernierTexte().startsWith(texte);
    }
};

QString Cellule(const QString& classeur, const char* nom) {
    return DecritCellule(
        LitClasseur(classeur)[QLatin1String("cellules")].toObject()[QLatin1String(nom)].toObject());
}

} // namespace

class frmEmpruntExportTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { std::setlocale(LC_NUMERIC, "C"); }
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    // The window's texts, read with the window's locale, handed to LibreOffice as a new document,
    // each export a new workbook in a new folder.
    void exportVersLibreOffice_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("derniereDate");
        QTest::addColumn<QString>("teg");
        QTest::newRow("français") << QLocale(QLocale::French, QLocale::France) << "31/12/2007"
                                  << " TEG: 6,1667 %";
        QTest::newRow("anglais") << QLocale(QLocale::English, QLocale::UnitedStates) << "12/31/2007"
                                 << " TEG: 6.1667 %";
    }
    void exportVersLibreOffice() {
        QFETCH(QLocale, locale);
        QFETCH(QString, derniereDate);
        QFETCH(QString, teg);
        QLocale::setDefault(locale);
        Fenetre w;
        w.exporte();
        QVERIFY(w.interactions.messages.empty() && w.interactions.documents.empty());
        QVERIFY(w.interactions.lancements.size() == 1 &&
                w.interactions.lancements[0].programme == QStringLiteral("/usr/bin/soffice"));
        QCOMPARE(w.interactions.lancements[0].arguments.mid(0, 2), QStringList({"--calc", "-n"}));
        const QFileInfo fichier(w.interactions.lancements[0].arguments.value(2));
        QVERIFY(fichier.exists() && fichier.suffix() == "xlsx" &&
                fichier.dir().dirName().startsWith("amortix-"));
        QCOMPARE(w.curseursPendantLancement, QStringList{QString::number(Qt::WaitCursor)});
        QCOMPARE(Curseur(), QStringLiteral("aucun"));
        QCOMPARE(Cellule(fichier.filePath(), "A1"),
                 QStringLiteral("«Mon en-tête» | Arial 10 gras italique | centre/-"));
        QCOMPARE(Cellule(fichier.filePath(), "E5"), QStringLiteral("«%1» | Arial 8 | -/centre").arg(teg));
        QCOMPARE(Cellule(fichier.filePath(), "B22"),
                 QStringLiteral("«%1» | Arial 10 | droite/- | apostrophe | traits fin/cheveu/fin/fin")
                     .arg(derniereDate));
        w.exporte();
        QCOMPARE(w.interactions.lancements.size(), 2u);
        QVERIFY(w.interactions.lancements[1].arguments.value(2) != fichier.filePath());
    }

    // No LibreOffice: the desktop's application for the file. LibreOffice that does not start, then
    // no application at all: the file stays, and the message says where.
    void sansLibreOfficeNiTableur() {
        Fenetre w(false);
        w.exporte();
        QVERIFY(w.interactions.lancements.empty() && w.interactions.messages.empty());
        QVERIFY(w.interactions.documents.size() == 1 &&
                QFile::exists(w.interactions.documents[0].toLocalFile()));
        w.interactions.programmes[QStringLiteral("soffice")] = QStringLiteral("/opt/soffice");
        w.interactions.lancementReussi = w.interactions.documentOuvert = false;
        w.exporte();
        QVERIFY(w.interactions.lancements.size() == 1 && w.interactions.documents.size() == 2);
        const QString chemin = w.interactions.documents[1].toLocalFile();
        QVERIFY(QFile::exists(chemin));
        QVERIFY(w.signale(
            "16",
            QStringLiteral("Erreur 429\r\nAucun tableur n'a pu ouvrir le classeur ; il a été enregistré "
                           "dans « %1 ».\r\n\r\nExcel n'est probablement pas installé sur votre "
                           "ordinateur.")
                .arg(chemin)));
        QCOMPARE(Curseur(), QStringLiteral("aucun"));
    }

    // A cell of the list that is not a number: the busy pointer gone before the box, the window as
    // it was.
    void celluleDeLaListeQuiNEstPasUnNombre() {
        Fenetre w;
        auto* modele = w.f->findChild<ModeleEcheancier*>();
        std::vector<LigneTableau> lignes = modele->lignes();
        lignes[3][Colonne::CapitalRestant] = "n/a";
        modele->remplace(lignes);
        QString curseurPendantMessage;
        w.interactions.pendantMessage = [&](const auto&) { curseurPendantMessage = Curseur(); };
        w.exporte();
        QVERIFY(w.interactions.lancements.empty() && w.interactions.documents.empty());
        QVERIFY(w.signale(
            "12", QStringLiteral("Erreur 13\r\nIncompatibilité de type : « n/a » n'est pas un nombre.\r\n\r\n"
                                 "Excel n'est probablement pas installé sur votre ordinateur.")));
        QCOMPARE(curseurPendantMessage, QStringLiteral("aucun"));
        QVERIFY(w.f->modeleListe()->texte(3, 6) == "n/a" && w.c().cmdExportExcel->isEnabled());
    }

    // Saved where asked, nothing handed to any application; a failure leaves the file that was there
    // untouched and no stray file beside it; a folder that does not exist stops it at once.
    void exporterVersUnClasseur() {
        Fenetre w;
        const QString chemin = w.chemin("prêt.xlsx");
        w.interactions.fichiers.push_back(chemin);
        w.c().mnuExporterClasseur->trigger();
        QVERIFY(w.interactions.demandes[0].filtre == QStringLiteral("Classeur Excel (*.xlsx)") &&
                w.interactions.demandes[0].fichierPropose.endsWith("/Tableau d'amortissement.xlsx"));
        QVERIFY(w.interactions.messages.empty() && w.interactions.lancements.empty() &&
                w.interactions.documents.empty());
        QCOMPARE(Cellule(chemin, "G7"), QStringLiteral("327.96 | #,##0.00 | Arial 10 gras"));
        const QByteArray avant = Contenu(chemin);
        w.c().lblCoutTotal->setText(QStringLiteral("beaucoup"));
        w.interactions.fichiers.push_back(chemin);
        w.c().mnuExporterClasseur->trigger();
        QVERIFY(w.signale(
            "7",
            QStringLiteral("Erreur 13\r\nIncompatibilité de type : « beaucoup » n'est pas un nombre.\r\n\r\n"
                           "Le classeur n'a pas été enregistré.")));
        QCOMPARE(Contenu(chemin), avant);
        QCOMPARE(QDir(w.dossier.path()).entryList(QDir::Files), QStringList{QStringLiteral("prêt.xlsx")});
        w.interactions.messages.clear();
        w.interactions.fichiers.push_back(w.chemin("absent/x.xlsx"));
        w.c().mnuExporterClasseur->trigger();
        QVERIFY(w.signale("1", QStringLiteral("Erreur 5\r\nLe fichier « ")));
    }
};

QTEST_MAIN(frmEmpruntExportTest)
#include "frmEmpruntExportTest.moc"
