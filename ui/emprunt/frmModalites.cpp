#include "frmModalites.h"

#include "ConventionsSysteme.h"
#include "FiltreSeparateurDecimal.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <limits>

namespace amortix {
namespace {

QRadioButton* Choix(QWidget* parent, QLayout* disposition, const char* nom, const QString& texte) {
    auto* choix = new QRadioButton(texte, parent);
    choix->setObjectName(QLatin1String(nom));
    disposition->addWidget(choix);
    return choix;
}

// A short field under the box's choices, its label naming it for the keyboard and screen readers.
QLineEdit* Champ(QWidget* parent, QBoxLayout* disposition, const char* nom, const QString& libelle,
                 const std::string& texte) {
    auto* champ = new QLineEdit(DepuisUtf8(texte), parent);
    champ->setObjectName(QLatin1String(nom));
    champ->setMaximumWidth(80);
    auto* etiquette = new QLabel(libelle, parent);
    etiquette->setBuddy(champ);
    auto* ligne = new QFormLayout;
    ligne->addRow(etiquette, champ);
    disposition->addLayout(ligne);
    return champ;
}

} // namespace

frmModalites::frmModalites(QWidget* parent, Interactions& interactions, const ModalitesEmprunt& modalites,
                           std::optional<std::int32_t> duree, Frequence frequence)
    : QDialog(parent), interactions_(interactions), duree_(duree), frequence_(frequence),
      lissage_(modalites.lissage) {
    setObjectName(QStringLiteral("frmModalites"));
    setWindowTitle(QStringLiteral("Assurance et différé"));

    auto* assurance = new QGroupBox(QStringLiteral("Assurance de l'emprunteur"), this);
    auto* dispositionAssurance = new QVBoxLayout(assurance);
    optParEcheance = Choix(assurance, dispositionAssurance, "optParEcheance",
                           QStringLiteral("&Montant fixe par échéance (champ « Assurance »)"));
    optCapitalInitial = Choix(assurance, dispositionAssurance, "optCapitalInitial",
                              QStringLiteral("Taux annuel sur le capital &initial"));
    optCapitalRestant = Choix(assurance, dispositionAssurance, "optCapitalRestant",
                              QStringLiteral("Taux annuel sur le capital &restant dû"));
    txtTauxAssurance = Champ(assurance, dispositionAssurance, "txtTauxAssurance",
                             QStringLiteral("&Taux annuel (%) :"), modalites.tauxAssurance);

    auto* differe = new QGroupBox(QStringLiteral("Différé d'amortissement"), this);
    auto* dispositionDiffere = new QVBoxLayout(differe);
    optSansDiffere = Choix(differe, dispositionDiffere, "optSansDiffere", QStringLiteral("&Aucun"));
    optDifferePartiel = Choix(differe, dispositionDiffere, "optDifferePartiel",
                              QStringLiteral("&Partiel : intérêts et assurance seuls"));
    optDiffereTotal = Choix(differe, dispositionDiffere, "optDiffereTotal",
                            QStringLiteral("T&otal : assurance seule, intérêts ajoutés au capital"));
    txtPeriodesDiffere = Champ(differe, dispositionDiffere, "txtPeriodesDiffere",
                               QStringLiteral("&Durée (%1) :").arg(DepuisUtf8(LibelleEcheance(frequence))),
                               modalites.periodesDiffere);

    // Radio buttons of one box exclude each other; the two boxes are independent.
    auto* groupeAssurance = new QButtonGroup(this);
    for (QRadioButton* choix : {optParEcheance, optCapitalInitial, optCapitalRestant})
        groupeAssurance->addButton(choix);
    auto* groupeDiffere = new QButtonGroup(this);
    for (QRadioButton* choix : {optSansDiffere, optDifferePartiel, optDiffereTotal})
        groupeDiffere->addButton(choix);
    (modalites.assurance == ModeAssurance::TauxCapitalInitial   ? optCapitalInitial
     : modalites.assurance == ModeAssurance::TauxCapitalRestant ? optCapitalRestant
                                                                : optParEcheance)
        ->setChecked(true);
    (modalites.differe == ModeDiffere::Partiel ? optDifferePartiel
     : modalites.differe == ModeDiffere::Total ? optDiffereTotal
                                               : optSansDiffere)
        ->setChecked(true);

    auto* boutons = new QDialogButtonBox(this);
    boutons->setObjectName(QStringLiteral("boutons"));
    boutons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("cmdOK"));
    boutons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cmdAnnuler"));
    connect(boutons, &QDialogButtonBox::accepted, this, &frmModalites::Valide);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(assurance);
    disposition->addWidget(differe);
    disposition->addWidget(boutons);

    (new FiltreSeparateurDecimal(this))->surveille(txtTauxAssurance);
    for (QRadioButton* choix : {optParEcheance, optCapitalInitial, optCapitalRestant, optSansDiffere,
                                optDifferePartiel, optDiffereTotal})
        connect(choix, &QRadioButton::toggled, this, &frmModalites::ActiveChamps);
    ActiveChamps();
}

ModalitesEmprunt frmModalites::modalites() const {
    ModalitesEmprunt m;
    m.assurance = optCapitalInitial->isChecked()   ? ModeAssurance::TauxCapitalInitial
                  : optCapitalRestant->isChecked() ? ModeAssurance::TauxCapitalRestant
                                                   : ModeAssurance::ParEcheance;
    if (m.assurance != ModeAssurance::ParEcheance)
        m.tauxAssurance = VersUtf8(txtTauxAssurance->text());
    m.differe = optDifferePartiel->isChecked() ? ModeDiffere::Partiel
                : optDiffereTotal->isChecked() ? ModeDiffere::Total
                                               : ModeDiffere::Aucun;
    if (m.differe != ModeDiffere::Aucun)
        m.periodesDiffere = VersUtf8(txtPeriodesDiffere->text());
    m.lissage = lissage_;
    return m;
}

void frmModalites::ActiveChamps() {
    txtTauxAssurance->setEnabled(!optParEcheance->isChecked());
    txtPeriodesDiffere->setEnabled(!optSansDiffere->isChecked());
}

void frmModalites::Valide() {
    const auto lues = LitModalites(modalites(), duree_.value_or(std::numeric_limits<std::int32_t>::max()),
                                   frequence_, ConventionsDe(QLocale()));
    if (const auto* motif = std::get_if<std::string>(&lues)) {
        interactions_.message(this, IconeMessage::Avertissement, windowTitle(), DepuisUtf8(*motif));
        return;
    }
    accept();
}

} // namespace amortix
