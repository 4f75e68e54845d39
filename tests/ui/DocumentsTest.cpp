#include "../commun/Fichiers.h"
#include "ControlesEmprunt.h"
#include "InteractionsScriptees.h"
#include "ModeleEcheancier.h"
#include "frmEmprunt.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace amortix;

namespace {

const QByteArray exemple = "150000,00\r\n240\r\n0\r\n4,50\r\n15,00\r\n500,00\r\n5\r\n3\r\n2004\r\n";

struct Poste {
    QTemporaryDir dossier;
    Module module;
    InteractionsScriptees interactions;
    std::unique_ptr<frmEmprunt> f;

    explicit Poste(const QString& ligneDeCommande = {}) {
        module.dossierReglages = dossier.path();
        f = std::make_unique<frmEmprunt>(module, interactions, ligneDeCommande);
    }
    QString chemin(const QString& nom) const { return dossier.filePath(nom); }
    int lignes() const { return f->modeleListe()->rowCount(); }
    // The fields as the window shows them.
    QStringList champs() const {
        return {Controles(*f).txtMontant->text(),
                Controles(*f).txtMensualite->text(),
                QString::number(Controles(*f).cboEcheance->currentIndex()),
                Controles(*f).txtTaux->text(),
                Controles(*f).txtAssurance->text(),
                Controles(*f).txtFraisDossier->text(),
                Controles(*f).DTPicker->date().toString(Qt::ISODate)};
    }
};

} // namespace

class DocumentsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void enregistrerPuisRouvrir() {
        Poste p;
        QCOMPARE(p.interactions.associations.size(), qsizetype(1));
        QVERIFY(p.interactions.associations[0].endsWith(QStringLiteral("/amortix")));

        Controles(*p.f).DTPicker->setDate(QDate(2004, 3, 5));
        QTest::keyClicks(Controles(*p.f).txtMontant, QStringLiteral("150000"));
        QTest::keyClicks(Controles(*p.f).txtMensualite, QStringLiteral("240"));
        QTest::keyClicks(Controles(*p.f).txtTaux, QStringLiteral("4.5"));
        QTest::keyClicks(Controles(*p.f).txtAssurance, QStringLiteral("15"));
        QTest::keyClicks(Controles(*p.f).txtFraisDossier, QStringLiteral("500"));
        QTest::mouseClick(Controles(*p.f).cmdCalculer, Qt::LeftButton);
        QVERIFY(Controles(*p.f).mnuEnregistrerSous->isEnabled());

        // Saved as typed, without an extension added; the title names the file.
        const QString chemin = p.chemin(QStringLiteral("pret"));
        p.interactions.fichiers = {chemin};
        Controles(*p.f).mnuEnregistrerSous->trigger();
        QCOMPARE(Contenu(chemin), exemple);
        QCOMPARE(p.f->windowTitle(), QStringLiteral("pret - Amortix"));
        QCOMPARE(p.interactions.demandes.back().filtre, QStringLiteral("Fichier Amortix (*.amx)"));
        QVERIFY(p.interactions.messages.empty());
        const QStringList premiereLigne = {p.f->modeleListe()->texte(0, 1), p.f->modeleListe()->texte(0, 2)};

        // Another window opens it: the same fields, the same schedule, the name in the title.
        Poste q;
        q.interactions.fichiers = {chemin};
        Controles(*q.f).mnuOuvrir->trigger();
        QVERIFY(q.interactions.messages.empty());
        QCOMPARE(q.champs(), p.champs());
        QCOMPARE(q.lignes(), 240);
        QCOMPARE(QStringList({q.f->modeleListe()->texte(0, 1), q.f->modeleListe()->texte(0, 2)}),
                 premiereLigne);
        QCOMPARE(q.f->windowTitle(), QStringLiteral("pret - Amortix"));

        // The dialog offers the file chosen last, for either command.
        Controles(*q.f).mnuOuvrir->trigger();
        QCOMPARE(q.interactions.demandes.back().fichierPropose, chemin);
        Controles(*q.f).mnuEnregistrerSous->trigger();
        QCOMPARE(q.interactions.demandes.back().fichierPropose, chemin);
        QVERIFY(q.interactions.messages.empty()); // cancelled: nothing said

