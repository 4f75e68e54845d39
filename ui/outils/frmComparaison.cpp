#include "frmComparaison.h"

#include "ComparaisonPdf.h"
#include "ConventionsSysteme.h"
#include "CurseurAttente.h"
#include "DestinationPdf.h"
#include "DocumentEmprunt.h"
#include "GraphiquesComparaison.h"
#include "OffresAComparer.h"
#include "VueGraphique.h"

#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace amortix {
namespace {

constexpr int LargeurInitiale = 960;
constexpr int HauteurInitiale = 700;
// A reason in place of figures wraps within this width.
constexpr int LargeurMotif = 190;

const QString AstuceMoinsChere = QStringLiteral("Le coût total le plus bas des offres comparées");
const QString AstucePlusPetitTAEG = QStringLiteral("Le TAEG le plus bas des offres comparées");

QPushButton* Bouton(QWidget* parent, const char* nom, const QString& texte) {
    auto* bouton = new QPushButton(texte, parent);
    bouton->setObjectName(QLatin1String(nom));
    bouton->setAutoDefault(false);
    return bouton;
}

int IndiceLigne(LigneComparaison ligne) {
    return static_cast<int>(ligne);
}

// Below the compared lines: the usury ceiling each offer's TAEG must stay under.
constexpr int LigneUsure = static_cast<int>(LignesComparaison.size());
const QString LibelleUsure = QStringLiteral("Taux d'usure");

QString AstuceUsure(const QString& plafond) {
    return QStringLiteral("TAEG au-dessus du taux d'usure %1 : l'offre ne peut pas être accordée à ce taux")
        .arg(plafond);
}

} // namespace

frmComparaison::frmComparaison(const Module& module, Interactions& interactions, QWidget* parent)
    : QDialog(parent), module_(module), interactions_(interactions) {
    setObjectName(QStringLiteral("frmComparaison"));
    setWindowTitle(QStringLiteral("Comparer des offres"));
    setSizeGripEnabled(true);

    tblOffres = new QTableWidget(LigneUsure + 1, 0, this);
    tblOffres->setObjectName(QStringLiteral("tblOffres"));
    QStringList libelles;
    for (const LigneComparaison ligne : LignesComparaison)
        libelles << DepuisUtf8(LibelleLigne(ligne));
    libelles << LibelleUsure;
    tblOffres->setVerticalHeaderLabels(libelles);
    tblOffres->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table for the buttons; the arrows move between offers.
    tblOffres->setTabKeyNavigation(false);
    tblOffres->setSelectionBehavior(QAbstractItemView::SelectColumns);
    tblOffres->setSelectionMode(QAbstractItemView::SingleSelection);
    tblOffres->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblOffres->verticalHeader()->setDefaultSectionSize(tblOffres->fontMetrics().height() + 6);
    tblOffres->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);

    cmdAjouter = Bouton(this, "cmdAjouter", QStringLiteral("&Ajouter..."));
    cmdRetirer = Bouton(this, "cmdRetirer", QStringLiteral("&Retirer"));
    cmdExporterPdf = Bouton(this, "cmdExporterPdf", QStringLiteral("Exporter en &PDF..."));
    cmdFermer = Bouton(this, "cmdFermer", QStringLiteral("&Fermer"));
    // The kind of credit decides which usury ceilings apply.
    auto* lblNature = new QLabel(QStringLiteral("&Type de crédit :"), this);
    cboNature = new QComboBox(this);
    cboNature->setObjectName(QStringLiteral("cboNature"));
    cboNature->addItems({QStringLiteral("Immobilier"), QStringLiteral("Consommation")});
    lblNature->setBuddy(cboNature);
    lblAvisUsure = new QLabel(this);
    lblAvisUsure->setObjectName(QStringLiteral("lblAvisUsure"));
    lblAvisUsure->setWordWrap(true);
    lblAvisUsure->setMaximumWidth(cmdExporterPdf->sizeHint().width());
    const auto avis = AvisTablePerimee(module_.tauxUsure, VersDateStd(QDate::currentDate()));
    lblAvisUsure->setText(avis ? DepuisUtf8(*avis) : QString());
    lblAvisUsure->setVisible(avis.has_value());

    auto* graphiques = new QWidget(this);
    zoneGraphiques_ = new QHBoxLayout(graphiques);
    zoneGraphiques_->setContentsMargins(0, 0, 0, 0);
    graCapitalRestant_ = VueGraphique(CreeGraphiqueCapitalDesOffres(offres_, QLocale()), graphiques);
    graAnnuel_ = VueGraphique(CreeGraphiqueAnnuelDe(nullptr, QLocale()), graphiques);
    graCapitalRestant_->setObjectName(QStringLiteral("graCapitalRestant"));
    graAnnuel_->setObjectName(QStringLiteral("graAnnuel"));
    zoneGraphiques_->addWidget(graCapitalRestant_);
    zoneGraphiques_->addWidget(graAnnuel_);

    auto* partage = new QSplitter(Qt::Vertical, this);
    partage->setChildrenCollapsible(false);
    partage->addWidget(tblOffres);
    partage->addWidget(graphiques);
    partage->setStretchFactor(0, 0);
    partage->setStretchFactor(1, 1);
    partage->setSizes({HauteurInitiale / 2, HauteurInitiale / 2});

    auto* boutons = new QVBoxLayout;
    boutons->addWidget(cmdAjouter);
    boutons->addWidget(cmdRetirer);
    boutons->addWidget(cmdExporterPdf);
    boutons->addSpacing(12);
    boutons->addWidget(lblNature);
    boutons->addWidget(cboNature);
    boutons->addWidget(lblAvisUsure);
    boutons->addStretch();
    boutons->addWidget(cmdFermer);
    auto* disposition = new QHBoxLayout(this);
    disposition->addWidget(partage, 1);
    disposition->addLayout(boutons);

    setTabOrder(tblOffres, cmdAjouter);
    setTabOrder(cmdAjouter, cmdRetirer);
    setTabOrder(cmdRetirer, cmdExporterPdf);
    setTabOrder(cmdExporterPdf, cboNature);
    setTabOrder(cboNature, cmdFermer);
    resize(LargeurInitiale, HauteurInitiale);

    connect(cmdAjouter, &QPushButton::clicked, this, &frmComparaison::cmdAjouter_Click);
    connect(cmdRetirer, &QPushButton::clicked, this, &frmComparaison::cmdRetirer_Click);
    connect(cmdExporterPdf, &QPushButton::clicked, this, &frmComparaison::cmdExporterPdf_Click);
    connect(cmdFermer, &QPushButton::clicked, this, &QDialog::reject);
    connect(cboNature, &QComboBox::currentIndexChanged, this, [this] { AfficheOffres(OffreChoisie()); });
    connect(tblOffres, &QTableWidget::currentCellChanged, this, [this](int, int colonne, int, int ancienne) {
        if (colonne != ancienne)
            AfficheGraphiqueAnnuel();
    });
    AfficheOffres(std::nullopt);
}

