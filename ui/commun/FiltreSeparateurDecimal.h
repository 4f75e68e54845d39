#pragma once

#include <QObject>

class QLineEdit;

namespace amortix {

// In a decimal field, a typed "." and a typed "," both enter the locale's decimal separator, so
// that either key gives what number reading expects. Every other key passes unchanged.
class FiltreSeparateurDecimal : public QObject {
public:
    explicit FiltreSeparateurDecimal(QObject* parent) : QObject(parent) {}
    void surveille(QLineEdit* champ);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
};

} // namespace amortix
