#include "OffresAComparer.h"

#include "ConventionsSysteme.h"
#include "DocumentEmprunt.h"

#include <QFileInfo>

namespace amortix {

std::string MotifDocumentIllisible(const Erreur& erreur) {
    return "le document n'a pas pu être ouvert : " + VersUtf8(erreur.description);
}

OffreNommee LitOffre(const QString& chemin, bool tegActuariel, const ConventionsLocales& conventions) {
    std::string nom = VersUtf8(QFileInfo(chemin).fileName());
    const auto lecture = LitDocument(chemin, conventions);
    if (const auto* erreur = std::get_if<Erreur>(&lecture))
        return {std::move(nom), std::nullopt, MotifDocumentIllisible(*erreur)};
    return CalculeOffre(std::move(nom), std::get<SaisieEmprunt>(lecture), tegActuariel, conventions);
}

} // namespace amortix