void frmComparaison::AjouteOffre(const QString& nom, const SaisieEmprunt& saisie) {
    const CurseurAttente attente;
    offres_.push_back(CalculeOffre(VersUtf8(nom), saisie, module_.blnTEGActuariel, ConventionsDe(QLocale())));
    AfficheOffres(offres_.size() - 1);
}

void frmComparaison::cmdAjouter_Click() {
    const QStringList chemins =
        interactions_.fichiersAOuvrir(this, {QStringLiteral("Ouvrir"), fichierDialogue_, FiltreDocuments});
    if (chemins.isEmpty())
        return;
    const CurseurAttente attente;
    const std::size_t premiere = offres_.size();
    const ConventionsLocales conventions = ConventionsDe(QLocale());
    for (const QString& chemin : chemins)
        offres_.push_back(LitOffre(chemin, module_.blnTEGActuariel, conventions));
    fichierDialogue_ = chemins.back();
    AfficheOffres(premiere);
}

void frmComparaison::cmdRetirer_Click() {
    const std::optional<std::size_t> choisie = OffreChoisie();
    if (!choisie)
        return;
    offres_.erase(offres_.begin() + static_cast<std::ptrdiff_t>(*choisie));
    if (offres_.empty())
        AfficheOffres(std::nullopt);
    else
        AfficheOffres(std::min(*choisie, offres_.size() - 1));
}

void frmComparaison::cmdExporterPdf_Click() {
    const QString chemin = interactions_.fichierAEnregistrer(
        this, {QStringLiteral("Exporter en PDF"), PdfPropose(QStringLiteral("Comparaison des offres.pdf")),
               FiltrePdf});
    if (chemin.isEmpty())
        return;
    std::optional<CurseurAttente> attente(std::in_place);
    const auto erreur =
        EnregistreComparaisonPdf(chemin, offres_, OffreChoisie(), QLocale(), lblAvisUsure->text());
    attente.reset();
    if (erreur)
        interactions_.message(this, IconeMessage::Critique, TitreAmortix, erreur->texte(CauseEchecPdf));
}

