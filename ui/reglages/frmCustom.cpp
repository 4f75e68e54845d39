#include "frmCustom.h"

#include "Controles.h"
#include "StockEntetes.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace amortix {
namespace {

// A field of the header store: at most 255 characters, whether typed, pasted or set by the program.
QLineEdit* ChampEntete(QWidget* parent, const char* nom, int gauche, int haut, int largeur, int hauteur) {
    auto* champ = Place(new QLineEdit(parent), nom, gauche, haut, largeur, hauteur);
    champ->setMaxLength(LongueurChampEntete);
    return champ;
}

} // namespace

frmCustom::frmCustom(Module& module, Interactions& interactions, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      module_(module), interactions_(interactions) {
    setObjectName(QStringLiteral("frmCustom"));
    setWindowTitle(QStringLiteral("Personnaliser Amortix"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    setFixedSize(Pixels(7635), Pixels(3495));

    fraImpression =
        Place(new QGroupBox(QStringLiteral("Impression"), this), "fraImpression", 120, 150, 7365, 1695);
    Libelle(fraImpression, "Label1", QStringLiteral("En-tête :"), 90, 330, 675, 225, Qt::AlignLeft);
    txtImpression = ChampEntete(fraImpression, "txtImpression", 810, 300, 6405, 315);
    Libelle(fraImpression, "Label3", QStringLiteral("Image :"), 90, 810, 675, 225, Qt::AlignLeft);
    txtImage = ChampEntete(fraImpression, "txtImage", 810, 780, 5925, 315);
    cmdParcourir = Place(new QPushButton(fraImpression), "cmdParcourir", 6810, 780, 405, 315);
    cmdParcourir->setIcon(QIcon(QStringLiteral(":/icones/parcourir.svg")));
    cmdParcourir->setToolTip(QStringLiteral("Parcourir"));
    cmdParcourir->setAccessibleName(QStringLiteral("Parcourir"));
    auto* aide =
        Libelle(fraImpression, "Label4",
                QStringLiteral("Vous pouvez indiquer ci-dessus le chemin d'accès à une image correspondant "
                               "au logo de votre société. Celui-ci apparaîtra en haut à droite de "
                               "l'impression."),
                810, 1170, 5925, 465);
    aide->setWordWrap(true);
    aide->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    fraExportation = Place(new QGroupBox(QStringLiteral("Exportation Excel"), this), "fraExportation", 120,
                           2010, 7365, 795);
    Libelle(fraExportation, "Label2", QStringLiteral("En-tête :"), 120, 300, 645, 255, Qt::AlignLeft);
    txtExportationExcel = ChampEntete(fraExportation, "txtExportationExcel", 810, 270, 6405, 315);

    cmdOK = Place(new QPushButton(QStringLiteral("&OK"), this), "cmdOK", 4980, 2910, 1215, 435);
    cmdAnnuler =
        Place(new QPushButton(QStringLiteral("&Annuler"), this), "cmdAnnuler", 6270, 2910, 1215, 435);
    // No default button: Enter in a field does not close the dialog; Escape cancels it.
    for (QPushButton* bouton : {cmdOK, cmdAnnuler, cmdParcourir})
        bouton->setAutoDefault(false);

    OrdreTabulation({cmdOK, cmdAnnuler, txtImpression, cmdParcourir, txtImage, txtExportationExcel});

    connect(cmdOK, &QPushButton::clicked, this, &frmCustom::cmdOK_Click);
    connect(cmdAnnuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdParcourir, &QPushButton::clicked, this, &frmCustom::cmdParcourir_Click);
    Form_Load();
}

void frmCustom::Form_Load() {
    const LectureEntetes lecture = LitEnregistrementEntetes(module_.fichierReglages(NomStockEntetes));
    if (lecture.erreur)
        interactions_.message(this, IconeMessage::Avertissement, TitreAmortix, lecture.erreur->texte());
    txtImpression->setText(lecture.enregistrement.enteteImpression);
    txtImage->setText(lecture.enregistrement.cheminImage);
    txtExportationExcel->setText(lecture.enregistrement.enteteExcel);
    // Long texts show from their beginning.
    for (QLineEdit* champ : {txtImpression, txtImage, txtExportationExcel})
        champ->setCursorPosition(0);
    cmdOK->setFocus();
}

void frmCustom::cmdOK_Click() {
    const EnregistrementEntetes entetes{txtImpression->text(), txtExportationExcel->text(), txtImage->text()};
    if (const auto erreur = EcritEnregistrementEntetes(module_.fichierReglages(NomStockEntetes), entetes))
        interactions_.message(this, IconeMessage::Avertissement, TitreAmortix, erreur->texte());
    module_.appliqueEntetes(TelQueStocke(entetes));
    emit EntetesAppliques();
    accept();
}

void frmCustom::cmdParcourir_Click() {
    Interactions::DemandeFichier demande;
    demande.titre = QStringLiteral("Choisir une image");
    demande.filtre = QStringLiteral("Fichiers image (*.jpg *.bmp *.gif)");
    const QString chemin = interactions_.fichierAOuvrir(this, demande);
    if (!chemin.isEmpty())
        txtImage->setText(chemin);
}

} // namespace amortix
