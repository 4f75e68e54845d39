#pragma once

#include "Twips.h"

#include <QLabel>
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

// A caption, vertically centred in its place; the captions beside fields end at their field.
inline QLabel* Libelle(QWidget* parent, const char* nom, const QString& texte, int gauche, int haut,
                       int largeur, int hauteur, Qt::Alignment alignement = Qt::AlignRight) {
    auto* libelle = Place(new QLabel(texte, parent), nom, gauche, haut, largeur, hauteur);
    libelle->setAlignment(alignement | Qt::AlignVCenter);
    return libelle;
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
