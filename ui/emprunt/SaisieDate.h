#pragma once

#include <QDateEdit>

namespace amortix {

// The first payment's date field: one tab stop like any field, and a date typed over it replaces it
// whole, with or without separators ("15/03/2010", "15032010", "5/3/2010"). Enter asks for the
// computation, as in the other fields.
class SaisieDate : public QDateEdit {
    Q_OBJECT

public:
    explicit SaisieDate(QWidget* parent = nullptr);

signals:
    void entreeValidee();

protected:
    void keyPressEvent(QKeyEvent* evenement) override;
    bool focusNextPrevChild(bool suivant) override;

private:
    bool toutSelectionne() const;
    // The section moved on by itself after a digit (the day 15 typed, or a 5 that cannot start two
    // digits): the separator the user types next belongs to that move, not to a further one.
    bool avanceSeule_ = false;
};

} // namespace amortix
