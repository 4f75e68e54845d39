#include "frmRemboursementAnticipe.h"

#include "AjusteLargeurColonnes.h"
#include "ConventionsSysteme.h"
#include "CurseurAttente.h"
#include "FiltreSeparateurDecimal.h"
#include "GraphiqueCapitalRestant.h"
#include "ListeEcheancier.h"
#include "ModeleEcheancier.h"
#include "RemboursementAnticipe.h"
#include "ResumeRemboursement.h"
#include "VueGraphique.h"

#include <QChartView>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <utility>

namespace amortix {
namespace {

constexpr std::array<const char*, 8> NomsResume = {
    "lblRestantAvant",     "lblRembourse",          "lblIndemnite",           "lblDerniere",
    "lblNouvelleEcheance", "lblInteretsEconomises", "lblAssuranceEconomisee", "lblEconomieNette"};
static_assert(NomsResume.size() == LibellesResumeRemboursement.size());

template <typename Controle> Controle* Nomme(Controle* controle, const char* nom) {
    controle->setObjectName(QLatin1String(nom));
    return controle;
}

QGroupBox* Cadre(const char* nom, const QString& titre) {
    return Nomme(new QGroupBox(titre), nom);
}

const QString TitreGraphique = QStringLiteral("Capital restant dû avant et après le remboursement");

} // namespace

frmRemboursementAnticipe::frmRemboursementAnticipe(EmpruntCalcule calcul, Interactions& interactions,
                                                   QWidget* parent)
    : QDialog(parent), calcul_(std::move(calcul)), interactions_(interactions) {
    setObjectName(QStringLiteral("frmRemboursementAnticipe"));
    setWindowTitle(QStringLiteral("Remboursement anticipé"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);
    setFont(QFont(QStringLiteral("Arial"), 8));
    CreeControles();
    resize(980, 700);
    layout()->activate();
    AjusteLargeurListe();
}

void frmRemboursementAnticipe::AjusteLargeurListe() {
    // The list as wide as its columns, the chart taking the rest of the width.
    const int largeur = lvwListe->header()->length() + lvwListe->verticalScrollBar()->sizeHint().width() +
                        2 * lvwListe->frameWidth();
    const QList<int> tailles = splResultats->sizes();
    splResultats->setSizes({largeur, std::max(0, tailles[0] + tailles[1] - largeur)});
}

void frmRemboursementAnticipe::CreeControles() {
    // What is repaid, and when.
    auto* fraRemboursement = Cadre("fraRemboursement", QStringLiteral("Remboursement"));
    auto* grille = new QGridLayout(fraRemboursement);
    auto* lblNumero = Nomme(new QLabel(QStringLiteral("Échéance &n° :")), "lblNumeroEcheance");
    spnNumeroEcheance = Nomme(new QSpinBox, "spnNumeroEcheance");
    const auto n = static_cast<int>(calcul_.tableauComplet() ? calcul_.tableau.echeances.size() : 0);
    // After a deferral, capital is repaid from its last row on.
    const int premier = calcul_.parametres && calcul_.parametres->modalites.differe != ModeDiffere::Aucun
                            ? std::max(1, static_cast<int>(calcul_.parametres->modalites.periodesDiffere))
                            : 1;
    spnNumeroEcheance->setRange(premier, std::max(premier, n - 1));
    lblDateEcheance = Nomme(new QLabel, "lblDateEcheance");
    auto* lblMontant = Nomme(new QLabel(QStringLiteral("Montant re&mboursé :")), "lblMontantRembourse");
    txtMontantRembourse = Nomme(new QLineEdit, "txtMontantRembourse");
    chkRemboursementTotal =
        Nomme(new QCheckBox(QStringLiteral("Remboursement &total")), "chkRemboursementTotal");
    lblNumero->setBuddy(spnNumeroEcheance);
    lblMontant->setBuddy(txtMontantRembourse);
    grille->addWidget(lblNumero, 0, 0);
    grille->addWidget(spnNumeroEcheance, 0, 1);
    grille->addWidget(lblDateEcheance, 0, 2);
    grille->addWidget(lblMontant, 1, 0);
    grille->addWidget(txtMontantRembourse, 1, 1);
    grille->addWidget(chkRemboursementTotal, 1, 2);
    grille->setRowStretch(2, 1);

    auto* fraChoix = Cadre("fraChoix", QStringLiteral("Après le remboursement"));
    auto* choix = new QVBoxLayout(fraChoix);
    optReduireDuree = Nomme(new QRadioButton(QStringLiteral("Réduire la &durée")), "optReduireDuree");
    optReduireEcheance = Nomme(new QRadioButton(QStringLiteral("Réduire l'&échéance")), "optReduireEcheance");
    optReduireDuree->setChecked(true);
    choix->addWidget(optReduireDuree);
    choix->addWidget(optReduireEcheance);
    choix->addStretch();

    auto* fraIndemnite = Cadre("fraIndemnite", QStringLiteral("Indemnité"));
    auto* indemnite = new QGridLayout(fraIndemnite);
    optCreditImmobilier =
        Nomme(new QRadioButton(QStringLiteral("Crédit &immobilier")), "optCreditImmobilier");
    optCreditConsommation =
        Nomme(new QRadioButton(QStringLiteral("Crédit à la c&onsommation")), "optCreditConsommation");
    optAucuneIndemnite = Nomme(new QRadioButton(QStringLiteral("A&ucune")), "optAucuneIndemnite");
    optIndemniteSaisie = Nomme(new QRadioButton(QStringLiteral("Mont&ant :")), "optIndemniteSaisie");
    txtIndemnite = Nomme(new QLineEdit, "txtIndemnite");
    txtIndemnite->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000000000,00")));
    optAucuneIndemnite->setChecked(true);
    indemnite->addWidget(optCreditImmobilier, 0, 0, 1, 2);
    indemnite->addWidget(optCreditConsommation, 1, 0, 1, 2);
    indemnite->addWidget(optAucuneIndemnite, 2, 0, 1, 2);
    indemnite->addWidget(optIndemniteSaisie, 3, 0);
    indemnite->addWidget(txtIndemnite, 3, 1);

    cmdCalculer = Nomme(new QPushButton(QStringLiteral("&Calculer")), "cmdCalculer");
    cmdFermer = Nomme(new QPushButton(QStringLiteral("&Fermer")), "cmdFermer");
    // Enter anywhere but on another button computes.
    cmdCalculer->setDefault(true);
    auto* boutons = new QVBoxLayout;
    boutons->addWidget(cmdCalculer);
    boutons->addWidget(cmdFermer);
    boutons->addStretch();

    auto* saisies = new QHBoxLayout;
    saisies->addWidget(fraRemboursement);
    saisies->addWidget(fraChoix);
    saisies->addWidget(fraIndemnite);
    saisies->addLayout(boutons);

    // The figures, two columns of labelled values.
    auto* fraResume = Cadre("fraResume", QStringLiteral("Résultat"));
    auto* resume = new QGridLayout(fraResume);
    constexpr int LignesParColonne = 4;
    for (std::size_t i = 0; i < lblResume.size(); ++i) {
        const int ligne = static_cast<int>(i) % LignesParColonne;
        const int colonne = static_cast<int>(i) / LignesParColonne * 3;
        resume->addWidget(new QLabel(DepuisUtf8(LibellesResumeRemboursement[i])), ligne, colonne);
        lblResume[i] = Nomme(new QLabel, NomsResume[i]);
        lblResume[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lblResume[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        lblResume[i]->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000 le 00/00/0000")));
        resume->addWidget(lblResume[i], ligne, colonne + 1);
    }
    resume->setColumnMinimumWidth(2, 30);
    resume->setColumnStretch(5, 1);
    QFont gras = font();
    gras.setBold(true);
    lblResume.back()->setFont(gras);

    modeleListe_ = new ModeleEcheancier(this);
    lvwListe = Nomme(CreeListeEcheancier(nullptr, modeleListe_), "lvwListe");
    lvwListe->setAccessibleName(QStringLiteral("Nouveau tableau d'amortissement"));
    AjusteLargeurColonnes(lvwListe, *modeleListe_, this);
    splResultats = Nomme(new QSplitter(Qt::Horizontal), "splResultats");
    splResultats->setChildrenCollapsible(false);
    splResultats->addWidget(lvwListe);
    grfCapitalRestant = nullptr;
    RemplaceGraphique(nullptr, 0);
    // The list as wide as its columns, the chart taking the rest of the width; both the height.
    lvwListe->setMinimumWidth(lvwListe->header()->length() +
                              lvwListe->verticalScrollBar()->sizeHint().width() + 2 * lvwListe->frameWidth());
    splResultats->setStretchFactor(0, 0);
    splResultats->setStretchFactor(1, 1);

    auto* principal = new QVBoxLayout(this);
    principal->addLayout(saisies);
    principal->addWidget(fraResume);
    principal->addWidget(splResultats, 1);

    setTabOrder(spnNumeroEcheance, txtMontantRembourse);
    for (auto [avant, apres] : {std::pair<QWidget*, QWidget*>{txtMontantRembourse, chkRemboursementTotal},
                                {chkRemboursementTotal, optReduireDuree},
                                {optReduireDuree, optReduireEcheance},
                                {optReduireEcheance, optCreditImmobilier},
                                {optCreditImmobilier, optCreditConsommation},
                                {optCreditConsommation, optAucuneIndemnite},
                                {optAucuneIndemnite, optIndemniteSaisie},
                                {optIndemniteSaisie, txtIndemnite},
                                {txtIndemnite, cmdCalculer},
                                {cmdCalculer, cmdFermer},
                                {cmdFermer, lvwListe}})
        setTabOrder(avant, apres);

    auto* filtre = new FiltreSeparateurDecimal(this);
    filtre->surveille(txtMontantRembourse);
    filtre->surveille(txtIndemnite);

    connect(spnNumeroEcheance, &QSpinBox::valueChanged, this,
            &frmRemboursementAnticipe::spnNumeroEcheance_Change);
    connect(chkRemboursementTotal, &QCheckBox::toggled, this, &frmRemboursementAnticipe::ActiveSaisies);
    connect(optIndemniteSaisie, &QRadioButton::toggled, this, &frmRemboursementAnticipe::ActiveSaisies);
    connect(cmdCalculer, &QPushButton::clicked, this, &frmRemboursementAnticipe::cmdCalculer_Click);
    connect(cmdFermer, &QPushButton::clicked, this, &QDialog::reject);
    spnNumeroEcheance_Change();
    ActiveSaisies();
    spnNumeroEcheance->setFocus();
}

void frmRemboursementAnticipe::spnNumeroEcheance_Change() {
    const auto numero = static_cast<std::size_t>(spnNumeroEcheance->value());
    const std::vector<LigneTableau>& lignes = calcul_.tableau.lignes;
    lblDateEcheance->setText(numero <= lignes.size()
                                 ? QStringLiteral("du %1").arg(DepuisUtf8(lignes[numero - 1][Colonne::Date]))
                                 : QString());
}

void frmRemboursementAnticipe::ActiveSaisies() {
    txtMontantRembourse->setEnabled(!chkRemboursementTotal->isChecked());
    txtIndemnite->setEnabled(optIndemniteSaisie->isChecked());
}

SaisieRemboursement frmRemboursementAnticipe::SaisieAffichee() const {
    SaisieRemboursement saisie;
    saisie.numeroEcheance = spnNumeroEcheance->value();
    if (!chkRemboursementTotal->isChecked())
        saisie.montant = VersUtf8(txtMontantRembourse->text());
    saisie.choix = optReduireEcheance->isChecked() ? ChoixRemboursement::ReduireEcheance
                                                   : ChoixRemboursement::ReduireDuree;
    const std::pair<const QRadioButton*, RegleIndemnite> regles[] = {
        {optCreditImmobilier, RegleIndemnite::CreditImmobilier},
        {optCreditConsommation, RegleIndemnite::CreditConsommation},
        {optAucuneIndemnite, RegleIndemnite::Aucune},
        {optIndemniteSaisie, RegleIndemnite::MontantSaisi}};
    for (const auto& [option, regle] : regles)
        if (option->isChecked())
            saisie.regleIndemnite = regle;
    saisie.indemniteSaisie = VersUtf8(txtIndemnite->text());
    return saisie;
}

void frmRemboursementAnticipe::cmdCalculer_Click() {
    std::optional<CurseurAttente> attente(std::in_place);
    const SaisieRemboursement saisie = SaisieAffichee();
    const ConventionsLocales conventions = ConventionsDe(QLocale());
    RemboursementOuMotif resultat =
        CalculeRemboursementAnticipe(calcul_, LitSaisieRemboursement(saisie, conventions), conventions);
    if (const auto* motif = std::get_if<std::string>(&resultat)) {
        attente.reset();
        interactions_.message(this, IconeMessage::Information, TitreAmortix, DepuisUtf8(*motif));
        return;
    }
    AfficheRemboursement(std::get<RemboursementAnticipe>(resultat), saisie.numeroEcheance);
}

void frmRemboursementAnticipe::AfficheRemboursement(const RemboursementAnticipe& remboursement,
                                                    std::int32_t numeroEcheance) {
    const std::array<std::string, 8> valeurs = ValeursResumeRemboursement(remboursement);
    for (std::size_t i = 0; i < lblResume.size(); ++i)
        lblResume[i]->setText(DepuisUtf8(valeurs[i]));
    // Hidden while it changes, so that it is drawn once.
    lvwListe->setVisible(false);
    modeleListe_->remplace(remboursement.lignes);
    AjusteLargeurColonnes(lvwListe, *modeleListe_, this);
    AjusteLargeurListe();
    lvwListe->setVisible(true);
    RemplaceGraphique(&remboursement, numeroEcheance);
}

void frmRemboursementAnticipe::RemplaceGraphique(const RemboursementAnticipe* remboursement,
                                                 std::int32_t numeroEcheance) {
    const std::span<const EcheanceCalculee> avant = calcul_.tableau.echeances;
    std::vector<EcheanceCalculee> apres;
    std::vector<CourbeCapital> courbes = {{QStringLiteral("Avant"), avant}};
    if (remboursement) {
        apres = EcheancierApresRemboursement(avant, numeroEcheance, *remboursement);
        courbes.push_back({QStringLiteral("Après"), apres});
    }
    QChartView* nouveau =
        VueGraphique(CreeGraphiqueCapitalRestant(TitreGraphique, courbes, QLocale()), nullptr);
    nouveau->setObjectName(QStringLiteral("grfCapitalRestant"));
    nouveau->setFocusPolicy(Qt::NoFocus);
    nouveau->setMinimumSize(320, 240);
    if (grfCapitalRestant)
        delete splResultats->replaceWidget(1, nouveau);
    else
        splResultats->addWidget(nouveau);
    grfCapitalRestant = nouveau;
}

} // namespace amortix
