#include "frmPlanFinancement.h"

#include "Arrondis.h"
#include "ClasseurPlan.h"
#include "ConventionsSysteme.h"
#include "CopieLignes.h"
#include "CurseurAttente.h"
#include "DestinationPdf.h"
#include "DocumentEmprunt.h"
#include "GraphiquePlan.h"
#include "OffresAComparer.h"
#include "PlanPdf.h"
#include "VueGraphique.h"

#include <QApplication>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTreeView>
#include <QVBoxLayout>

namespace amortix {
namespace {

template <typename Controle> Controle* Nomme(Controle* controle, const char* nom) {
    controle->setObjectName(QLatin1String(nom));
    return controle;
}

QPushButton* Bouton(const char* nom, const QString& texte) {
    auto* bouton = Nomme(new QPushButton(texte), nom);
    bouton->setAutoDefault(false);
    return bouton;
}

QLabel* Valeur(const char* nom) {
    auto* etiquette = Nomme(new QLabel, nom);
    etiquette->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    etiquette->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return etiquette;
}

} // namespace

frmPlanFinancement::frmPlanFinancement(const Module& module, Interactions& interactions, QWidget* parent)
    : QDialog(parent), module_(module), interactions_(interactions) {
    setObjectName(QStringLiteral("frmPlanFinancement"));
    setWindowTitle(QStringLiteral("Plan de financement"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);

    auto* fraPrets = Nomme(new QGroupBox(QStringLiteral("Prêts")), "fraPrets");
    auto* prets = new QGridLayout(fraPrets);
    lstPrets = Nomme(new QListWidget, "lstPrets");
    lstPrets->setAccessibleName(QStringLiteral("Prêts du plan"));
    cmdAjouter = Bouton("cmdAjouter", QStringLiteral("&Ajouter..."));
    cmdRetirer = Bouton("cmdRetirer", QStringLiteral("&Retirer"));
    cboLissage = Nomme(new QComboBox, "cboLissage");
    auto* lblLissage = new QLabel(QStringLiteral("Prêt &lissé :"));
    lblLissage->setBuddy(cboLissage);
    prets->addWidget(lstPrets, 0, 0, 3, 1);
    prets->addWidget(cmdAjouter, 0, 1);
    prets->addWidget(cmdRetirer, 1, 1);
    prets->addWidget(lblLissage, 3, 0, 1, 2);
    prets->addWidget(cboLissage, 4, 0, 1, 2);
    prets->setRowStretch(5, 1);

    auto* fraResultat = Nomme(new QGroupBox(QStringLiteral("Résultat")), "fraResultat");
    auto* resultat = new QFormLayout(fraResultat);
    lblPalier = Valeur("lblPalier");
    lblPalierAssurance = Valeur("lblPalierAssurance");
    lblCoutTotal = Valeur("lblCoutTotal");
    lblTAEG = Valeur("lblTAEG");
    resultat->addRow(QStringLiteral("Échéance totale, hors assurance :"), lblPalier);
    resultat->addRow(QStringLiteral("Échéance totale, assurance comprise :"), lblPalierAssurance);
    resultat->addRow(QStringLiteral("Coût total du plan :"), lblCoutTotal);
    resultat->addRow(QStringLiteral("TAEG du plan :"), lblTAEG);
    lblMotif = Nomme(new QLabel, "lblMotif");
    lblMotif->setWordWrap(true);
    lblMotif->setStyleSheet(QStringLiteral("color: #b00020"));
    resultat->addRow(lblMotif);

    tblCouts = Nomme(new QTableWidget(0, 4), "tblCouts");
    tblCouts->setHorizontalHeaderLabels({QStringLiteral("Intérêts"), QStringLiteral("Assurance"),
                                         QStringLiteral("Frais"), QStringLiteral("Coût")});
    tblCouts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblCouts->setTabKeyNavigation(false);
    tblCouts->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    cmdCopier = Bouton("cmdCopier", QStringLiteral("&Copier les lignes"));
    cmdClasseur = Bouton("cmdClasseur", QStringLiteral("E&xporter vers un classeur..."));
    cmdExporterPdf = Bouton("cmdExporterPdf", QStringLiteral("Exporter en &PDF..."));
    cmdEnregistrer = Bouton("cmdEnregistrer", QStringLiteral("&Enregistrer le prêt lissé..."));
    cmdFermer = Bouton("cmdFermer", QStringLiteral("&Fermer"));
    auto* boutons = new QVBoxLayout;
    boutons->addWidget(cmdCopier);
    boutons->addWidget(cmdClasseur);
    boutons->addWidget(cmdExporterPdf);
    boutons->addWidget(cmdEnregistrer);
    boutons->addStretch();
    boutons->addWidget(cmdFermer);

    // The costs under the figures, one row per loan and the plan's.
    tblCouts->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblCouts->setMinimumWidth(420);
    auto* resultats = new QVBoxLayout;
    resultats->addWidget(fraResultat);
    resultats->addWidget(tblCouts, 1);
    lstPrets->setMaximumHeight(120);
    auto* haut = new QHBoxLayout;
    haut->addWidget(fraPrets);
    haut->addLayout(resultats, 1);
    haut->addLayout(boutons);

    modelePeriodes_ = new QStandardItemModel(this);
    lvwPeriodes = Nomme(new QTreeView, "lvwPeriodes");
    lvwPeriodes->setModel(modelePeriodes_);
    lvwPeriodes->setRootIsDecorated(false);
    lvwPeriodes->setUniformRowHeights(true);
    lvwPeriodes->setAccessibleName(QStringLiteral("Échéances du plan"));
    PermetCopieLignes(lvwPeriodes);
    auto* bas = new QHBoxLayout;
    bas->addWidget(lvwPeriodes, 1);
    zoneGraphique_ = bas;
    RemplaceGraphique(nullptr);

    auto* principal = new QVBoxLayout(this);
    principal->addLayout(haut);
    principal->addLayout(bas, 1);
    resize(1000, 760);

    const QList<QWidget*> ordre = {lstPrets,       cmdAjouter, cmdRetirer,  cboLissage,
                                   tblCouts,       cmdCopier,  cmdClasseur, cmdExporterPdf,
                                   cmdEnregistrer, cmdFermer,  lvwPeriodes};
    for (qsizetype i = 1; i < ordre.size(); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);
    connect(cmdAjouter, &QPushButton::clicked, this, &frmPlanFinancement::cmdAjouter_Click);
    connect(cmdRetirer, &QPushButton::clicked, this, &frmPlanFinancement::cmdRetirer_Click);
    connect(cmdCopier, &QPushButton::clicked, this, &frmPlanFinancement::cmdCopier_Click);
    connect(cmdClasseur, &QPushButton::clicked, this, &frmPlanFinancement::cmdClasseur_Click);
    connect(cmdExporterPdf, &QPushButton::clicked, this, &frmPlanFinancement::cmdExporterPdf_Click);
    connect(cmdEnregistrer, &QPushButton::clicked, this, &frmPlanFinancement::cmdEnregistrer_Click);
    connect(cmdFermer, &QPushButton::clicked, this, &QDialog::reject);
    connect(cboLissage, &QComboBox::currentIndexChanged, this, &frmPlanFinancement::AffichePlan);
    AffichePrets(0);
}

void frmPlanFinancement::AjoutePret(const QString& nom, const SaisieEmprunt& saisie) {
    prets_.push_back({VersUtf8(nom), saisie});
    AffichePrets(PretDeLissageParDefaut(prets_, ConventionsDe(QLocale())));
}

void frmPlanFinancement::cmdAjouter_Click() {
    const QStringList chemins =
        interactions_.fichiersAOuvrir(this, {QStringLiteral("Ouvrir"), fichierDialogue_, FiltreDocuments});
    if (chemins.isEmpty())
        return;
    const ConventionsLocales conventions = ConventionsDe(QLocale());
    for (const QString& chemin : chemins) {
        auto lecture = LitDocument(chemin, conventions);
        if (const auto* erreur = std::get_if<Erreur>(&lecture)) {
            // Nothing is added from a document that cannot be read; the others are.
            interactions_.message(
                this, IconeMessage::Avertissement, TitreAmortix,
                QStringLiteral("« %1 » : %2")
                    .arg(QFileInfo(chemin).fileName(), DepuisUtf8(MotifDocumentIllisible(*erreur))));
            continue;
        }
        prets_.push_back(
            {VersUtf8(QFileInfo(chemin).fileName()), std::get<SaisieEmprunt>(std::move(lecture))});
    }
    fichierDialogue_ = chemins.back();
    AffichePrets(PretDeLissageParDefaut(prets_, conventions));
}

void frmPlanFinancement::cmdRetirer_Click() {
    const int ligne = lstPrets->currentRow();
    if (ligne < 0 || ligne >= static_cast<int>(prets_.size()))
        return;
    prets_.erase(prets_.begin() + ligne);
    AffichePrets(PretDeLissageParDefaut(prets_, ConventionsDe(QLocale())));
}

void frmPlanFinancement::cmdCopier_Click() {
    if (!lvwPeriodes->selectionModel()->hasSelection())
        lvwPeriodes->selectAll();
    QApplication::clipboard()->setText(TexteLignesSelectionnees(*lvwPeriodes));
}

void frmPlanFinancement::AffichePrets(std::size_t lissage) {
    const QSignalBlocker silence(cboLissage);
    lstPrets->clear();
    cboLissage->clear();
    for (const PretDuPlan& pret : prets_) {
        lstPrets->addItem(DepuisUtf8(pret.nom));
        cboLissage->addItem(DepuisUtf8(pret.nom));
    }
    if (!prets_.empty()) {
        cboLissage->setCurrentIndex(static_cast<int>(lissage));
        lstPrets->setCurrentRow(static_cast<int>(prets_.size()) - 1);
    }
    cmdRetirer->setEnabled(!prets_.empty());
    AffichePlan();
}

void frmPlanFinancement::AffichePlan() {
    const CurseurAttente attente;
    const ConventionsLocales conventions = ConventionsDe(QLocale());
    const auto lissage = static_cast<std::size_t>(std::max(0, cboLissage->currentIndex()));
    const PlanOuMotif resultat = CalculePlan(prets_, lissage, module_.blnTEGActuariel, conventions);
    const auto* plan = std::get_if<PlanFinancement>(&resultat);
    plan_ = plan ? std::optional(*plan) : std::nullopt;
    const auto* motif = std::get_if<std::string>(&resultat);
    lblMotif->setText(motif ? DepuisUtf8(*motif) : QString());
    lblMotif->setVisible(motif != nullptr);
    lblPalier->setText(plan ? DepuisUtf8(Fmt2(plan->palier, conventions)) : QString());
    lblPalierAssurance->setText(plan ? DepuisUtf8(Fmt2(plan->palierAvecAssurance, conventions)) : QString());
    lblCoutTotal->setText(plan ? DepuisUtf8(plan->coutTotal.total) : QString());
    lblTAEG->setText(plan ? DepuisUtf8(plan->taeg.value_or("-")) : QString());

    // One row per loan, then the plan's.
    std::vector<CoutsPret> couts = plan ? plan->couts : std::vector<CoutsPret>();
    if (plan)
        couts.push_back({"Total", plan->coutTotal});
    tblCouts->setRowCount(static_cast<int>(couts.size()));
    QStringList noms;
    for (std::size_t i = 0; i < couts.size(); ++i) {
        noms << DepuisUtf8(couts[i].nom);
        const std::string* textes[4] = {&couts[i].couts.interets, &couts[i].couts.assurance,
                                        &couts[i].couts.fraisDossier, &couts[i].couts.total};
        for (int j = 0; j < 4; ++j) {
            auto* cellule = new QTableWidgetItem(DepuisUtf8(*textes[j]));
            cellule->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            tblCouts->setItem(static_cast<int>(i), j, cellule);
        }
    }
    tblCouts->setVerticalHeaderLabels(noms);

    modelePeriodes_->clear();
    if (plan) {
        QStringList entetes = {QStringLiteral("N°"), QStringLiteral("Date")};
        for (const PretDuPlan& pret : plan->prets)
            entetes << DepuisUtf8(pret.nom);
        entetes << QStringLiteral("Total");
        modelePeriodes_->setHorizontalHeaderLabels(entetes);
        for (const PeriodePlan& periode : plan->periodes) {
            QList<QStandardItem*> rangee = {new QStandardItem(QString::number(periode.numero)),
                                            new QStandardItem(DepuisUtf8(periode.date))};
            for (const std::string& montant : periode.montants)
                rangee << new QStandardItem(DepuisUtf8(montant));
            rangee << new QStandardItem(DepuisUtf8(periode.total));
            for (qsizetype j = 1; j < rangee.size(); ++j)
                rangee[j]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            for (QStandardItem* cellule : rangee)
                cellule->setEditable(false);
            modelePeriodes_->appendRow(rangee);
        }
        lvwPeriodes->header()->resizeSections(QHeaderView::ResizeToContents);
    }
    cmdCopier->setEnabled(plan != nullptr);
    cmdClasseur->setEnabled(plan != nullptr);
    cmdExporterPdf->setEnabled(plan != nullptr);
    cmdEnregistrer->setEnabled(plan != nullptr);
    RemplaceGraphique(plan);
}

void frmPlanFinancement::RemplaceGraphique(const PlanFinancement* plan) {
    QChartView* nouveau = VueGraphique(CreeGraphiquePlan(plan, QLocale()), nullptr);
    nouveau->setObjectName(QStringLiteral("grfParts"));
    nouveau->setFocusPolicy(Qt::NoFocus);
    nouveau->setMinimumSize(360, 240);
    amortix::RemplaceGraphique(zoneGraphique_, grfParts, nouveau, 1);
}

void frmPlanFinancement::cmdClasseur_Click() {
    if (!plan_)
        return;
    const QString dossierDocuments = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString chemin = interactions_.fichierAEnregistrer(
        this, {QStringLiteral("Exporter vers un classeur"),
               QDir(dossierDocuments).filePath(QStringLiteral("Plan de financement.xlsx")),
               QStringLiteral("Classeur Excel (*.xlsx)")});
    if (chemin.isEmpty())
        return;
    std::optional<CurseurAttente> attente(std::in_place);
    const auto echec =
        EnregistreClasseurPlan(*plan_, module_.strEnteteExcel, ConventionsDe(QLocale()), chemin);
    attente.reset();
    if (echec)
        interactions_.message(this, IconeMessage::Critique,
                              TitreAmortix + QStringLiteral(" - Code pour débogage : ") + echec->etape,
                              echec->erreur.texte(QStringLiteral("Le classeur n'a pas été enregistré.")));
}

void frmPlanFinancement::cmdExporterPdf_Click() {
    if (!plan_)
        return;
    const QString chemin = interactions_.fichierAEnregistrer(
        this, {QStringLiteral("Exporter en PDF"), PdfPropose(QStringLiteral("Plan de financement.pdf")),
               FiltrePdf});
    if (chemin.isEmpty())
        return;
    std::optional<CurseurAttente> attente(std::in_place);
    const auto erreur = EnregistrePlanPdf(chemin, *plan_, QLocale());
    attente.reset();
    if (erreur)
        interactions_.message(this, IconeMessage::Critique, TitreAmortix, erreur->texte(CauseEchecPdf));
}

void frmPlanFinancement::cmdEnregistrer_Click() {
    if (!plan_)
        return;
    const PretDuPlan& lisse = plan_->prets.front();
    // Beside the documents added, else in the user's documents.
    const QString dossier = fichierDialogue_.isEmpty()
                                ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                                : QFileInfo(fichierDialogue_).path();
    const QString chemin = interactions_.fichierAEnregistrer(
        this, {QStringLiteral("Enregistrer le prêt lissé"),
               QDir(dossier).filePath(QStringLiteral("Prêt lissé.amx")), FiltreDocuments});
    if (chemin.isEmpty())
        return;
    // Its smoothing follows the nine lines: reopened, it lists the rows shown here.
    if (const auto erreur = EnregistreDocument(chemin, lisse.saisie))
        interactions_.message(this, IconeMessage::Avertissement, TitreAmortix,
                              QStringLiteral("Le document « %1 » n'a pas pu être enregistré.\r\n%2")
                                  .arg(QFileInfo(chemin).fileName(), erreur->texte()));
}

} // namespace amortix
