// Writes what an installation puts on the desktop, from the program's own sources:
//   fichiers-installation DOSSIER ICONE.svg
// DOSSIER/applications/amortix.desktop, DOSSIER/mime/packages/amortix.xml, and the program's icon in
// DOSSIER/icons/hicolor at every usual size.
#include "AssociationFichiers.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <cstdio>

using namespace amortix;

namespace {

bool Ecrit(const QString& chemin, const QByteArray& contenu) {
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QFile fichier(chemin);
    return fichier.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           fichier.write(contenu) == contenu.size();
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fputs("usage : fichiers-installation DOSSIER ICONE.svg\n", stderr);
        return 2;
    }
    const QDir dossier(QString::fromLocal8Bit(argv[1]));
    const QString source = QString::fromLocal8Bit(argv[2]);
    const TypeDocument type = TypeDocumentAmortix();

    bool reussi = Ecrit(dossier.filePath(QStringLiteral("applications/") + type.nomFichierBureau()),
                        EntreeBureau(type, QStringLiteral("amortix")).value_or(QByteArray()));
    reussi = Ecrit(dossier.filePath(QStringLiteral("mime/packages/amortix.xml")), PaquetMime(type)) && reussi;

    QFile svg(source);
    reussi = svg.open(QIODevice::ReadOnly) && reussi;
    const QString icones = QStringLiteral("icons/hicolor/%1/apps/%2.%3");
    reussi = Ecrit(dossier.filePath(
                       icones.arg(QStringLiteral("scalable"), type.nomIcone(), QStringLiteral("svg"))),
                   svg.readAll()) &&
             reussi;
    const QIcon icone(source);
    for (const int taille : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString chemin = dossier.filePath(
            icones.arg(QStringLiteral("%1x%1").arg(taille), type.nomIcone(), QStringLiteral("png")));
        QDir().mkpath(QFileInfo(chemin).absolutePath());
        reussi = !icone.isNull() && icone.pixmap(QSize(taille, taille)).save(chemin) && reussi;
    }
    if (!reussi)
        std::fputs("fichiers-installation : écriture impossible\n", stderr);
    return reussi ? 0 : 1;
}
