#include "ControlesEmprunt.h"
#include "Fichiers.h"
#include "LectureClasseur.h"
#include "Poppler.h"

#include <QDir>
#include <QFileInfo>

using namespace amortix;
using Message = InteractionsScriptees::Message;
using Dialogue = InteractionsScriptees::Dialogue;

namespace {

QString Curseur() {
    const QCursor* c = QApplication::overrideCursor();
    return c ? QString::number(c->shape()) : "aucun";
}
const QString Attente = QString::number(Qt::WaitCursor);

// The worked example, the pointer noted at each launch.
struct Fenetre : Poste {
    QStringList curseurs;

    explicit Fenetre(bool libreOffice = true) {
        module.blnTEGDansExcel = true;
        if (libreOffice)
            interactions.programmes["soffice"] = "/usr/bin/soffice";
        interactions.pendantLancement = [this] { curseurs << Curseur(); };
        ouvre();
        module.strEnteteExcel = "Mon en-tête"; // once the store is read
        calcule();
    }
    ~Fenetre() {
        // The exports' folders are the spreadsheet's once handed over.
        for (const auto& l : interactions.lancements)
            QDir(QFileInfo(l.arguments.last()).path()).removeRecursively();
        for (const QUrl& d : interactions.documents)
            QDir(QFileInfo(d.toLocalFile()).path()).removeRecursively();
    }
    void exporte() const { QTest::mouseClick(c().cmdExportExcel, Qt::LeftButton); }
};

Message Critique(const QString& texte) {
    return {IconeMessage::Critique, "Amortix", texte};
}
Message Debogage(const char* etape, const QString& texte) {
    return {IconeMessage::Critique, QString("Amortix - Code pour débogage : ") + etape, texte};
}

QString Cellule(const QString& classeur, const char* nom) {
    return DecritCellule(LitClasseur(classeur).value("cellules")[QLatin1String(nom)].toObject());
}

const QString SansExcel = "Excel n'est probablement pas installé sur votre ordinateur.";
const QString Echec482 = "Erreur 482\r\nL'impression n'a pas pu commencer.\r\n\r\n"
                         "Vous n'avez probablement aucune imprimante installée sur votre ordinateur.";

std::function<std::unique_ptr<QPrinter>()> Pdf(const QString& chemin) {
    return [chemin] {
        auto page = std::make_unique<QPrinter>(QPrinter::HighResolution);
        page->setOutputFileName(chemin);
        return page;
    };
}

// The report's header line, then the rows below its heading row.
QStringList Releve(const QString& pdf) {
    const QStringList l = poppler::Lignes(pdf);
    return QStringList{l.value(0)} + l.mid(11);
}
// The same, as the window has them.
QStringList Affiche(const Poste& w) {
    QStringList lignes{w.module.strEnteteImpression};
    for (int i = 0; i < w.lignes(); ++i)
        lignes << w.rangee(i);
    return lignes;
}

// Texts as the row's locale writes them.
struct Langue {
    const char *date, *teg, *montant;
};

} // namespace

Q_DECLARE_METATYPE(Langue)

class frmEmpruntSortiesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { std::setlocale(LC_NUMERIC, "C"); }
    void init() { QLocale::setDefault(QLocale("fr_FR")); }
    void exportVersUnTableur_data();
    void exportVersUnTableur();
    void sansLibreOffice();
    void exporterVersUnClasseur();
    void apercuImpressionEtExportEnPdf();
};

void frmEmpruntSortiesTest::exportVersUnTableur_data() {
    QTest::addColumn<Langue>("langue");
    QTest::newRow("fr_FR") << Langue{.date = "31/12/2007", .teg = "6,1667 %", .montant = "10000,00"};
    QTest::newRow("en_US") << Langue{.date = "12/31/2007", .teg = "6.1667 %", .montant = "10000.00"};
}

