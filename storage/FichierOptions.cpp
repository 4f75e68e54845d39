#include "FichierOptions.h"

#include "ErreursQt.h"

#include <QFile>

namespace amortix {

Options AnalyseOptions(const QByteArray& octets) {
    Options options;
    options.tegDansSorties = octets.size() > 0 && octets[0] == '1';
    options.afficheEcranAccueil = !(octets.size() > 1 && octets[1] == '0');
    options.tegActuariel = !(octets.size() > 2 && octets[2] == '2');
    return options;
}

Options LitOptions(const QString& chemin) {
    QFile fichier(chemin);
    if (!fichier.exists()) {
        if (fichier.open(QIODevice::WriteOnly))
            fichier.close();
        return {};
    }
    if (!fichier.open(QIODevice::ReadOnly))
        return {};
    return AnalyseOptions(fichier.read(3));
}

std::optional<ErreurFichier> EcritOptions(const QString& chemin, const Options& options) {
    QFile fichier(chemin);
    // ReadWrite neither truncates nor fails on a missing file.
    if (!fichier.open(QIODevice::ReadWrite))
        return ErreurDe(fichier);
    const char octets[3] = {options.tegDansSorties ? '1' : '0', options.afficheEcranAccueil ? '1' : '0',
                            options.tegActuariel ? '1' : '2'};
    if (!fichier.seek(0) || fichier.write(octets, 3) != 3 || !fichier.flush())
        return ErreurDe(fichier);
    return std::nullopt;
}

} // namespace amortix
