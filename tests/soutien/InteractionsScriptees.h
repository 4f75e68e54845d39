#pragma once

#include "Interactions.h"

#include <QFileInfo>
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
        IconeMessage icone = IconeMessage::Information;
        QString titre;
        QString texte;
        friend bool operator==(const Message&, const Message&) = default;
    };
    // A file dialog as the user sees it: its title, its filter, the name it proposes.
    struct Dialogue {
        QString titre;
        QString filtre;
        QString nom;
        friend bool operator==(const Dialogue&, const Dialogue&) = default;
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

    // The last message, its text cut to `longueur` characters so that a test pins the start it means.
    Message dernier(qsizetype longueur = -1) const {
        if (messages.empty())
            return {IconeMessage::Information, QStringLiteral("(aucun message)"), {}};
        Message m = messages.back();
        if (longueur >= 0)
            m.texte.truncate(longueur);
        return m;
    }
    // The last file dialog, with the file name it proposed (its folder left out).
    Dialogue dialogue() const {
        if (demandes.empty())
            return {QStringLiteral("(aucune boîte de fichier)"), {}, {}};
        const DemandeFichier& d = demandes.back();
        return {d.titre, d.filtre, QFileInfo(d.fichierPropose).fileName()};
    }
    QString dernierTexte() const { return messages.empty() ? QString() : messages.back().texte; }

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

// What a failed comparison prints of them.
inline char* toString(const InteractionsScriptees::Message& m) {
    static const char* const icones[] = {"Information", "Question", "Avertissement", "Critique"};
    return qstrdup(qPrintable(QStringLiteral("%1 « %2 » : %3")
                                  .arg(QLatin1String(icones[static_cast<int>(m.icone)]), m.titre, m.texte)));
}
inline char* toString(const InteractionsScriptees::Dialogue& d) {
    return qstrdup(qPrintable(QStringLiteral("« %1 » %2 : %3").arg(d.titre, d.filtre, d.nom)));
}

} // namespace amortix
