#pragma once

#include "ContenuEcheancier.h"
#include "Erreur.h"
#include "Interactions.h"
#include "Module.h"
#include "RapportImprime.h"
#include "SaisieEmprunt.h"
#include "TauxEffectifGlobal.h"

#include <QMainWindow>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

class QAction;
class QComboBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTreeView;

namespace amortix {

class ModeleEcheancier;

// The main window: the loan's inputs, the schedule, its cost and its effective rate. Results live
// only as the texts of the controls, and any edit of an input clears them, so what is shown,
// printed, exported or saved always belongs to the inputs on screen. Other windows go through its
// public operations; its controls are its own (tests find them by their objectName).
class frmEmprunt : public QMainWindow {
    Q_OBJECT

public:
    // `ligneDeCommande`: a loan document to open at once, as the program's command line names it.
    frmEmprunt(Module& module, Interactions& interactions, const QString& ligneDeCommande = {},
               QWidget* parent = nullptr);

    // Reads the fields, rewrites the decimal ones, lists the schedule and its costs, then the TEG.
    void cmdCalculer_Click();

    // Applies the header settings and loads the logo into picLogo.
    void AfficheCadreInfos();
    // Loads the logo at strCheminImage into picLogo (none for an empty path); on a failure, says so
    // and keeps the logo shown so far.
    void ChargePicLogo();
    // Puts a loan document's values into the fields, computes, and shows the file's name in the title.
    // A document that cannot be read, or does not hold a loan, changes nothing: the reason is returned.
    std::optional<QString> OuvrirFichier(const QString& strNomCompletFichier);

    // The loan's inputs as the fields hold them.
    SaisieEmprunt SaisieAffichee() const;
    // Puts a loan's inputs into the fields, in the order of a loan document; each change clears the
    // results as an edit would.
    void AfficheSaisie(const SaisieEmprunt& saisie);
    // What the outputs read: the fields, the cost and TEG texts and the rows, as shown.
    ContenuEcheancier ContenuAffiche() const;

    bool aucunCalcul() const { return blnAucunCalcul; }
    const ModeleEcheancier* modeleListe() const { return modeleListe_; }

private:
    void CreeControles();
    void CreeMenus();
    void Form_Load(const QString& ligneDeCommande);
    void EffacerResultats();
    // The TEG chosen in the options beside the rate, and the details button beside it.
    void AfficheTEG(const TextesTEG& textes, const QString& affiche);
    void cmdDetailsTEG_Click();
    void cmdManquant_Click();
    // The insurance kind and the deferral, chosen in their own dialog and kept with the fields.
    void cmdModalites_Click();
    void AppliqueModalites(const ModalitesEmprunt& modalites);
    // Outputs of the schedule on screen (frmEmpruntImpression.cpp, frmEmpruntExport.cpp).
    RapportImprime RapportAffiche() const;
    void cmdImprimer_Click();
    void mnuApercuAvantImpression_Click();
    void mnuExporterPdf_Click();
    void cmdExportExcel_Click();
    void mnuExporterClasseur_Click();
    // Loan documents (frmEmpruntDocuments.cpp).
    void mnuOuvrir_Click();
    void mnuEnregistrerSous_Click();
    void OuvreLigneDeCommande(const QString& ligneDeCommande);
    void SignaleDocumentIllisible(const QString& nom, const QString& raison);
    // Settings dialogs (frmEmpruntReglages.cpp).
    void mnuOptions_Click();
    void mnuPersonnaliser_Click();
    // Tools beyond the schedule (frmEmpruntOutils.cpp).
    void mnuComparer_Click();
    void mnuRemboursementAnticipe_Click();
    void mnuCapacite_Click();
    void mnuPlanFinancement_Click();
    std::optional<QString> NomPretAffiche(const QString& sansDocument) const;
    // The usury ceilings as the settings hold them now, a damaged file said once it is met.
    void ChargeTauxUsureDesReglages();
    // The warning box of a settings file or picture that failed; what was being done goes on.
    void AvertitReglages(const Erreur& erreur);
    // The commands that need a computed schedule, enabled and disabled together.
    void ActiveSorties(bool actives);
    // The computation's own reason when it has one, the usual message otherwise.
    void AfficheEchecCalcul(const std::string& motif = {});
    // The window grows beyond its designed size (frmEmpruntDisposition.cpp): the list takes the
    // extra room, the cost frame stays under it, and the size and place are kept for the next start.
    void PermetAgrandissement();
    void DisposeSelonTaille();
    void resizeEvent(QResizeEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

    QLineEdit* txtMontant;
    QLineEdit* txtMensualite; // the duration, in periods of the frequency
    QComboBox* cboEcheance;
    QDateEdit* DTPicker;
    QLineEdit* txtTaux;
    QLabel* lblTEG; // its "tag" property keeps the TEG text shown, for the outputs
    QPushButton* cmdDetailsTEG;
    QLabel* picInfo;
    QLineEdit* txtAssurance;
    QPushButton* cmdModalites; // opens frmModalites
    QLineEdit* txtFraisDossier;
    QPushButton* cmdCalculer;
    QPushButton* cmdManquant;
    QPushButton* cmdImprimer;
    QPushButton* cmdExportExcel;
    QPushButton* cmdQuitter;
    QTreeView* lvwListe;
    QGroupBox* Frame2;
    QLabel* lblCoutInterets;
    QLabel* lblCoutAssurance;
    QLabel* lblCoutFraisDossier;
    QLabel* lblCoutTotal;
    QLabel* picLogo; // holds the logo for the printed report; placed off the window, never seen

    QMenu* mnuFichier;
    QAction* mnuOuvrir;
    QAction* mnuEnregistrerSous;
    QAction* mnuApercuAvantImpression;
    QAction* mnuExporterPdf;
    QAction* mnuExporterClasseur;
    QAction* mnuQuitter;
    QMenu* mnuOutils;
    QAction* mnuOptions;
    QAction* mnuPersonnaliser;
    QAction* mnuComparer;
    QAction* mnuRemboursementAnticipe; // needs a computed schedule, as printing does
    QAction* mnuModalites;
    QAction* mnuCapacite;
    QAction* mnuPlanFinancement;
    QMenu* mnuAide;
    QAction* mnuVisiterSiteWeb;
    QAction* mnuContacterAuteur;

    Module& module_;
    Interactions& interactions_;
    ModeleEcheancier* modeleListe_;
    // True until the first schedule is shown; while it holds, an input change clears nothing.
    bool blnAucunCalcul = true;
    ModalitesEmprunt modalites_; // chosen with cmdModalites; the default leaves the fields alone
    TextesTEG textesTEG_;        // strTEGPeriode, strTEGProportionnel, strTEGActuariel
    QRect geometrieListe_;       // lvwListe at the designed size
    QPoint positionCadre_;       // Frame2 at the designed size
    QSize tailleClient_;         // the client area at the designed size
    QString fichierDialogue_;    // the file dialog offers the last document chosen, to open or to save
};

} // namespace amortix
