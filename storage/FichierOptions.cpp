#include "FichierOptions.h"

#include "FichierUtilisateur.h"

namespace amortix {

Options AnalyseOptions(const QByteArray& octets) {
    Options options;
    options.tegDansSorties = octets.size() > 0 && octets[0] == '1';
    options.afficheEcranAccueil = !(octets.size() > 1 && octets[1] == '0');
    options.tegActuariel = !(octets.size() > 2 && octets[2] == '2');
    return options;
}

LectureOptions LitOptions(const QString& chemin, bool creeSiAbsent) {
    const FichierLu fichier = LitFichierUtilisateur(chemin, TailleMaximaleFichierAmortix);
    if (!fichier.present) {
        // Created empty at start-up, so that the user finds where the options go; a folder that refuses
        // it changes nothing.
        if (creeSiAbsent)
            EcritFichierUtilisateur(chemin, QByteArray());
        return {};
    }
    if (fichier.erreur)
        return {{}, fichier.erreur};
    return {AnalyseOptions(fichier.octets), std::nullopt};
}

std::optional<Erreur> EcritOptions(const QString& chemin, const Options& options) {
    const char octets[3] = {options.tegDansSorties ? '1' : '0', options.afficheEcranAccueil ? '1' : '0',
                            options.tegActuariel ? '1' : '2'};
    return RemplaceDebutFichier(chemin, QByteArray(octets, 3));
}

} // namespace amortix
