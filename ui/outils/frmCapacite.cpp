#include "frmCapacite.h"

#include "Arrondis.h"
#include "ConventionsSysteme.h"
#include "CurseurAttente.h"
#include "FiltreSeparateurDecimal.h"
#include "GraphiqueCapacite.h"
#include "VueGraphique.h"

#include <QChartView>
#include <QComboBox>
#include <QDate>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace amortix {
namespace {

constexpr std::array<const char*, LignesCapacite.size()> NomsResultats = {
    "lblBudget",      "lblMontant",   "lblEcheance", "lblTauxEndettement",
    "lblResteAVivre", "lblCoutTotal", "lblTAEG"};

template <typename Controle> Controle* Nomme(Controle* controle, const char* nom) {
    controle->setObjectName(QLatin1String(nom));
    return controle;
}

QLineEdit* Champ(const char* nom, const QString& texte = {}) {
    auto* champ = Nomme(new QLineEdit(texte), nom);
    champ->setAlignment(Qt::AlignRight);
    return champ;
}

// "label: field" with the label's mnemonic leading to the field typed in, `saisie` when the row holds more.
void AjouteLigne(QFormLayout* formulaire, const QString& libelle, QWidget* ligne, QWidget* saisie = nullptr) {
    auto* etiquette = new QLabel(libelle);
    etiquette->setBuddy(saisie ? saisie : ligne);
    formulaire->addRow(etiquette, ligne);
}

QWidget* CoteACote(QWidget* gauche, QWidget* droite) {
    auto* conteneur = new QWidget;
    auto* disposition = new QHBoxLayout(conteneur);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(gauche, 1);
    disposition->addWidget(droite);
    return conteneur;
}

} // namespace

