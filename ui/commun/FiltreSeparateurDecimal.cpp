#include "FiltreSeparateurDecimal.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

namespace amortix {

void FiltreSeparateurDecimal::surveille(QLineEdit* champ) {
    champ->installEventFilter(this);
}

bool FiltreSeparateurDecimal::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() != QEvent::KeyPress)
        return false;
    auto* touche = static_cast<QKeyEvent*>(evenement);
    if (touche->text() != QLatin1String(".") && touche->text() != QLatin1String(","))
        return false;
    auto* champ = qobject_cast<QLineEdit*>(objet);
    if (!champ || champ->isReadOnly())
        return false;
    // Inserted as typing would: over the selection, within the length limit, undoable.
    champ->insert(QLocale().decimalPoint());
    return true;
}

} // namespace amortix
