#include "frmTauxUsure.h"

#include "Arrondis.h"
#include "ConventionsSysteme.h"
#include "FiltreSeparateurDecimal.h"
#include "LectureNombres.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace amortix {

frmTauxUsure::frmTauxUsure(Module& module, Interactions& interactions, QWidget* parent)
    : QDialog(parent), module_(module), interactions_(interactions) {
    setObjectName(QStringLiteral("frmTauxUsure"));
    setWindowTitle(QStringLiteral("Taux d'usure"));

    auto* formulaire = new QFormLayout;
    dtpTrimestre = new QDateEdit(this);
    dtpTrimestre->setObjectName(QStringLiteral("dtpTrimestre"));
    dtpTrimestre->setCalendarPopup(true);
    dtpTrimestre->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    auto* lblTrimestre = new QLabel(QStringLiteral("&Valables à partir du :"), this);
    lblTrimestre->setBuddy(dtpTrimestre);
    formulaire->addRow(lblTrimestre, dtpTrimestre);
    auto* filtre = new FiltreSeparateurDecimal(this);
    for (std::size_t i = 0; i < NombreCategoriesUsure; ++i) {
        txtPlafond[i] = new QLineEdit(this);
        txtPlafond[i]->setObjectName(QStringLiteral("txtPlafond%1").arg(i));
        txtPlafond[i]->setAlignment(Qt::AlignRight);
        txtPlafond[i]->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000,000")) + 12);
        filtre->surveille(txtPlafond[i]);
        auto* ligne = new QHBoxLayout;
        ligne->addWidget(txtPlafond[i]);
        ligne->addWidget(new QLabel(QStringLiteral("%"), this));
        ligne->addStretch();
        QString libelle = DepuisUtf8(LibelleCategorie(CategoriesUsure[i]));
        libelle[0] = libelle[0].toUpper();
        auto* etiquette = new QLabel(libelle + QStringLiteral(" :"), this);
        etiquette->setBuddy(txtPlafond[i]);
        formulaire->addRow(etiquette, ligne);
    }
    auto* explication = new QLabel(
        QStringLiteral(
            "Les taux d'usure des prêts aux particuliers, publiés chaque trimestre par la Banque de France."),
        this);
    explication->setWordWrap(true);

    auto* boutons = new QDialogButtonBox(this);
    cmdOK = boutons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    cmdAnnuler = boutons->addButton(QStringLiteral("&Annuler"), QDialogButtonBox::RejectRole);
    cmdRetablir =
        boutons->addButton(QStringLiteral("&Rétablir les taux fournis"), QDialogButtonBox::ResetRole);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdAnnuler->setObjectName(QStringLiteral("cmdAnnuler"));
    cmdRetablir->setObjectName(QStringLiteral("cmdRetablir"));
    cmdOK->setDefault(true);

    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(explication);
    disposition->addLayout(formulaire);
    disposition->addWidget(boutons);

    connect(cmdOK, &QPushButton::clicked, this, &frmTauxUsure::cmdOK_Click);
    connect(cmdAnnuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdRetablir, &QPushButton::clicked, this, [this] { AfficheTable(TableUsureFournie()); });
    AfficheTable(module_.tauxUsure);
    dtpTrimestre->setFocus();
}

void frmTauxUsure::AfficheTable(const TableUsure& table) {
    dtpTrimestre->setDate(VersQDate(table.debut));
    const ConventionsLocales conventions = ConventionsDe(QLocale());
    for (std::size_t i = 0; i < NombreCategoriesUsure; ++i)
        txtPlafond[i]->setText(DepuisUtf8(Fmt2(table.plafonds[i], conventions)));
}

void frmTauxUsure::cmdOK_Click() {
    const ConventionsLocales conventions = ConventionsDe(QLocale());
    TableUsure table;
    table.debut = VersDateStd(dtpTrimestre->date());
    for (std::size_t i = 0; i < NombreCategoriesUsure; ++i) {
        const auto plafond = LitDecimal(VersUtf8(txtPlafond[i]->text()), conventions);
        // Published with two decimals; a third typed is rounded as the TAEG shown is.
        table.plafonds[i] = plafond ? ArrondiAffiche(*plafond, 2) : -1.0;
    }
    if (const auto motif = MotifTableIncorrecte(table)) {
        interactions_.message(this, IconeMessage::Information, TitreAmortix, DepuisUtf8(*motif));
        return;
    }
    if (const auto erreur = EnregistreTauxUsure(module_.fichierReglages(NomFichierTauxUsure), table)) {
        interactions_.message(this, IconeMessage::Critique, TitreAmortix, erreur->texte());
        return;
    }
    module_.tauxUsure = table;
    accept();
}

} // namespace amortix
