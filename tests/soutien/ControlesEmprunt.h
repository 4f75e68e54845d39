#pragma once

#include "DocumentEmprunt.h"
#include "InteractionsScriptees.h"
#include "ModeleEcheancier.h"
#include "frmEmprunt.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <memory>

namespace amortix {

// A control by objectName, as the user's tools see it; one missing stops the test at once, no later crash.
template <typename T> T* Controle(const QObject& fenetre, const char* nom) {
    T* trouve = fenetre.findChild<T*>(QLatin1String(nom));
    if (!trouve)
        qFatal("pas de contrôle %s", nom);
    return trouve;
}

struct ControlesEmprunt {
    const frmEmprunt& f_;
    QLineEdit* txtMontant = Controle<QLineEdit>(f_, "txtMontant");
    QLineEdit* txtMensualite = Controle<QLineEdit>(f_, "txtMensualite");
    QComboBox* cboEcheance = Controle<QComboBox>(f_, "cboEcheance");
    QDateEdit* DTPicker = Controle<QDateEdit>(f_, "DTPicker");
    QLineEdit* txtTaux = Controle<QLineEdit>(f_, "txtTaux");
    QLabel* lblTEG = Controle<QLabel>(f_, "lblTEG");
    QPushButton* cmdDetailsTEG = Controle<QPushButton>(f_, "cmdDetailsTEG");
    QLineEdit* txtAssurance = Controle<QLineEdit>(f_, "txtAssurance");
    QLineEdit* txtFraisDossier = Controle<QLineEdit>(f_, "txtFraisDossier");
    QPushButton* cmdCalculer = Controle<QPushButton>(f_, "cmdCalculer");
    QPushButton* cmdImprimer = Controle<QPushButton>(f_, "cmdImprimer");
    QPushButton* cmdExportExcel = Controle<QPushButton>(f_, "cmdExportExcel");
    QTreeView* lvwListe = Controle<QTreeView>(f_, "lvwListe");
    QGroupBox* Frame2 = Controle<QGroupBox>(f_, "Frame2");
    QLabel* lblCoutInterets = Controle<QLabel>(f_, "lblCoutInterets");
    QLabel* lblCoutAssurance = Controle<QLabel>(f_, "lblCoutAssurance");
    QLabel* lblCoutFraisDossier = Controle<QLabel>(f_, "lblCoutFraisDossier");
    QLabel* lblCoutTotal = Controle<QLabel>(f_, "lblCoutTotal");
    QLabel* picLogo = Controle<QLabel>(f_, "picLogo");
    QMenu* mnuFichier = Controle<QMenu>(f_, "mnuFichier");
    QAction* mnuOuvrir = Controle<QAction>(f_, "mnuOuvrir");
    QAction* mnuEnregistrerSous = Controle<QAction>(f_, "mnuEnregistrerSous");
    QAction* mnuApercuAvantImpression = Controle<QAction>(f_, "mnuApercuAvantImpression");
    QAction* mnuExporterPdf = Controle<QAction>(f_, "mnuExporterPdf");
    QAction* mnuExporterClasseur = Controle<QAction>(f_, "mnuExporterClasseur");
};

// Inputs print as their document holds them.
inline char* toString(const SaisieEmprunt& s) {
    return QTest::toString(OctetsDocument(s));
}

inline void Tape(QLineEdit* champ, const QString& texte) {
    champ->clear();
    QTest::keyClicks(champ, texte);
}

inline QString Rangee(const QAbstractItemModel& modele, int i) {
    QStringList textes;
    for (int j = 0; j < 7; ++j)
        textes << modele.index(i, j).data().toString();
    return textes.join(QLatin1Char(' '));
}

// Shown and activated as the user finds it; false if it did not become active in time.
inline bool Active(QWidget& fenetre) {
    fenetre.show();
    fenetre.activateWindow();
    return QTest::qWaitFor([&fenetre] { return fenetre.isActiveWindow(); });
}

// A main window on a settings folder of its own, every dialog scripted.
struct Poste {
    QTemporaryDir dossier;
    Module module;
    InteractionsScriptees interactions;
    std::unique_ptr<frmEmprunt> f;

    Poste() { module.dossierReglages = dossier.path(); }
    QString chemin(const char* nom) const { return dossier.filePath(QString::fromUtf8(nom)); }
    // Made as the start-up makes it, shown and active.
    frmEmprunt& ouvre(const QString& ligneDeCommande = {}) {
        f = std::make_unique<frmEmprunt>(module, interactions, ligneDeCommande);
        if (!Active(*f))
            qWarning("la fenêtre principale n'est pas devenue active");
        return *f;
    }
    ControlesEmprunt c() const { return ControlesEmprunt{*f}; }
    // A command whose file dialog is answered with `fichier`.
    void declenche(QAction* commande, const QString& fichier) {
        interactions.fichiers.push_back(fichier);
        commande->trigger();
    }
    // By default the worked example: 10 000 at 6 % over 12 months from 31/01/2007.
    void calcule(const char* montant = "10000", const char* duree = "12", const char* taux = "6",
                 const char* assurance = "", const char* frais = "",
                 QDate premiere = QDate(2007, 1, 31)) const {
        const ControlesEmprunt c = this->c();
        c.DTPicker->setDate(premiere);
        for (const auto& [champ, texte] : {std::pair{c.txtMontant, montant},
                                           {c.txtMensualite, duree},
                                           {c.txtTaux, taux},
                                           {c.txtAssurance, assurance},
                                           {c.txtFraisDossier, frais}})
            Tape(champ, QString::fromUtf8(texte));
        QTest::mouseClick(c.cmdCalculer, Qt::LeftButton);
    }
    int lignes() const { return f->modeleListe()->rowCount(); }
    QString rangee(int i) const { return Rangee(*f->modeleListe(), i); }
};

// The same, opened from the start.
struct PosteOuvert : Poste {
    explicit PosteOuvert(const QString& ligneDeCommande = {}) { ouvre(ligneDeCommande); }
};

} // namespace amortix