// A new folder each time: no export writes over another.
void frmEmpruntSortiesTest::exportVersUnTableur() {
    QFETCH(Langue, langue);
    QLocale::setDefault(QLocale(QTest::currentDataTag()));
    Fenetre w;
    auto& in = w.interactions;
    w.exporte();
    QCOMPARE(in.documents.size(), 0u);
    QCOMPARE(in.lancements.size(), 1u);
    QCOMPARE(in.lancements[0].programme, "/usr/bin/soffice");
    const QString classeur = in.lancements[0].arguments.value(2);
    QCOMPARE(in.lancements[0].arguments, (QStringList{"--calc", "-n", classeur}));
    QCOMPARE(QFileInfo(classeur).dir().dirName().left(8), "amortix-");
    QCOMPARE(w.curseurs, QStringList{Attente});
    QCOMPARE(Curseur(), "aucun");
    QCOMPARE(Cellule(classeur, "A1"), "«Mon en-tête» | Arial 10 gras italique | centre/-");
    const QString teg = "« TEG: %1» | Arial 8 | -/centre";
    QCOMPARE(Cellule(classeur, "E5"), teg.arg(langue.teg));
    const QString date = "«%1» | Arial 10 | droite/- | apostrophe | traits fin/cheveu/fin/fin";
    QCOMPARE(Cellule(classeur, "B22"), date.arg(langue.date));
    w.exporte();
    QCOMPARE(in.lancements.size(), 2u);
    QCOMPARE_NE(in.lancements[1].arguments.value(2), classeur);
    const QString rapport = w.chemin("rapport.pdf");
    in.imprimante = Pdf(rapport);
    QTest::mouseClick(w.c().cmdImprimer, Qt::LeftButton);
    QCOMPARE(Releve(rapport), Affiche(w));
    QCOMPARE(poppler::NombreImages(rapport), 0);
    QCOMPARE(poppler::Lignes(rapport).value(1), QString("Montant du crédit : ") + langue.montant);
}

// No spreadsheet opens: the box says where the file is.
void frmEmpruntSortiesTest::sansLibreOffice() {
    Fenetre w(false);
    auto& in = w.interactions;
    w.exporte();
    QCOMPARE(in.lancements.size(), 0u);
    QCOMPARE(in.documents.size(), 1u);
    QCOMPARE(QFile::exists(in.documents[0].toLocalFile()), true);
    in.programmes["soffice"] = "/opt/soffice";
    in.lancementReussi = in.documentOuvert = false;
    w.exporte();
    QCOMPARE(in.lancements.size(), 1u);
    QCOMPARE(in.documents.size(), 2u);
    const QString chemin = in.documents[1].toLocalFile();
    QCOMPARE(QFile::exists(chemin), true);
    QCOMPARE(in.messages.size(), 1u);
    const QString texte =
        "Erreur 429\r\nAucun tableur n'a pu ouvrir le classeur ; il a été enregistré dans « %1 ».";
    QCOMPARE(in.dernier(), Debogage("16", texte.arg(chemin) + "\r\n\r\n" + SansExcel));
}

// A failed export leaves the old file whole.
void frmEmpruntSortiesTest::exporterVersUnClasseur() {
    Fenetre w;
    auto& in = w.interactions;
    QAction* commande = w.c().mnuExporterClasseur;
    const QString chemin = w.chemin("prêt.xlsx");
    w.declenche(commande, chemin);
    QCOMPARE(in.dialogue(), (Dialogue{"Exporter vers un classeur", "Classeur Excel (*.xlsx)",
                                      "Tableau d'amortissement.xlsx"}));
    QCOMPARE(in.lancements.size(), 0u);
    QCOMPARE(in.documents.size(), 0u);
    QCOMPARE(Cellule(chemin, "G7"), "327.96 | #,##0.00 | Arial 10 gras");
    const QByteArray avant = Contenu(chemin);
    w.c().lblCoutTotal->setText("beaucoup");
    w.declenche(commande, chemin);
    const QString type = "Erreur 13\r\nIncompatibilité de type : « %1 » n'est pas un nombre.\r\n\r\n";
    QCOMPARE(in.dernier(), Debogage("7", type.arg("beaucoup") + "Le classeur n'a pas été enregistré."));
    QCOMPARE(Contenu(chemin), avant);
    QCOMPARE(QDir(w.dossier.path()).entryList(QDir::Files), QStringList{"prêt.xlsx"});
    w.declenche(commande, w.chemin("absent/x.xlsx"));
    const QString debut = "Erreur 5\r\nLe fichier « ";
    QCOMPARE(in.dernier(debut.size()), Debogage("1", debut));

    w.c().lblCoutTotal->setText("327,96");
    auto* modele = w.f->findChild<ModeleEcheancier*>();
    auto lignes = modele->lignes();
    lignes[3][Colonne::CapitalRestant] = "n/a";
    modele->remplace(lignes);
    QString curseur;
    in.pendantMessage = [&](const auto&) { curseur = Curseur(); };
    w.exporte();
    QCOMPARE(in.lancements.size(), 0u);
    QCOMPARE(curseur, "aucun");
    QCOMPARE(w.c().cmdExportExcel->isEnabled(), true);
    QCOMPARE(in.dernier(), Debogage("12", type.arg("n/a") + SansExcel));
}

