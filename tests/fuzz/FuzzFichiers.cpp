// The real reading functions, from a real file: whatever the bytes, a document, the options and the
// header store read from disk are exactly what their parsers make of the same bytes, the one
// writer gives back, byte for byte, what it was handed, and the options are written over the first
// bytes, the rest kept.
#include "DocumentEmprunt.h"
#include "FichierOptions.h"
#include "FichierUtilisateur.h"
#include "StockEntetes.h"
#include "Verifie.h"

#include <QTemporaryDir>
#include <cstdint>

using namespace amortix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    static const QTemporaryDir dossier;
    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const QString chemin = dossier.filePath(QStringLiteral("fichier"));
    VERIFIE(!EcritFichierUtilisateur(chemin, octets));
    const FichierLu lu = LitFichierUtilisateur(chemin, TailleMaximaleFichierAmortix);
    VERIFIE(lu.lu() && lu.octets == octets);
    const auto document = LitDocument(chemin, ConventionsFrancaises());
    const auto analyse = AnalyseDocument(octets, ConventionsFrancaises());
    if (const auto* raison = std::get_if<QString>(&analyse))
        VERIFIE(std::get<Erreur>(document) == (Erreur{ErreurLecture, *raison}));
    else
        VERIFIE(std::get<SaisieEmprunt>(document) == std::get<SaisieEmprunt>(analyse));
    const LectureOptions options = LitOptions(chemin, false);
    VERIFIE(!options.erreur && options.options == AnalyseOptions(octets));
    const LectureEntetes entetes = LitEnregistrementEntetes(chemin);
    VERIFIE(!entetes.erreur && entetes.enregistrement == AnalyseEnregistrementEntetes(octets));
    VERIFIE(!EcritOptions(chemin, options.options));
    const FichierLu apres = LitFichierUtilisateur(chemin, TailleMaximaleFichierAmortix);
    VERIFIE(apres.octets.size() == std::max<qsizetype>(3, octets.size()) &&
            apres.octets.mid(3) == octets.mid(3));
    VERIFIE(AnalyseOptions(apres.octets) == options.options);
    return 0;
}
