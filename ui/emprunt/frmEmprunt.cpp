#include "frmEmprunt.h"

#include "AjusteLargeurColonnes.h"
#include "CalculEmprunt.h"
#include "Controles.h"
#include "ConventionsSysteme.h"
#include "CurseurAttente.h"
#include "FiltreSeparateurDecimal.h"
#include "Frequence.h"
#include "LectureNombres.h"
#include "Liens.h"
#include "ListeEcheancier.h"
#include "MessagesSaisie.h"
#include "ModeleEcheancier.h"
#include "SaisieDate.h"
#include "Twips.h"
#include "frmCalculManquant.h"
#include "frmModalites.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeView>
#include <optional>

namespace amortix {
namespace {

// The window's client area, in twips.
constexpr int LargeurClient = 7515;
constexpr int HauteurClient = 7785;

QPushButton* BoutonIcone(QWidget* parent, const char* nom, const char* icone, const QString& bulle,
                         int gauche) {
    auto* bouton = Place(new QPushButton(parent), nom, gauche, 1440, 600, 600);
    bouton->setIcon(QIcon(QStringLiteral(":/icones/%1.svg").arg(QLatin1String(icone))));
    bouton->setIconSize(QSize(32, 32));
    bouton->setToolTip(bulle);
    bouton->setAccessibleName(bulle);
    return bouton;
}

QAction* Entree(QMenu* menu, const char* nom, const QString& texte) {
    QAction* action = menu->addAction(texte);
    action->setObjectName(QLatin1String(nom));
    return action;
}

// The locale's short date format, with the year on four digits.
QString FormatDateQuatreChiffres(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    static const QRegularExpression anneeCourte(QStringLiteral("(?<!y)yy(?!y)"));
    return format.replace(anneeCourte, QStringLiteral("yyyy"));
}

void EcritSiDifferent(QLineEdit* champ, const std::string& texte) {
    const QString nouveau = DepuisUtf8(texte);
    if (champ->text() != nouveau)
        champ->setText(nouveau);
}

const QString TitreDetailsTEG = QStringLiteral("Détails TEG");

QString TexteDetailsTEG(const TextesTEG& textes) {
    return QStringLiteral(
               "TEG de période : %1\r\nTEG proportionnel : %2\r\nTEG actuariel : %3\r\n\r\n"
               "Pour plus d'informations sur le TEG, cliquez sur le menu Outils -> Options -> Infos TEG.")
        .arg(DepuisUtf8(textes.periode), DepuisUtf8(textes.proportionnel), DepuisUtf8(textes.actuariel));
}

} // namespace

frmEmprunt::frmEmprunt(Module& module, Interactions& interactions, const QString& ligneDeCommande,
                       QWidget* parent)
    : QMainWindow(parent), module_(module), interactions_(interactions) {
    setObjectName(QStringLiteral("frmEmprunt"));
    setWindowTitle(TitreAmortix);
    setWindowIcon(QIcon(QStringLiteral(":/icones/amortix.svg")));
    setFont(QFont(QStringLiteral("Arial"), 8));
    CreeControles();
    CreeMenus();
    Form_Load(ligneDeCommande);
}

void frmEmprunt::CreeControles() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("zoneClient"));
    client->setMinimumSize(Pixels(LargeurClient), Pixels(HauteurClient));
    setCentralWidget(client);

    Libelle(client, "Label1", QStringLiteral("Montant du crédit :"), 600, 330, 1575, 255);
    txtMontant = Place(new QLineEdit(client), "txtMontant", 2250, 270, 1335, 315);
    Libelle(client, "lblDuree", QStringLiteral("Amortissement :"), 600, 690, 1575, 255);
    txtMensualite = Place(new QLineEdit(client), "txtMensualite", 2250, 630, 555, 315);
    cboEcheance = Place(new QComboBox(client), "cboEcheance", 2850, 630, 1455, 315);
    for (const Frequence frequence : Frequences)
        cboEcheance->addItem(DepuisUtf8(LibelleEcheance(frequence)));
    // Narrowed by 30 twips so that its colon is not hidden under the date field.
    Libelle(client, "Label12", QStringLiteral("Première échéance :"), 4440, 690, 1545, 255);
    auto* saisieDate = Place(new SaisieDate(client), "DTPicker", 6000, 630, 1305, 315);
    DTPicker = saisieDate;
    DTPicker->setCalendarPopup(true);
    DTPicker->setDisplayFormat(FormatDateQuatreChiffres(QLocale()));
    DTPicker->setDateRange(QDate(1601, 1, 1), QDate(9999, 12, 31));
    Libelle(client, "Label3", QStringLiteral("Taux d'intérêt annuel :"), 360, 1050, 1815, 255);
    txtTaux = Place(new QLineEdit(client), "txtTaux", 2250, 990, 555, 315);
    Libelle(client, "Label5", QStringLiteral("%"), 2850, 1050, 255, 255, Qt::AlignLeft);
    lblTEG = Libelle(client, "lblTEG", QString(), 3060, 1050, 0, 255, Qt::AlignLeft);
    cmdDetailsTEG =
        Place(new QPushButton(QStringLiteral("Détails TEG"), client), "cmdDetailsTEG", 4200, 1020, 1095, 285);
    cmdDetailsTEG->hide();

    picInfo = Place(new QLabel(client), "picInfo", 7185, 150, 240, 240);
    picInfo->setPixmap(QIcon(QStringLiteral(":/icones/info.svg")).pixmap(picInfo->size()));
    picInfo->setToolTip(QStringLiteral("Qu'est-ce que le TEG ?"));
    picInfo->setCursor(Qt::WhatsThisCursor);

    Libelle(client, "Label4", QStringLiteral("Assurance (fixe par éch.) :"), 240, 1410, 1935, 255);
    txtAssurance = Place(new QLineEdit(client), "txtAssurance", 2250, 1350, 750, 315);
    // In the free space right of the field: how the insurance is charged, and a deferral.
    cmdModalites =
        Place(new QPushButton(QStringLiteral("..."), client), "cmdModalites", 3060, 1350, 450, 315);
    cmdModalites->setToolTip(QStringLiteral("Assurance en taux annuel, différé d'amortissement"));
    cmdModalites->setAccessibleName(QStringLiteral("Assurance et différé"));
    Libelle(client, "Label10", QStringLiteral("Frais de dossier :"), 240, 1770, 1935, 255);
    txtFraisDossier = Place(new QLineEdit(client), "txtFraisDossier", 2250, 1710, 750, 315);

    cmdCalculer = BoutonIcone(client, "cmdCalculer", "calculer", QStringLiteral("Calculer"), 3810);
    cmdManquant = BoutonIcone(client, "cmdManquant", "manquant",
                              QStringLiteral("Retrouver l'information manquante"), 4410);
    cmdImprimer = BoutonIcone(client, "cmdImprimer", "imprimer",
                              QStringLiteral("Imprimer le tableau d'amortissement"), 5160);
    cmdExportExcel = BoutonIcone(client, "cmdExportExcel", "exporter",
                                 QStringLiteral("Exporter le tableau vers Excel"), 5760);
    cmdQuitter = BoutonIcone(client, "cmdQuitter", "quitter", QStringLiteral("Quitter Amortix"), 6510);
    QLabel* titreTableau = Libelle(client, "Label7", QStringLiteral("Tableau d'amortissement"), 120, 2280,
                                   4785, 285, Qt::AlignLeft);
    QFont titre(QStringLiteral("Arial"), 12);
    titre.setBold(true);
    titreTableau->setFont(titre);

    modeleListe_ = new ModeleEcheancier(this);
    lvwListe = Place(CreeListeEcheancier(client, modeleListe_), "lvwListe", 90, 2550, 7335, 3315);

    Frame2 = Place(new QGroupBox(QStringLiteral("Coût total du crédit :"), client), "Frame2", 120, 6060, 3195,
                   1635);
    Libelle(Frame2, "Label8", QStringLiteral("Intérêts :"), 120, 315, 1455, 255, Qt::AlignLeft);
    lblCoutInterets = Libelle(Frame2, "lblCoutInterets", QString(), 1560, 315, 1455, 255);
    Libelle(Frame2, "Label9", QStringLiteral("Assurance :"), 120, 600, 1455, 255, Qt::AlignLeft);
    lblCoutAssurance = Libelle(Frame2, "lblCoutAssurance", QString(), 1560, 600, 1455, 255);
    Libelle(Frame2, "Label11", QStringLiteral("Frais de dossier :"), 120, 885, 1455, 255, Qt::AlignLeft);
    lblCoutFraisDossier = Libelle(Frame2, "lblCoutFraisDossier", QString(), 1560, 885, 1455, 255);
    auto* trait = Place(new QFrame(Frame2), "Line1", 1560, 1185, 1455, 30);
    trait->setFrameShape(QFrame::HLine);
    trait->setFrameShadow(QFrame::Plain);
    lblCoutTotal = Libelle(Frame2, "lblCoutTotal", QString(), 1560, 1260, 1455, 255);
    QFont total(QStringLiteral("Arial"), 8);
    total.setBold(true);
    lblCoutTotal->setFont(total);

    picLogo = Place(new QLabel(client), "picLogo", 8190, 390, 2685, 2175);

    // Screen readers name each input after its label.
    const std::pair<const char*, QWidget*> libelles[] = {
        {"Label1", txtMontant}, {"lblDuree", txtMensualite}, {"Label12", DTPicker},
        {"Label3", txtTaux},    {"Label4", txtAssurance},    {"Label10", txtFraisDossier}};
    for (const auto& [nom, champ] : libelles) {
        auto* libelle = client->findChild<QLabel*>(QLatin1String(nom));
        libelle->setBuddy(champ);
        champ->setAccessibleName(libelle->text().remove(QLatin1Char(':')).trimmed());
    }
    cboEcheance->setAccessibleName(QStringLiteral("Fréquence des échéances"));
    lvwListe->setAccessibleName(QStringLiteral("Tableau d'amortissement"));

    // The keyboard visits the inputs, then the buttons, then the list.
    OrdreTabulation({txtMontant, txtMensualite, cboEcheance, DTPicker, txtTaux, txtAssurance, cmdModalites,
                     txtFraisDossier, cmdCalculer, cmdManquant, cmdImprimer, cmdExportExcel, cmdQuitter,
                     lvwListe});

    auto* filtre = new FiltreSeparateurDecimal(this);
    for (QLineEdit* champ : {txtMontant, txtTaux, txtAssurance, txtFraisDossier})
        filtre->surveille(champ);

    for (QLineEdit* champ : {txtMontant, txtMensualite, txtTaux, txtAssurance, txtFraisDossier})
        connect(champ, &QLineEdit::textChanged, this, &frmEmprunt::EffacerResultats);
    connect(cboEcheance, &QComboBox::currentIndexChanged, this, &frmEmprunt::EffacerResultats);
    connect(DTPicker, &QDateEdit::dateChanged, this, &frmEmprunt::EffacerResultats);

    connect(cmdCalculer, &QPushButton::clicked, this, &frmEmprunt::cmdCalculer_Click);
    // Enter in any input computes, as the button does.
    for (QLineEdit* champ : {txtMontant, txtMensualite, txtTaux, txtAssurance, txtFraisDossier})
        connect(champ, &QLineEdit::returnPressed, this, &frmEmprunt::cmdCalculer_Click);
    connect(saisieDate, &SaisieDate::entreeValidee, this, &frmEmprunt::cmdCalculer_Click);
    connect(cmdDetailsTEG, &QPushButton::clicked, this, &frmEmprunt::cmdDetailsTEG_Click);
    connect(cmdManquant, &QPushButton::clicked, this, &frmEmprunt::cmdManquant_Click);
    connect(cmdModalites, &QPushButton::clicked, this, &frmEmprunt::cmdModalites_Click);
    connect(cmdImprimer, &QPushButton::clicked, this, &frmEmprunt::cmdImprimer_Click);
    connect(cmdExportExcel, &QPushButton::clicked, this, &frmEmprunt::cmdExportExcel_Click);
    connect(cmdQuitter, &QPushButton::clicked, this, &QWidget::close);
}

