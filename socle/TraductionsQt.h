#pragma once

#include <QLocale>

class QCoreApplication;

namespace amortix {

// Qt's own texts (file dialogs, standard buttons, context menus, print preview) in the user's
// language, from Qt's installed translations; nothing when none matches, as English is Qt's own.
// Returns whether a translation was installed.
bool ChargeTraductionsQt(QCoreApplication& application, const QLocale& locale = QLocale::system());

} // namespace amortix
