#pragma once

#include <QFileInfo>
#include <QString>

namespace amortix {

// The full, canonical form of a path to an existing file; empty when there is no such file, which
// opening then reports.
inline QString RetourneCheminLong(const QString& chemin) {
    if (chemin.isEmpty())
        return {};
    return QFileInfo(chemin).canonicalFilePath();
}

} // namespace amortix