void frmEmprunt::CreeMenus() {
    mnuFichier = menuBar()->addMenu(QStringLiteral("&Fichier"));
    mnuFichier->setObjectName(QStringLiteral("mnuFichier"));
    mnuOuvrir = Entree(mnuFichier, "mnuOuvrir", QStringLiteral("&Ouvrir..."));
    mnuOuvrir->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    mnuEnregistrerSous = Entree(mnuFichier, "mnuEnregistrerSous", QStringLiteral("En&registrer sous..."));
    mnuFichier->addSeparator()->setObjectName(QStringLiteral("mnuTrait1"));
    mnuApercuAvantImpression =
        Entree(mnuFichier, "mnuApercuAvantImpression", QStringLiteral("&Aperçu avant impression..."));
    mnuExporterPdf = Entree(mnuFichier, "mnuExporterPdf", QStringLiteral("Exporter en &PDF..."));
    mnuExporterClasseur =
        Entree(mnuFichier, "mnuExporterClasseur", QStringLiteral("Exporter vers un &classeur..."));
    mnuFichier->addSeparator()->setObjectName(QStringLiteral("mnuTrait2"));
    mnuQuitter = Entree(mnuFichier, "mnuQuitter", QStringLiteral("&Quitter"));

    mnuOutils = menuBar()->addMenu(QStringLiteral("&Outils"));
    mnuOutils->setObjectName(QStringLiteral("mnuOutils"));
    mnuOptions = Entree(mnuOutils, "mnuOptions", QStringLiteral("&Options..."));
    mnuPersonnaliser = Entree(mnuOutils, "mnuPersonnaliser", QStringLiteral("&Personnaliser Amortix..."));
    mnuOutils->addSeparator()->setObjectName(QStringLiteral("mnuTrait3"));
    mnuComparer = Entree(mnuOutils, "mnuComparer", QStringLiteral("&Comparer des offres..."));
    mnuRemboursementAnticipe =
        Entree(mnuOutils, "mnuRemboursementAnticipe", QStringLiteral("&Remboursement anticipé..."));
    mnuModalites = Entree(mnuOutils, "mnuModalites", QStringLiteral("&Assurance et différé..."));
    mnuCapacite = Entree(mnuOutils, "mnuCapacite", QStringLiteral("Capacité d'&emprunt..."));
    mnuPlanFinancement = Entree(mnuOutils, "mnuPlanFinancement", QStringLiteral("Plan de &financement..."));

    mnuAide = menuBar()->addMenu(QStringLiteral("&?"));
    mnuAide->setObjectName(QStringLiteral("mnuAide"));
    mnuVisiterSiteWeb = Entree(mnuAide, "mnuVisiterSiteWeb", QStringLiteral("&Visiter le site web"));
    mnuContacterAuteur = Entree(mnuAide, "mnuContacterAuteur", QStringLiteral("&Contacter l'auteur"));

    connect(mnuOuvrir, &QAction::triggered, this, &frmEmprunt::mnuOuvrir_Click);
    connect(mnuEnregistrerSous, &QAction::triggered, this, &frmEmprunt::mnuEnregistrerSous_Click);
    connect(mnuApercuAvantImpression, &QAction::triggered, this, &frmEmprunt::mnuApercuAvantImpression_Click);
    connect(mnuExporterPdf, &QAction::triggered, this, &frmEmprunt::mnuExporterPdf_Click);
    connect(mnuExporterClasseur, &QAction::triggered, this, &frmEmprunt::mnuExporterClasseur_Click);
    connect(mnuQuitter, &QAction::triggered, this, &QWidget::close);
    connect(mnuOptions, &QAction::triggered, this, &frmEmprunt::mnuOptions_Click);
    connect(mnuPersonnaliser, &QAction::triggered, this, &frmEmprunt::mnuPersonnaliser_Click);
    connect(mnuComparer, &QAction::triggered, this, &frmEmprunt::mnuComparer_Click);
    connect(mnuRemboursementAnticipe, &QAction::triggered, this, &frmEmprunt::mnuRemboursementAnticipe_Click);
    connect(mnuModalites, &QAction::triggered, this, &frmEmprunt::cmdModalites_Click);
    connect(mnuCapacite, &QAction::triggered, this, &frmEmprunt::mnuCapacite_Click);
    connect(mnuPlanFinancement, &QAction::triggered, this, &frmEmprunt::mnuPlanFinancement_Click);
    connect(mnuVisiterSiteWeb, &QAction::triggered, this,
            [this] { OuvrirUrl(interactions_, AdresseSiteWeb); });
    connect(mnuContacterAuteur, &QAction::triggered, this,
            [this] { EcrireMail(interactions_, AdresseAuteur); });
}

