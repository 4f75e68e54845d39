#pragma once

#include "Twips.h"

#include <QWidget>

namespace amortix {

// A control named as the program knows it (also its objectName, by which tests find it) and
// placed in twips within its parent.
template <typename Controle>
Controle* Place(Controle* controle, const char* nom, int gauche, int haut, int largeur, int hauteur) {
    controle->setObjectName(QLatin1String(nom));
    controle->setGeometry(RectangleTwips(gauche, haut, largeur, hauteur));
    return controle;
}

// Chains the keyboard focus through the widgets in this order.
inline void OrdreTabulation(std::initializer_list<QWidget*> ordre) {
    const QWidget* precedent = nullptr;
    for (QWidget* widget : ordre) {
        if (precedent)
            QWidget::setTabOrder(const_cast<QWidget*>(precedent), widget);
        precedent = widget;
    }
}

} // namespace amortix
