#include "frmRemboursementAnticipe.h"

#include <utility>

namespace amortix {

frmRemboursementAnticipe::frmRemboursementAnticipe(EmpruntCalcule calcul, Interactions& interactions,
                                                   QWidget* parent)
    : QDialog(parent), calcul_(std::move(calcul)), interactions_(interactions) {
    setObjectName(QStringLiteral("frmRemboursementAnticipe"));
    setWindowTitle(QStringLiteral("Remboursement anticipé"));
}

} // namespace amortix