void frmEmprunt::Form_Load(const QString& ligneDeCommande) {
    blnAucunCalcul = true;
    ActiveSorties(false);
    AjusteLargeurColonnes(lvwListe, *modeleListe_, this);
    DTPicker->setDate(QDate::currentDate());
    interactions_.associeDocuments(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("amortix")));
    AfficheCadreInfos();
    cboEcheance->setCurrentIndex(0);
    PermetAgrandissement();
    if (!ligneDeCommande.isEmpty())
        OuvreLigneDeCommande(ligneDeCommande);
}

SaisieEmprunt frmEmprunt::SaisieAffichee() const {
    return {VersUtf8(txtMontant->text()),
            VersUtf8(txtMensualite->text()),
            VersUtf8(txtTaux->text()),
            VersUtf8(txtAssurance->text()),
            VersUtf8(txtFraisDossier->text()),
            FrequenceDeLIndex(cboEcheance->currentIndex()).value_or(Frequence::Mois),
            VersDateStd(DTPicker->date()),
            modalites_};
}

void frmEmprunt::AfficheSaisie(const SaisieEmprunt& saisie) {
    txtMontant->setText(DepuisUtf8(saisie.montant));
    txtMensualite->setText(DepuisUtf8(saisie.duree));
    cboEcheance->setCurrentIndex(IndexDe(saisie.frequence));
    txtTaux->setText(DepuisUtf8(saisie.taux));
    txtAssurance->setText(DepuisUtf8(saisie.assurance));
    txtFraisDossier->setText(DepuisUtf8(saisie.fraisDossier));
    DTPicker->setDate(VersQDate(saisie.premiereEcheance));
    AppliqueModalites(saisie.modalites);
}

