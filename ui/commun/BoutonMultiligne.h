#pragma once

#include <QPushButton>

namespace amortix {

// A push button whose caption wraps onto as many lines as its width asks, centred, with its access
// key underlined. The text stays whole (one line for text() and for the access key), only the
// drawing breaks it.
class BoutonMultiligne : public QPushButton {
public:
    BoutonMultiligne(const QString& texte, QWidget* parent) : QPushButton(texte, parent) {}

    // Where the caption is drawn, and how.
    QRect zoneTexte() const;
    int alignementTexte() const;

protected:
    void paintEvent(QPaintEvent* evenement) override;
};

} // namespace amortix
