#include "StockEntetes.h"

#include "ErreursQt.h"
#include "Windows1252.h"

#include <QFile>

namespace amortix {
namespace {

QByteArray Champ(const QString& texte) {
    QByteArray octets = VersWindows1252(texte.left(LongueurChampEntete));
    octets.append(LongueurChampEntete - octets.size(), ' ');
    return octets;
}

// Spaces only, as a field is padded with spaces and nothing else.
QString SansEspaces(const QByteArray& champ) {
    qsizetype debut = 0;
    qsizetype fin = champ.size();
    while (debut < fin && champ[debut] == ' ')
        ++debut;
    while (fin > debut && champ[fin - 1] == ' ')
        --fin;
    return DepuisWindows1252(champ.mid(debut, fin - debut));
}

} // namespace

EnregistrementEntetes TelQueStocke(const EnregistrementEntetes& entetes) {
    return {SansEspaces(Champ(entetes.enteteImpression)), SansEspaces(Champ(entetes.enteteExcel)),
            SansEspaces(Champ(entetes.cheminImage))};
}

EnregistrementEntetes AnalyseEnregistrementEntetes(const QByteArray& octets) {
    if (octets.size() < LongueurEnregistrementEntetes)
        return EnregistrementEntetesParDefaut();
    return {SansEspaces(octets.mid(0, LongueurChampEntete)), SansEspaces(octets.mid(LongueurChampEntete, LongueurChampEntete)),
            SansEspaces(octets.mid(2 * LongueurChampEntete, LongueurChampEntete))};
}

QByteArray OctetsEnregistrementEntetes(const EnregistrementEntetes& entetes) {
    return Champ(entetes.enteteImpression) + Champ(entetes.enteteExcel) + Champ(entetes.cheminImage);
}

LectureEntetes LitEnregistrementEntetes(const QString& chemin) {
    LectureEntetes lecture{EnregistrementEntetesParDefaut(), std::nullopt};
    QFile fichier(chemin);
    if (!fichier.exists())
        return lecture;
    if (!fichier.open(QIODevice::ReadOnly)) {
        lecture.erreur = ErreurDe(fichier);
        return lecture;
    }
    lecture.enregistrement = AnalyseEnregistrementEntetes(fichier.read(LongueurEnregistrementEntetes));
    return lecture;
}

std::optional<ErreurFichier> EcritEnregistrementEntetes(const QString& chemin, const EnregistrementEntetes& entetes) {
    const QByteArray enregistrement = OctetsEnregistrementEntetes(entetes);
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadWrite))
        return ErreurDe(fichier);
    if (!fichier.seek(0) || fichier.write(enregistrement) != enregistrement.size() || !fichier.flush())
        return ErreurDe(fichier);
    return std::nullopt;
}

} // namespace amortix
