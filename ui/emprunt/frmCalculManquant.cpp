#include "frmCalculManquant.h"

#include "BoutonMultiligne.h"
#include "CalculValeurManquante.h"
#include "Controles.h"
#include "ConventionsSysteme.h"
#include "FiltreSeparateurDecimal.h"
#include "Frequence.h"
#include "LectureNombres.h"
#include "MessagesSaisie.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <algorithm>

namespace amortix {
namespace {

// The client area, in twips.
constexpr int LargeurClient = 4755;
constexpr int HauteurClient = 3390;

} // namespace

frmCalculManquant::frmCalculManquant(QWidget* parent, Interactions& interactions,
                                     std::chrono::year_month_day premiereEcheance)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      interactions_(interactions), premiereEcheance_(premiereEcheance) {
    setObjectName(QStringLiteral("frmCalculManquant"));
    setWindowTitle(QStringLiteral("Retrouver l'information manquante"));
    setModal(true);
    setFont(QFont(QStringLiteral("Arial"), 8));
    setFixedSize(Pixels(LargeurClient), Pixels(HauteurClient));
    CreeControles();
    Form_Load();
}

void frmCalculManquant::CreeControles() {
    QLabel* consigne =
        Place(new QLabel(QStringLiteral("Remplissez 3 zones parmi les 4 ci-dessous puis cliquer sur "
                                        "le bouton \"Calculer la valeur manquante\" :"),
                         this),
              "Label5", 60, 120, 4635, 435);
    QFont gras(QStringLiteral("Arial"));
    gras.setPointSizeF(8.25);
    gras.setBold(true);
    consigne->setFont(gras);
    consigne->setWordWrap(true);
    consigne->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto champ = [this](int index, int haut, int largeur) {
        const QByteArray nom = "txtValeur" + QByteArray::number(index);
        auto* valeur = Place(new QLineEdit(this), nom.constData(), 2310, haut, largeur, 315);
        txtValeur[static_cast<std::size_t>(index)] = valeur;
        return valeur;
    };
    Libelle(this, "Label1", QStringLiteral("Montant du crédit :"), 660, 750, 1575, 255);
    champ(0, 720, 1335);
    Libelle(this, "Label2", QStringLiteral("Amortissement :"), 660, 1110, 1575, 255);
    champ(1, 1080, 555);
    cboEcheance = Place(new QComboBox(this), "cboEcheance", 2910, 1080, 1455, 315);
    for (const Frequence frequence : Frequences)
        cboEcheance->addItem(DepuisUtf8(LibelleEcheance(frequence)));
    Libelle(this, "Label3", QStringLiteral("Taux d'intérêt annuel :"), 300, 1470, 1935, 255);
    champ(2, 1440, 555);
    Libelle(this, "Label6", QStringLiteral("%"), 2910, 1470, 255, 255, Qt::AlignLeft);
    Libelle(this, "Label4", QStringLiteral("Montant échéance :"), 660, 1830, 1575, 255);
    champ(3, 1800, 1005);

    cmdCalculer = Place(new QPushButton(QStringLiteral("&Calculer la valeur manquante"), this), "cmdCalculer",
                        450, 2280, 3795, 375);
    // Enter in a field computes.
    cmdCalculer->setDefault(true);
    cmdTableauAmortissement =
        Place(new BoutonMultiligne(
                  QStringLiteral("&Utiliser ces informations pour établir le tableau d'amortissement"), this),
              "cmdTableauAmortissement", 450, 2730, 3825, 555);

    OrdreTabulation({txtValeur[0], txtValeur[1], cboEcheance, txtValeur[2], txtValeur[3], cmdCalculer,
                     cmdTableauAmortissement});

    // The duration takes a decimal separator too: 12,5 periods are read, then rounded.
    auto* filtre = new FiltreSeparateurDecimal(this);
    for (QLineEdit* valeur : txtValeur) {
        filtre->surveille(valeur);
        connect(valeur, &QLineEdit::textChanged, this, &frmCalculManquant::ModificationsDonnees);
    }
    connect(cmdCalculer, &QPushButton::clicked, this, &frmCalculManquant::cmdCalculer_Click);
    connect(cmdTableauAmortissement, &QPushButton::clicked, this,
            &frmCalculManquant::cmdTableauAmortissement_Click);
}

void frmCalculManquant::Form_Load() {
    cmdTableauAmortissement->setEnabled(false);
    // Connected after the entries are in, so that the first selection is the one made here.
    connect(cboEcheance, &QComboBox::currentIndexChanged, this, &frmCalculManquant::cboEcheance_Click);
    cboEcheance->setCurrentIndex(0);
    txtValeur[0]->setFocus();

    // Centred on the screen rather than over the main window.
    const QScreen* ecran = parentWidget() && parentWidget()->screen() ? parentWidget()->screen()
                                                                      : QGuiApplication::primaryScreen();
    if (ecran)
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), ecran->availableGeometry())
                 .topLeft());
}

void frmCalculManquant::ModificationsDonnees() {
    cmdTableauAmortissement->setEnabled(false);
}

void frmCalculManquant::cboEcheance_Click() {
    // Another frequency changes what the duration means: with the four fields filled, the duration
    // is the one to find again.
    const bool toutesRemplies = std::none_of(txtValeur.begin(), txtValeur.end(), [](const QLineEdit* valeur) {
        return EstVide(VersUtf8(valeur->text()));
    });
    if (!toutesRemplies)
        return;
    txtValeur[1]->clear();
    txtValeur[1]->setFocus();
}

void frmCalculManquant::cmdCalculer_Click() {
    std::array<std::string, 4> textes;
    for (std::size_t i = 0; i < textes.size(); ++i)
        textes[i] = VersUtf8(txtValeur[i]->text());
    const RechercheValeurManquante calcul =
        CalculeValeurManquante(textes, FrequenceChoisie(), ConventionsDe(QLocale()));

    const bool champsLus =
        calcul.issue == IssueValeurManquante::Trouvee || calcul.issue == IssueValeurManquante::Echec;
    if (champsLus) {
        // The fields are rewritten, each rewrite being a change: nothing to hand over until the
        // compute has succeeded.
        ModificationsDonnees();
        for (std::size_t i = 0; i < textes.size(); ++i)
            txtValeur[i]->setText(DepuisUtf8(calcul.champs[i]));
    }
    if (const auto message = MessageValeurManquante(calcul))
        AfficheMessage(DepuisUtf8(*message));
    if (calcul.issue == IssueValeurManquante::Trouvee)
        cmdTableauAmortissement->setEnabled(true);
}

void frmCalculManquant::cmdTableauAmortissement_Click() {
    // The payment stays here: the main window works it out from the other three. A loan found here
    // has no insurance and no fees.
    saisieRemise_ = SaisieEmprunt{.montant = VersUtf8(txtValeur[0]->text()),
                                  .duree = VersUtf8(txtValeur[1]->text()),
                                  .taux = VersUtf8(txtValeur[2]->text()),
                                  .assurance = "0",
                                  .fraisDossier = "0",
                                  .frequence = FrequenceChoisie(),
                                  .premiereEcheance = premiereEcheance_};
    accept();
}

Frequence frmCalculManquant::FrequenceChoisie() const {
    return FrequenceDeLIndex(cboEcheance->currentIndex()).value_or(Frequence::Mois);
}

void frmCalculManquant::AfficheMessage(const QString& texte) {
    interactions_.message(this, IconeMessage::Information, TitreAmortix, texte);
}

} // namespace amortix
