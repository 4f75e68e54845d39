#pragma once

#include <QApplication>
#include <QCursor>

namespace amortix {

// The busy pointer for as long as the object lives, also when the work ends early.
class CurseurAttente {
public:
    CurseurAttente() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~CurseurAttente() { QApplication::restoreOverrideCursor(); }
    CurseurAttente(const CurseurAttente&) = delete;
    CurseurAttente& operator=(const CurseurAttente&) = delete;
};

} // namespace amortix
