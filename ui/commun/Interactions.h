#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace amortix {

enum class IconeMessage { Information, Question, Avertissement, Critique };

// The title of the program's boxes.
inline const QString TitreAmortix = QStringLiteral("Amortix");

// Everything a window asks of the user or of the desktop outside its own controls: message boxes,
// file dialogs, opening an address. Windows receive it from outside, so that tests can answer.
class Interactions {
public:
    virtual ~Interactions() = default;

    // A box with one OK button.
    virtual void message(QWidget* parent, IconeMessage icone, const QString& titre, const QString& texte) = 0;
    // A box with Yes and No; true for Yes.
    virtual bool question(QWidget* parent, const QString& titre, const QString& texte) = 0;

    struct DemandeFichier {
        QString titre;
        QString fichierPropose; // the path shown when the dialog opens
        QString filtre;         // Qt syntax: "Fichier Amortix (*.amx)"
    };
    // The chosen path, or an empty text when the user cancels. Saving asks before replacing a file.
    virtual QString fichierAOuvrir(QWidget* parent, const DemandeFichier& demande) = 0;
    // Several files chosen at once, in the dialog's order; none when the user cancels.
    virtual QStringList fichiersAOuvrir(QWidget* parent, const DemandeFichier& demande) = 0;
    virtual QString fichierAEnregistrer(QWidget* parent, const DemandeFichier& demande) = 0;

    // Hands an address (web page, mailto:) to the desktop; the outcome is not reported.
    virtual void ouvrirAdresse(const QUrl& adresse) = 0;

    // Ties loan documents to the program at this path on the desktop; nothing is reported.
    virtual void associeDocuments(const QString& cheminProgramme) = 0;
    // The system's default printer with its own settings; nothing when no printer is installed.
    virtual std::unique_ptr<QPrinter> imprimanteParDefaut() = 0;
    // A modal print preview; `dessine` draws the document on the printer it is given, as often as
    // the preview needs it (also when the user prints from there).
    virtual void apercuAvantImpression(QWidget* parent, const std::function<void(QPrinter&)>& dessine) = 0;
    // The full path of a program found on the PATH, or an empty text.
    virtual QString programmeDansChemin(const QString& nom) = 0;
    // Starts a program that lives on after this one; false when it could not be started.
    virtual bool lanceProgramme(const QString& programme, const QStringList& arguments) = 0;
    // Opens a file with the desktop's application for its type; false when none took it.
    virtual bool ouvrirDocument(const QUrl& document) = 0;
};

// The real thing: QMessageBox, QFileDialog, QDesktopServices, Qt Print Support (the printing part
// in InteractionsImpression.cpp).
class InteractionsBureau : public Interactions {
public:
    void message(QWidget* parent, IconeMessage icone, const QString& titre, const QString& texte) override;
    bool question(QWidget* parent, const QString& titre, const QString& texte) override;
    QString fichierAOuvrir(QWidget* parent, const DemandeFichier& demande) override;
    QStringList fichiersAOuvrir(QWidget* parent, const DemandeFichier& demande) override;
    QString fichierAEnregistrer(QWidget* parent, const DemandeFichier& demande) override;
    void ouvrirAdresse(const QUrl& adresse) override;
    void associeDocuments(const QString& cheminProgramme) override;
    std::unique_ptr<QPrinter> imprimanteParDefaut() override;
    void apercuAvantImpression(QWidget* parent, const std::function<void(QPrinter&)>& dessine) override;
    QString programmeDansChemin(const QString& nom) override;
    bool lanceProgramme(const QString& programme, const QStringList& arguments) override;
    bool ouvrirDocument(const QUrl& document) override;
};

} // namespace amortix
