#include "SaisieDate.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace amortix {
namespace {

bool EstSeparateur(const QString& texte) {
    return texte.size() == 1 && QStringLiteral("/.-, ").contains(texte.front());
}

} // namespace

SaisieDate::SaisieDate(QWidget* parent) : QDateEdit(parent) {}

bool SaisieDate::toutSelectionne() const {
    const QLineEdit* champ = lineEdit();
    return champ->hasSelectedText() && champ->selectedText().size() == champ->text().size() &&
           sectionCount() > 1;
}

void SaisieDate::keyPressEvent(QKeyEvent* evenement) {
    const QString texte = evenement->text();
    const bool chiffre = texte.size() == 1 && texte.front().isDigit();
    switch (evenement->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        avanceSeule_ = false;
        QDateEdit::keyPressEvent(evenement);
        emit entreeValidee();
        return;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        // A date cannot be emptied: what is typed next replaces it from its first section.
        if (toutSelectionne()) {
            avanceSeule_ = false;
            setSelectedSection(sectionAt(0));
            return;
        }
        break;
    default:
        break;
    }
    if (chiffre) {
        if (toutSelectionne())
            setSelectedSection(sectionAt(0));
        const int avant = currentSectionIndex();
        QDateEdit::keyPressEvent(evenement);
        avanceSeule_ = currentSectionIndex() != avant;
        return;
    }
    if (EstSeparateur(texte)) {
        // A separator ends the section being typed, unless the section just ended by itself.
        if (!avanceSeule_ && currentSectionIndex() + 1 < sectionCount())
            setSelectedSection(sectionAt(currentSectionIndex() + 1));
        avanceSeule_ = false;
        return;
    }
    avanceSeule_ = false;
    QDateEdit::keyPressEvent(evenement);
}

bool SaisieDate::focusNextPrevChild(bool suivant) {
    // Tab leaves the field instead of visiting its day, month and year: QDateTimeEdit's own
    // handling is skipped on purpose.
    return QWidget::focusNextPrevChild(suivant); // NOLINT(bugprone-parent-virtual-call)
}

} // namespace amortix