        // An edit after opening brings the title back.
        QTest::keyClicks(Controles(*q.f).txtAssurance, QStringLiteral("0"));
        QCOMPARE(q.f->windowTitle(), QStringLiteral("Amortix"));
    }

    void unMauvaisDocumentNeChangeRien() {
        Poste p;
        Controles(*p.f).DTPicker->setDate(QDate(2007, 1, 31));
        Controles(*p.f).txtMontant->setText(QStringLiteral("10000"));
        Controles(*p.f).txtMensualite->setText(QStringLiteral("12"));
        Controles(*p.f).txtTaux->setText(QStringLiteral("6"));
        p.f->cmdCalculer_Click();
        const QStringList avant = p.champs();
        const QString titre = p.f->windowTitle();

        const std::pair<const char*, QByteArray> mauvais[] = {
            {"vide.amx", QByteArray()},
            {"cinq.amx", "150000,00\r\n240\r\n0\r\n4,50\r\n15,00\r\n"},
            {"sept.amx", QByteArray(exemple).replace("\r\n0\r\n", "\r\n7\r\n")},
            {"abc.amx", QByteArray(exemple).replace("\r\n0\r\n", "\r\nabc\r\n")},
            {"date.amx", QByteArray(exemple).replace("5\r\n3\r\n2004", "31\r\n2\r\n2004")},
        };
        for (const auto& [nom, octets] : mauvais) {
            const QString chemin = p.chemin(QString::fromUtf8(nom));
            QVERIFY(Ecrit(chemin, octets));
            p.interactions.messages.clear();
            p.interactions.fichiers = {chemin};
            Controles(*p.f).mnuOuvrir->trigger();
            QCOMPARE(p.champs(), avant);
            QCOMPARE(p.lignes(), 12);
            QCOMPARE(p.f->windowTitle(), titre);
            QCOMPARE(p.interactions.messages.size(), std::size_t(1));
            QCOMPARE(p.interactions.messages[0].icone, IconeMessage::Avertissement);
            QVERIFY(p.interactions.dernierTexte().startsWith(
                QStringLiteral("Le document « %1 » n'a pas pu être ouvert.\r\n")
                    .arg(QString::fromUtf8(nom))));
        }
        // A twelve-line document with a lone CR opens like its first nine lines.
        const QString douze = p.chemin(QStringLiteral("douze.amx"));
        QVERIFY(Ecrit(douze, QByteArray(exemple).replace("\r\n4,50\r\n", "\r4,50\r\n") + "a\r\nb\r\nc\r\n"));
        p.interactions.messages.clear();
        p.interactions.fichiers = {douze};
        Controles(*p.f).mnuOuvrir->trigger();
        QVERIFY(p.interactions.messages.empty());
        QCOMPARE(Controles(*p.f).txtTaux->text(), QStringLiteral("4,50"));
        QCOMPARE(p.lignes(), 240);
    }

    void unEnregistrementRateNeDetruitRien() {
        Poste p;
        Controles(*p.f).txtMontant->setText(QStringLiteral("10000"));
        Controles(*p.f).txtMensualite->setText(QStringLiteral("12"));
        Controles(*p.f).txtTaux->setText(QStringLiteral("6"));
        p.f->cmdCalculer_Click();
        // The chosen name is a folder: the write fails, the warning says so, the title stays.
        const QString chemin = p.chemin(QStringLiteral("ancien.amx"));
        QVERIFY(QDir(p.dossier.path()).mkpath(QStringLiteral("ancien.amx/contenu")));
        p.interactions.fichiers = {chemin};
        Controles(*p.f).mnuEnregistrerSous->trigger();
        QCOMPARE(p.interactions.messages.size(), std::size_t(1));
        QCOMPARE(p.interactions.messages[0].icone, IconeMessage::Avertissement);
        QVERIFY(p.interactions.dernierTexte().startsWith(
            QStringLiteral("Le document « ancien.amx » n'a pas pu être enregistré.\r\nErreur ")));
        QCOMPARE(p.f->windowTitle(), QStringLiteral("Amortix"));
        QVERIFY(QFileInfo(QDir(chemin).filePath(QStringLiteral("contenu"))).isDir());
    }

    void documentSurLaLigneDeCommande() {
        QTemporaryDir dossier;
        QVERIFY(QDir(dossier.path()).mkdir(QStringLiteral("mes prêts")));
        const QString chemin = dossier.filePath(QStringLiteral("mes prêts/essai 1.amx"));
        QVERIFY(Ecrit(chemin, exemple));
        {
            // The command line joined into one path, spaces and all.
            Poste p(chemin);
            QVERIFY(p.interactions.messages.empty());
            QCOMPARE(Controles(*p.f).txtMontant->text(), QStringLiteral("150000,00"));
            QCOMPARE(p.lignes(), 240);
            QCOMPARE(p.f->windowTitle(), QStringLiteral("essai 1.amx - Amortix"));
        }
        {
            // A document that does not exist: said, and the window opens normally.
            Poste p(dossier.filePath(QStringLiteral("absent.amx")));
            QCOMPARE(p.interactions.messages.size(), std::size_t(1));
            QVERIFY(p.interactions.dernierTexte().startsWith(
                QStringLiteral("Le document « absent.amx » n'a pas pu être ouvert.")));
            QVERIFY(Controles(*p.f).txtMontant->text().isEmpty());
            QCOMPARE(p.f->windowTitle(), QStringLiteral("Amortix"));
            p.f->show();
            QVERIFY(p.f->isVisible());
        }
        {
            // A file that is not a loan document.
            const QString image = dossier.filePath(QStringLiteral("photo.jpg"));
            QVERIFY(Ecrit(image, QByteArray(5000, '\xff')));
            Poste p(image);
            QCOMPARE(p.interactions.messages.size(), std::size_t(1));
            QVERIFY(Controles(*p.f).txtMontant->text().isEmpty());
        }
    }
};

QTEST_MAIN(DocumentsTest)
#include "DocumentsTest.moc"