void frmComparaison::AfficheOffres(std::optional<std::size_t> choisie) {
    const QSignalBlocker silence(tblOffres);
    tblOffres->clearSpans();
    tblOffres->setColumnCount(0);
    tblOffres->setColumnCount(static_cast<int>(offres_.size()));
    const ConventionsLocales conventions = ConventionsDe(QLocale());
    VerifieUsureDesOffres(offres_, module_.tauxUsure, NatureChoisie(), conventions);
    const MeilleuresOffres meilleures = TrouveMeilleuresOffres(offres_);
    for (std::size_t i = 0; i < offres_.size(); ++i) {
        const OffreNommee& offre = offres_[i];
        const int colonne = static_cast<int>(i);
        tblOffres->setHorizontalHeaderItem(colonne, new QTableWidgetItem(DepuisUtf8(offre.nom)));
        if (!offre.offre) {
            auto* motif = new QTableWidgetItem(DepuisUtf8(offre.erreur));
            motif->setToolTip(motif->text());
            motif->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
            tblOffres->setItem(0, colonne, motif);
            tblOffres->setSpan(0, colonne, tblOffres->rowCount(), 1);
            continue;
        }
        for (const LigneComparaison ligne : LignesComparaison) {
            auto* cellule = new QTableWidgetItem(DepuisUtf8(TexteLigne(ligne, *offre.offre).value_or("-")));
            cellule->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            tblOffres->setItem(IndiceLigne(ligne), colonne, cellule);
        }
        if (offre.usure) {
            const QString plafond = DepuisUtf8(DecritPlafond(*offre.usure, conventions));
            auto* cellule = new QTableWidgetItem(plafond);
            cellule->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            tblOffres->setItem(LigneUsure, colonne, cellule);
            if (offre.usure->depasse) {
                QTableWidgetItem* taeg = tblOffres->item(IndiceLigne(LigneComparaison::TAEG), colonne);
                taeg->setForeground(Qt::red);
                taeg->setToolTip(AstuceUsure(plafond));
            }
        }
    }
    const auto marque = [this](std::optional<std::size_t> meilleure, LigneComparaison ligne,
                               const QString& astuce) {
        if (!meilleure)
            return;
        QTableWidgetItem* cellule = tblOffres->item(IndiceLigne(ligne), static_cast<int>(*meilleure));
        QFont gras = cellule->font();
        gras.setBold(true);
        cellule->setFont(gras);
        // A TAEG over the usury ceiling keeps saying so.
        cellule->setToolTip(cellule->toolTip().isEmpty() ? astuce
                                                         : astuce + QLatin1Char('\n') + cellule->toolTip());
    };
    marque(meilleures.moinsChere, LigneComparaison::CoutTotal, AstuceMoinsChere);
    marque(meilleures.plusPetitTAEG, LigneComparaison::TAEG, AstucePlusPetitTAEG);
    tblOffres->resizeColumnsToContents();
    // Every line of the table in sight, the charts below in the rest (the heading's height is
    // known once there is a column).
    if (!offres_.empty())
        tblOffres->setMinimumHeight(tblOffres->horizontalHeader()->sizeHint().height() +
                                    tblOffres->verticalHeader()->length() + 2 * tblOffres->frameWidth() +
                                    tblOffres->horizontalScrollBar()->sizeHint().height());
    for (std::size_t i = 0; i < offres_.size(); ++i)
        if (!offres_[i].offre)
            tblOffres->setColumnWidth(static_cast<int>(i), LargeurMotif);
    if (choisie)
        tblOffres->setCurrentCell(0, static_cast<int>(*choisie));
    cmdRetirer->setEnabled(!offres_.empty());
    cmdExporterPdf->setEnabled(!offres_.empty());

    amortix::RemplaceGraphique(zoneGraphiques_, graCapitalRestant_,
                               VueGraphique(CreeGraphiqueCapitalDesOffres(offres_, QLocale()), nullptr));
    AfficheGraphiqueAnnuel();
}

NatureCredit frmComparaison::NatureChoisie() const {
    return cboNature->currentIndex() == 1 ? NatureCredit::Consommation : NatureCredit::Immobilier;
}

std::optional<std::size_t> frmComparaison::OffreChoisie() const {
    const int colonne = tblOffres->currentColumn();
    if (colonne < 0 || colonne >= static_cast<int>(offres_.size()))
        return std::nullopt;
    return static_cast<std::size_t>(colonne);
}

void frmComparaison::AfficheGraphiqueAnnuel() {
    const std::optional<std::size_t> choisie = OffreChoisie();
    amortix::RemplaceGraphique(
        zoneGraphiques_, graAnnuel_,
        VueGraphique(CreeGraphiqueAnnuelDe(choisie ? &offres_[*choisie] : nullptr, QLocale()), nullptr));
}

} // namespace amortix