frmCapacite::frmCapacite(const Module& module, Interactions& interactions, const SaisieEmprunt& pretAffiche,
                         QWidget* parent)
    : QDialog(parent), module_(module), interactions_(interactions),
      premiereEcheance_(pretAffiche.premiereEcheance) {
    setObjectName(QStringLiteral("frmCapacite"));
    setWindowTitle(QStringLiteral("Capacité d'emprunt"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);
    CreeControles();
    txtTaux->setText(DepuisUtf8(pretAffiche.taux));
    txtFrais->setText(DepuisUtf8(pretAffiche.fraisDossier));
    if (pretAffiche.modalites.assurance == ModeAssurance::TauxCapitalInitial) {
        cboAssurance->setCurrentIndex(1);
        txtAssurance->setText(DepuisUtf8(pretAffiche.modalites.tauxAssurance));
    } else if (pretAffiche.modalites.assurance == ModeAssurance::ParEcheance &&
               pretAffiche.frequence == Frequence::Mois) {
        txtAssurance->setText(DepuisUtf8(pretAffiche.assurance));
    }
    EffaceResultats();
    resize(900, 640);
    txtRevenu1->setFocus();
}

void frmCapacite::CreeControles() {
    auto* fraFoyer = Nomme(new QGroupBox(QStringLiteral("Foyer")), "fraFoyer");
    auto* foyer = new QFormLayout(fraFoyer);
    txtRevenu1 = Champ("txtRevenu1");
    txtRevenu2 = Champ("txtRevenu2");
    txtCharges = Champ("txtCharges");
    txtRatio = Champ("txtRatio", QStringLiteral("35"));
    AjouteLigne(foyer, QStringLiteral("Revenus nets mensuels, emprunteur &1 :"), txtRevenu1);
    AjouteLigne(foyer, QStringLiteral("Revenus nets mensuels, emprunteur &2 :"), txtRevenu2);
    AjouteLigne(foyer, QStringLiteral("Mensualités des prêts en c&ours :"), txtCharges);
    AjouteLigne(foyer, QStringLiteral("Taux d'endettement ma&ximal (%) :"), txtRatio);

    auto* fraPret = Nomme(new QGroupBox(QStringLiteral("Prêt")), "fraPret");
    auto* pret = new QFormLayout(fraPret);
    txtTaux = Champ("txtTaux");
    txtDuree = Champ("txtDuree");
    cboUniteDuree = Nomme(new QComboBox, "cboUniteDuree");
    cboUniteDuree->addItems({QStringLiteral("mois"), QStringLiteral("ans")});
    cboUniteDuree->setAccessibleName(QStringLiteral("Unité de la durée"));
    txtAssurance = Champ("txtAssurance");
    cboAssurance = Nomme(new QComboBox, "cboAssurance");
    cboAssurance->addItems({QStringLiteral("par mois"), QStringLiteral("% par an du capital initial")});
    cboAssurance->setAccessibleName(QStringLiteral("Forme de l'assurance"));
    txtFrais = Champ("txtFrais");
    AjouteLigne(pret, QStringLiteral("&Taux annuel (%) :"), txtTaux);
    AjouteLigne(pret, QStringLiteral("&Durée :"), CoteACote(txtDuree, cboUniteDuree), txtDuree);
    AjouteLigne(pret, QStringLiteral("Ass&urance :"), CoteACote(txtAssurance, cboAssurance), txtAssurance);
    AjouteLigne(pret, QStringLiteral("&Frais de dossier :"), txtFrais);

    cmdCalculer = Nomme(new QPushButton(QStringLiteral("&Calculer")), "cmdCalculer");
    cmdUtiliser = Nomme(new QPushButton(QStringLiteral("Utiliser ce &montant")), "cmdUtiliser");
    cmdFermer = Nomme(new QPushButton(QStringLiteral("Fe&rmer")), "cmdFermer");
    cmdCalculer->setDefault(true);
    cmdUtiliser->setAutoDefault(false);
    cmdFermer->setAutoDefault(false);
    auto* boutons = new QVBoxLayout;
    boutons->addWidget(cmdCalculer);
    boutons->addWidget(cmdUtiliser);
    boutons->addWidget(cmdFermer);
    boutons->addStretch();

    auto* saisies = new QHBoxLayout;
    saisies->addWidget(fraFoyer);
    saisies->addWidget(fraPret);
    saisies->addLayout(boutons);

    auto* fraResultat = Nomme(new QGroupBox(QStringLiteral("Résultat")), "fraResultat");
    auto* resultat = new QGridLayout(fraResultat);
    for (std::size_t i = 0; i < lblResultat.size(); ++i) {
        const int ligne = static_cast<int>(i) % 4;
        const int colonne = static_cast<int>(i) / 4 * 2;
        resultat->addWidget(new QLabel(DepuisUtf8(LibelleCapacite(LignesCapacite[i])) + QStringLiteral(" :")),
                            ligne, colonne);
        lblResultat[i] = Nomme(new QLabel, NomsResultats[i]);
        lblResultat[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lblResultat[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        lblResultat[i]->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000000,00")));
        resultat->addWidget(lblResultat[i], ligne, colonne + 1);
    }
    resultat->addWidget(new QLabel(QStringLiteral("Taux d'usure :")), 3, 2);
    lblUsure = Nomme(new QLabel, "lblUsure");
    lblUsure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    resultat->addWidget(lblUsure, 3, 3);
    lblAvis = Nomme(new QLabel(DepuisUtf8(AvisPlusDe25Ans)), "lblAvis");
    lblAvis->setWordWrap(true);
    resultat->addWidget(lblAvis, 4, 0, 1, 4);
    lblAvisUsure = Nomme(new QLabel, "lblAvisUsure");
    lblAvisUsure->setWordWrap(true);
    const auto avis = AvisTablePerimee(module_.tauxUsure, VersDateStd(QDate::currentDate()));
    lblAvisUsure->setText(avis ? DepuisUtf8(*avis) : QString());
    lblAvisUsure->setVisible(avis.has_value());
    resultat->addWidget(lblAvisUsure, 5, 0, 1, 4);
    QFont gras = font();
    gras.setBold(true);
    lblResultat[1]->setFont(gras);

    tblDurees = Nomme(new QTableWidget(static_cast<int>(DureesDeReference.size()), 1), "tblDurees");
    tblDurees->setHorizontalHeaderLabels({QStringLiteral("Montant empruntable")});
    QStringList durees;
    for (const int annees : DureesDeReference)
        durees << QStringLiteral("%1 ans").arg(annees);
    tblDurees->setVerticalHeaderLabels(durees);
    tblDurees->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblDurees->setTabKeyNavigation(false);
    tblDurees->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblDurees->setMaximumWidth(260);
    auto* bas = new QHBoxLayout;
    bas->addWidget(tblDurees);
    zoneGraphique_ = bas;

    auto* principal = new QVBoxLayout(this);
    principal->addLayout(saisies);
    principal->addWidget(fraResultat);
    principal->addLayout(bas, 1);
    RemplaceGraphique({});

    const QList<QWidget*> ordre = {txtRevenu1,  txtRevenu2,    txtCharges,   txtRatio,     txtTaux,
                                   txtDuree,    cboUniteDuree, txtAssurance, cboAssurance, txtFrais,
                                   cmdCalculer, cmdUtiliser,   cmdFermer,    tblDurees};
    for (qsizetype i = 1; i < ordre.size(); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);

    auto* filtre = new FiltreSeparateurDecimal(this);
    for (QLineEdit* champ : {txtRevenu1, txtRevenu2, txtCharges, txtRatio, txtTaux, txtAssurance, txtFrais}) {
        filtre->surveille(champ);
        connect(champ, &QLineEdit::textChanged, this, &frmCapacite::EffaceResultats);
    }
    connect(txtDuree, &QLineEdit::textChanged, this, &frmCapacite::EffaceResultats);
    for (QComboBox* liste : {cboUniteDuree, cboAssurance})
        connect(liste, &QComboBox::currentIndexChanged, this, &frmCapacite::EffaceResultats);
    connect(cmdCalculer, &QPushButton::clicked, this, &frmCapacite::cmdCalculer_Click);
    connect(cmdUtiliser, &QPushButton::clicked, this, &frmCapacite::cmdUtiliser_Click);
    connect(cmdFermer, &QPushButton::clicked, this, &QDialog::reject);
}

SaisieCapacite frmCapacite::SaisieAffichee() const {
    return {.revenus = {VersUtf8(txtRevenu1->text()), VersUtf8(txtRevenu2->text())},
            .charges = VersUtf8(txtCharges->text()),
            .ratio = VersUtf8(txtRatio->text()),
            .taux = VersUtf8(txtTaux->text()),
            .duree = VersUtf8(txtDuree->text()),
            .dureeEnAnnees = cboUniteDuree->currentIndex() == 1,
            .assurance = VersUtf8(txtAssurance->text()),
            .assuranceEnTaux = cboAssurance->currentIndex() == 1,
            .fraisDossier = VersUtf8(txtFrais->text())};
}

void frmCapacite::EffaceResultats() {
    for (QLabel* resultat : lblResultat) {
        resultat->clear();
        resultat->setToolTip({});
        resultat->setStyleSheet({});
    }
    lblUsure->clear();
    lblAvis->setVisible(false);
    // Once per result shown, not at every keystroke.
    if (pretCalcule_) {
        for (int ligne = 0; ligne < tblDurees->rowCount(); ++ligne)
            tblDurees->setItem(ligne, 0, nullptr);
        RemplaceGraphique({});
    }
    pretCalcule_.reset();
    cmdUtiliser->setEnabled(false);
}

void frmCapacite::cmdCalculer_Click() {
    std::optional<CurseurAttente> attente(std::in_place);
    const ConventionsLocales conventions = ConventionsDe(QLocale());
    const CapaciteOuMotif resultat = CalculeCapacite(SaisieAffichee(), premiereEcheance_,
                                                     module_.blnTEGActuariel, module_.tauxUsure, conventions);
    EffaceResultats();
    if (const auto* motif = std::get_if<std::string>(&resultat)) {
        attente.reset();
        interactions_.message(this, IconeMessage::Information, TitreAmortix, DepuisUtf8(*motif));
        return;
    }
    AfficheCapacite(std::get<CapaciteEmprunt>(resultat));
}

void frmCapacite::AfficheCapacite(const CapaciteEmprunt& c) {
    const ConventionsLocales conventions = ConventionsDe(QLocale());
    for (std::size_t i = 0; i < lblResultat.size(); ++i)
        lblResultat[i]->setText(DepuisUtf8(TexteCapacite(LignesCapacite[i], c, conventions)));
    if (c.usure) {
        const QString plafond = DepuisUtf8(DecritPlafond(*c.usure, conventions));
        lblUsure->setText(plafond);
        if (c.usure->depasse) {
            QLabel* taeg = lblResultat[static_cast<std::size_t>(LigneCapacite::TAEG)];
            taeg->setStyleSheet(QStringLiteral("color: red"));
            taeg->setToolTip(
                QStringLiteral(
                    "TAEG au-dessus du taux d'usure %1 : ce prêt ne peut pas être accordé à ce taux")
                    .arg(plafond));
        }
    }
    lblAvis->setVisible(c.plusDe25Ans);
    for (std::size_t i = 0; i < c.parDuree.size(); ++i) {
        auto* cellule = new QTableWidgetItem(DepuisUtf8(Fmt2(c.parDuree[i].montant, conventions)));
        cellule->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        tblDurees->setItem(static_cast<int>(i), 0, cellule);
    }
    RemplaceGraphique(c.parDuree);
    pretCalcule_ = c.pret;
    cmdUtiliser->setEnabled(true);
}

void frmCapacite::cmdUtiliser_Click() {
    if (!pretCalcule_)
        return;
    saisieRemise_ = pretCalcule_;
    accept();
}

void frmCapacite::RemplaceGraphique(std::span<const MontantParDuree> montants) {
    QChartView* nouveau = CreeGraphiqueCapacite(montants, nullptr);
    nouveau->setObjectName(QStringLiteral("grfDurees"));
    nouveau->setFocusPolicy(Qt::NoFocus);
    nouveau->setMinimumSize(320, 200);
    amortix::RemplaceGraphique(zoneGraphique_, grfDurees, nouveau, 1);
}

} // namespace amortix
