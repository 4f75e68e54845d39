#include "Interactions.h"

#include "AssociationFichiers.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

namespace amortix {
namespace {

// Message texts keep CR LF line breaks; a Qt box wants plain line feeds.
QString SautsDeLigne(QString texte) {
    return texte.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QMessageBox::Icon IconeQt(IconeMessage icone) {
    switch (icone) {
    case IconeMessage::Information:
        return QMessageBox::Information;
    case IconeMessage::Question:
        return QMessageBox::Question;
    case IconeMessage::Avertissement:
        return QMessageBox::Warning;
    case IconeMessage::Critique:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void InteractionsBureau::message(QWidget* parent, IconeMessage icone, const QString& titre,
                                 const QString& texte) {
    QMessageBox boite(IconeQt(icone), titre, SautsDeLigne(texte), QMessageBox::Ok, parent);
    boite.exec();
}

bool InteractionsBureau::question(QWidget* parent, const QString& titre, const QString& texte) {
    QMessageBox boite(QMessageBox::Question, titre, SautsDeLigne(texte), QMessageBox::Yes | QMessageBox::No,
                      parent);
    boite.button(QMessageBox::Yes)->setText(QStringLiteral("&Oui"));
    boite.button(QMessageBox::No)->setText(QStringLiteral("&Non"));
    return boite.exec() == QMessageBox::Yes;
}

QString InteractionsBureau::fichierAOuvrir(QWidget* parent, const DemandeFichier& demande) {
    return QFileDialog::getOpenFileName(parent, demande.titre, demande.fichierPropose, demande.filtre);
}

QStringList InteractionsBureau::fichiersAOuvrir(QWidget* parent, const DemandeFichier& demande) {
    return QFileDialog::getOpenFileNames(parent, demande.titre, demande.fichierPropose, demande.filtre);
}

QString InteractionsBureau::fichierAEnregistrer(QWidget* parent, const DemandeFichier& demande) {
    // No default suffix: a name typed without extension is saved as typed.
    return QFileDialog::getSaveFileName(parent, demande.titre, demande.fichierPropose, demande.filtre);
}

void InteractionsBureau::ouvrirAdresse(const QUrl& adresse) {
    QDesktopServices::openUrl(adresse);
}

void InteractionsBureau::associeDocuments(const QString& cheminProgramme) {
    QFile icone(QStringLiteral(":/icones/amortix.svg"));
    const QByteArray svg = icone.open(QIODevice::ReadOnly) ? icone.readAll() : QByteArray();
    EnregistreTypeFichier(TypeDocumentAmortix(), cheminProgramme, svg, EmplacementsBureau::DeLUtilisateur());
}

QString InteractionsBureau::programmeDansChemin(const QString& nom) {
    return QStandardPaths::findExecutable(nom);
}

bool InteractionsBureau::lanceProgramme(const QString& programme, const QStringList& arguments) {
    return QProcess::startDetached(programme, arguments);
}

bool InteractionsBureau::ouvrirDocument(const QUrl& document) {
    return QDesktopServices::openUrl(document);
}

} // namespace amortix