void frmEmprunt::AppliqueModalites(const ModalitesEmprunt& modalites) {
    if (modalites == modalites_)
        return;
    modalites_ = modalites;
    // With a rate, the field shows the first premium that the rate gives, not an amount to type.
    txtAssurance->setEnabled(modalites_.assurance == ModeAssurance::ParEcheance);
    EffacerResultats();
    if (const auto lecture = LitSaisie(SaisieAffichee(), ConventionsDe(QLocale()));
        lecture && !txtAssurance->isEnabled())
        EcritSiDifferent(txtAssurance, lecture->champsReecrits.assurance);
}

void frmEmprunt::cmdModalites_Click() {
    const SaisieEmprunt saisie = SaisieAffichee();
    const auto duree = LitEntier(saisie.duree, ConventionsDe(QLocale()));
    frmModalites fenetre(this, interactions_, modalites_,
                         duree ? std::optional<std::int32_t>(*duree) : std::nullopt, saisie.frequence);
    if (fenetre.exec() == QDialog::Accepted)
        AppliqueModalites(fenetre.modalites());
}

void frmEmprunt::cmdCalculer_Click() {
    std::optional<CurseurAttente> attente(std::in_place);
    // The same computation as amortix-cli's, shown step by step as it went.
    EmpruntCalcule calcul =
        CalculeEmprunt(SaisieAffichee(), module_.blnTEGActuariel, ConventionsDe(QLocale()));
    if (!calcul.lu) {
        attente.reset();
        return AfficheEchecCalcul(calcul.motif);
    }
    // A rewritten text is an edit: it clears the results shown so far.
    EcritSiDifferent(txtMontant, calcul.champs.montant);
    EcritSiDifferent(txtTaux, calcul.champs.taux);
    EcritSiDifferent(txtAssurance, calcul.champs.assurance);
    EcritSiDifferent(txtFraisDossier, calcul.champs.fraisDossier);

    TableauAmortissement& tableau = calcul.tableau;
    if (tableau.listeRemplacee) {
        // The costs are those of the rows about to be listed: they show once every row is there.
        for (QLabel* cout : {lblCoutTotal, lblCoutInterets, lblCoutAssurance, lblCoutFraisDossier})
            cout->clear();
        // Hidden while it changes, so that it is drawn once.
        lvwListe->setVisible(false);
        modeleListe_->remplace(std::move(tableau.lignes));
        AjusteLargeurColonnes(lvwListe, *modeleListe_, this);
        lvwListe->setVisible(true);
    }
    if (!tableau.complet()) {
        attente.reset();
        return AfficheEchecCalcul();
    }
    lblCoutTotal->setText(DepuisUtf8(tableau.couts->total));
    lblCoutInterets->setText(DepuisUtf8(tableau.couts->interets));
    lblCoutAssurance->setText(DepuisUtf8(tableau.couts->assurance));
    lblCoutFraisDossier->setText(DepuisUtf8(tableau.couts->fraisDossier));
    ActiveSorties(true);
    blnAucunCalcul = false;

    if (calcul.textesTEG)
        AfficheTEG(*calcul.textesTEG, DepuisUtf8(calcul.tegAffiche));
    attente.reset();
    if (!calcul.textesTEG)
        AfficheEchecCalcul();
}