// Each output draws what the window shows.
void frmEmpruntSortiesTest::apercuImpressionEtExportEnPdf() {
    PosteOuvert w;
    auto& in = w.interactions;
    const ControlesEmprunt c = w.c();
    QCOMPARE(c.mnuApercuAvantImpression->isEnabled(), false);
    w.module.strEnteteImpression = "Agence du Centre - prêts immobiliers";
    w.calcule("10000", "12", "6", "15");
    const QString apercu = w.chemin("apercu.pdf");
    in.imprimanteApercu = Pdf(apercu);
    c.mnuApercuAvantImpression->trigger();
    QCOMPARE(in.apercus, 1);
    QCOMPARE(Releve(apercu), Affiche(w));
    QCOMPARE(poppler::Lignes(apercu).value(3), "Taux d'intérêt : 6,00 %");
    QString curseur;
    in.pendantMessage = [&](const auto&) { curseur = Curseur(); };
    QTest::mouseClick(c.cmdImprimer, Qt::LeftButton);
    const QString conseil = Echec482.mid(Echec482.indexOf("\r\n\r\n"));
    const QString aucune = "Erreur 484\r\nAucune imprimante par défaut n'est définie.";
    QCOMPARE(in.dernier(), Critique(aucune + conseil));
    QCOMPARE(curseur, "aucun");

    w.module.blnTEGDansExcel = true;
    QPixmap logo(40, 30);
    logo.fill(Qt::darkBlue);
    c.picLogo->setPixmap(logo);
    c.lblTEG->setProperty("tag", "9,9999 %");
    const QString imprime = w.chemin("imprimante.pdf");
    in.imprimante = [&] {
        curseur = Curseur();
        return Pdf(imprime)();
    };
    QTest::mouseClick(c.cmdImprimer, Qt::LeftButton);
    QCOMPARE(curseur, Attente);
    QCOMPARE(Curseur(), "aucun");
    const QStringList tete = poppler::Lignes(imprime);
    QCOMPARE(tete.value(3), "Taux d'intérêt : 6,00 % (TEG: 9,9999 %)");
    QCOMPARE(tete.value(5), "Coût total du crédit : 507,96 dont :");
    QCOMPARE(Releve(imprime), Affiche(w));
    QCOMPARE(poppler::NombreImages(imprime), 1);
    in.imprimante = Pdf(w.chemin("absent/imprimante.pdf"));
    QTest::mouseClick(c.cmdImprimer, Qt::LeftButton);
    QCOMPARE(in.dernier(), Critique(Echec482));
    in.imprimanteApercu = Pdf(w.chemin("absent/apercu.pdf"));
    in.messages.clear();
    c.mnuApercuAvantImpression->trigger();
    QCOMPARE(in.dernier(), Critique(Echec482));

    in.messages.clear();
    c.mnuExporterPdf->trigger(); // cancelled
    QCOMPARE(in.dialogue(),
             (Dialogue{"Exporter en PDF", "Document PDF (*.pdf)", "Tableau d'amortissement.pdf"}));
    const QString pdf = w.chemin("export.pdf");
    Ecrit(pdf, "ancien contenu");
    in.fichiers.push_back(pdf);
    QTest::keyClick(w.f.get(), Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(c.mnuFichier->isVisible());
    QTest::keyClick(c.mnuFichier, Qt::Key_P);
    QTRY_COMPARE(in.demandes.size(), 2u);
    QCOMPARE(in.messages.size(), 0u);
    QCOMPARE(Releve(pdf), Affiche(w));
    const QString absent = w.chemin("absent/export.pdf");
    w.declenche(c.mnuExporterPdf, absent);
    const QString texte = "Erreur 5\r\nLe fichier « " + absent + " » n'a pas pu être écrit : ";
    QCOMPARE(in.dernier(texte.size()), Critique(texte));
    const QString pourquoi = "\r\n\r\nVérifiez que le dossier choisi existe et que vous pouvez y écrire.";
    QCOMPARE(in.dernierTexte().right(pourquoi.size()), pourquoi);
    QCOMPARE(QFile::exists(absent), false);
}

QTEST_MAIN(frmEmpruntSortiesTest)
#include "frmEmpruntSortiesTest.moc"
