#include "BoutonMultiligne.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace amortix {

QRect BoutonMultiligne::zoneTexte() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

int BoutonMultiligne::alignementTexte() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    int alignement = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
        alignement |= Qt::TextHideMnemonic;
    return alignement;
}

void BoutonMultiligne::paintEvent(QPaintEvent*) {
    QStylePainter peintre(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The style draws the frame and the focus; the caption is drawn here, wrapped.
    option.text.clear();
    peintre.drawControl(QStyle::CE_PushButton, option);
    peintre.drawItemText(zoneTexte(), alignementTexte(), option.palette, isEnabled(), text(),
                         QPalette::ButtonText);
}

} // namespace amortix
