#include "OffresAComparer.h"

#include "ConventionsSysteme.h"
#include "DocumentEmprunt.h"

#include <QFileInfo>

namespace amortix {

OffreNommee LitOffre(const QString& chemin, bool tegActuariel, const ConventionsLocales& conventions) {
    std::string nom = VersUtf8(QFileInfo(chemin).fileName());
    const auto lecture = LitDocument(chemin, conventions);
    if (const auto* raison = std::get_if<QString>(&lecture))
        return {std::move(nom), std::nullopt, "le document n'a pas pu être ouvert : " + VersUtf8(*raison)};
    return CalculeOffre(std::move(nom), std::get<SaisieEmprunt>(lecture), tegActuariel, conventions);
}

} // namespace amortix
