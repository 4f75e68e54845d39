// From a real file, whatever the bytes: the writer keeps them byte for byte, a document, the
// options and the headers read are what their parsers make of them, and the options are written
// over the first bytes, the rest kept.
#include "DocumentEmprunt.h"
#include "FichierOptions.h"
#include "FichierUtilisateur.h"
#include "StockEntetes.h"
#include "Verifie.h"

#include <QTemporaryDir>
#include <cstdint>

using namespace amortix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* d, std::size_t n) {
    static const QTemporaryDir dossier;
    const QByteArray octets(reinterpret_cast<const char*>(d), qsizetype(n));
    const QString chemin = dossier.filePath(QStringLiteral("fichier"));
    VERIFIE(!EcritFichierUtilisateur(chemin, octets));
    const FichierLu lu = LitFichierUtilisateur(chemin, TailleMaximaleFichierAmortix);
    VERIFIE(lu.lu());
    VERIFIE(lu.octets == octets);
    const auto document = LitDocument(chemin, ConventionsFrancaises());
    const auto analyse = AnalyseDocument(octets, ConventionsFrancaises());
    if (const auto* raison = std::get_if<QString>(&analyse))
        VERIFIE(std::get<Erreur>(document) == (Erreur{ErreurLecture, *raison}));
    else
        VERIFIE(std::get<SaisieEmprunt>(document) == std::get<SaisieEmprunt>(analyse));
    const auto [options, erreur] = LitOptions(chemin, false);
    VERIFIE(!erreur);
    VERIFIE(options == AnalyseOptions(octets));
    const LectureEntetes entetes = LitEnregistrementEntetes(chemin);
    VERIFIE(!entetes.erreur);
    VERIFIE(entetes.enregistrement == AnalyseEnregistrementEntetes(octets));
    VERIFIE(!EcritOptions(chemin, options));
    const QByteArray apres = LitFichierUtilisateur(chemin, TailleMaximaleFichierAmortix).octets;
    VERIFIE(apres.size() == std::max<qsizetype>(3, octets.size()));
    VERIFIE(apres.mid(3) == octets.mid(3));
    VERIFIE(AnalyseOptions(apres) == options);
    return 0;
}