void frmEmprunt::AfficheTEG(const TextesTEG& textes, const QString& affiche) {
    textesTEG_ = textes;
    lblTEG->setText(QStringLiteral("(TEG = %1)").arg(affiche));
    lblTEG->setProperty("tag", affiche);
    lblTEG->adjustSize();
    cmdDetailsTEG->move(lblTEG->x() + lblTEG->width() + Pixels(100), cmdDetailsTEG->y());
    cmdDetailsTEG->show();
}

void frmEmprunt::cmdDetailsTEG_Click() {
    cmdCalculer->setFocus();
    interactions_.message(this, IconeMessage::Information, TitreDetailsTEG, TexteDetailsTEG(textesTEG_));
}

void frmEmprunt::AfficheEchecCalcul(const std::string& motif) {
    interactions_.message(this, IconeMessage::Information, TitreAmortix,
                          DepuisUtf8(motif.empty() ? MessageSaisieIncorrecte : motif));
}

void frmEmprunt::EffacerResultats() {
    if (blnAucunCalcul)
        return;
    modeleListe_->vide();
    ActiveSorties(false);
    for (QLabel* texte : {lblCoutTotal, lblCoutAssurance, lblCoutFraisDossier, lblCoutInterets, lblTEG})
        texte->clear();
    lblTEG->setProperty("tag", QString());
    cmdDetailsTEG->hide();
    setWindowTitle(TitreAmortix);
}

