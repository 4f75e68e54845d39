#pragma once

#include "Interactions.h"

#include <QPrinter>
#include <QStringList>
#include <deque>
#include <functional>
#include <map>
#include <memory>

namespace amortix {

// Records what the windows show and answers from a script, so that no test opens a real dialog.
class InteractionsScriptees : public Interactions {
public:
    struct Message {
        IconeMessage icone;
        QString titre;
        QString texte;
    };
    struct Lancement {
        QString programme;
        QStringList arguments;
    };
    std::vector<Message> messages;
    std::vector<QUrl> adresses;
    QStringList associations; // the program paths documents were tied to
    std::vector<DemandeFichier> demandes;
    std::vector<Lancement> lancements;
    std::vector<QUrl> documents;

    // Answers, taken in order; an empty queue answers No or cancels.
    std::deque<bool> reponses;
    std::deque<QString> fichiers;
    std::deque<QStringList> listesFichiers; // the answers of the dialogs that choose several files
    // Called while a message box would be open (a window may be inspected there).
    std::function<void(const Message&)> pendantMessage;
    // The default printer: none unless a test makes one (a printer writing a PDF file, say).
    std::function<std::unique_ptr<QPrinter>()> imprimante;
    // The previews asked for; each one draws on a printer from `imprimanteApercu` when there is one.
    int apercus = 0;
    std::function<std::unique_ptr<QPrinter>()> imprimanteApercu;
    // The desktop: programs found on the PATH (name → path), whether they start, whether a
    // document finds an application. Nothing is ever started for real.
    std::map<QString, QString> programmes;
    bool lancementReussi = true;
    bool documentOuvert = true;
    // Called when a program would start or a document open (the window is still busy then).
    std::function<void()> pendantLancement;

    void message(QWidget*, IconeMessage icone, const QString& titre, const QString& texte) override {
        messages.push_back({icone, titre, texte});
        if (pendantMessage)
            pendantMessage(messages.back());
    }
    bool question(QWidget*, const QString& titre, const QString& texte) override {
        messages.push_back({IconeMessage::Question, titre, texte});
        return prochain(reponses, false);
    }
    QString fichierAOuvrir(QWidget*, const DemandeFichier& demande) override {
        demandes.push_back(demande);
        return prochain(fichiers, QString());
    }
    QStringList fichiersAOuvrir(QWidget*, const DemandeFichier& demande) override {
        demandes.push_back(demande);
        return prochain(listesFichiers, QStringList());
    }
    QString fichierAEnregistrer(QWidget* parent, const DemandeFichier& demande) override {
        return fichierAOuvrir(parent, demande);
    }
    void ouvrirAdresse(const QUrl& adresse) override { adresses.push_back(adresse); }
    void associeDocuments(const QString& cheminProgramme) override { associations << cheminProgramme; }
    std::unique_ptr<QPrinter> imprimanteParDefaut() override { return imprimante ? imprimante() : nullptr; }
    void apercuAvantImpression(QWidget*, const std::function<void(QPrinter&)>& dessine) override {
        ++apercus;
        if (const auto page = imprimanteApercu ? imprimanteApercu() : nullptr)
            dessine(*page);
    }
    QString programmeDansChemin(const QString& nom) override {
        const auto trouve = programmes.find(nom);
        return trouve == programmes.end() ? QString() : trouve->second;
    }
    bool lanceProgramme(const QString& programme, const QStringList& arguments) override {
        lancements.push_back({programme, arguments});
        return lance(lancementReussi);
    }
    bool ouvrirDocument(const QUrl& document) override {
        documents.push_back(document);
        return lance(documentOuvert);
    }

    // The last file dialog: its title, its filter, the end of the name it proposed.
    bool demande(const QString& titre, const QString& filtre, const QString& propose = {}) const {
        return !demandes.empty() && demandes.back().titre == titre && demandes.back().filtre == filtre &&
               demandes.back().fichierPropose.endsWith(propose);
    }
    QString dernierTexte() const { return messages.empty() ? QString() : messages.back().texte; }
    bool montre(IconeMessage icone, const QString& titre, const QString& debut) const {
        return !messages.empty() && messages.back().icone == icone && messages.back().titre == titre &&
               messages.back().texte.startsWith(debut);
    }

private:
    template <typename T> static T prochain(std::deque<T>& file, T sinon) {
        if (file.empty())
            return sinon;
        T suivant = std::move(file.front());
        file.pop_front();
        return suivant;
    }
    bool lance(bool reussi) const {
        if (pendantLancement)
            pendantLancement();
        return reussi;
    }
};

} // namespace amortix
