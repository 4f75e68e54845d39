#include "StockEntetes.h"

#include "FichierUtilisateur.h"
#include "Windows1252.h"

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
    return {SansEspaces(octets.mid(0, LongueurChampEntete)),
            SansEspaces(octets.mid(LongueurChampEntete, LongueurChampEntete)),
            SansEspaces(octets.mid(qsizetype{2} * LongueurChampEntete, LongueurChampEntete))};
}

QByteArray OctetsEnregistrementEntetes(const EnregistrementEntetes& entetes) {
    return Champ(entetes.enteteImpression) + Champ(entetes.enteteExcel) + Champ(entetes.cheminImage);
}

LectureEntetes LitEnregistrementEntetes(const QString& chemin) {
    const FichierLu fichier = LitFichierUtilisateur(chemin, TailleMaximaleFichierAmortix);
    if (!fichier.present)
        return {EnregistrementEntetesParDefaut(), std::nullopt};
    if (fichier.erreur)
        return {EnregistrementEntetesParDefaut(), fichier.erreur};
    return {AnalyseEnregistrementEntetes(fichier.octets), std::nullopt};
}

std::optional<Erreur> EcritEnregistrementEntetes(const QString& chemin,
                                                 const EnregistrementEntetes& entetes) {
    return RemplaceDebutFichier(chemin, OctetsEnregistrementEntetes(entetes));
}

} // namespace amortix