void frmEmprunt::ActiveSorties(bool actives) {
    for (QWidget* bouton : {static_cast<QWidget*>(cmdImprimer), static_cast<QWidget*>(cmdExportExcel)})
        bouton->setEnabled(actives);
    for (QAction* entree : {mnuEnregistrerSous, mnuApercuAvantImpression, mnuExporterPdf, mnuExporterClasseur,
                            mnuRemboursementAnticipe})
        entree->setEnabled(actives);
}

ContenuEcheancier frmEmprunt::ContenuAffiche() const {
    return {SaisieAffichee(), VersUtf8(lblTEG->property("tag").toString()),
            CoutsCredit{VersUtf8(lblCoutTotal->text()), VersUtf8(lblCoutInterets->text()),
                        VersUtf8(lblCoutAssurance->text()), VersUtf8(lblCoutFraisDossier->text())},
            modeleListe_->lignes()};
}

void frmEmprunt::cmdManquant_Click() {
    // A fresh window each time: it opens with empty fields.
    frmCalculManquant fenetre(this, interactions_, SaisieAffichee().premiereEcheance);
    fenetre.exec();
    if (const auto& saisie = fenetre.saisieRemise()) {
        AfficheSaisie(*saisie);
        cmdCalculer_Click();
    }
}

} // namespace amortix
