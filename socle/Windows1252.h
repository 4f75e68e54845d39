#pragma once

#include <QByteArray>
#include <QString>

namespace amortix {

// The single-byte code page of a French Windows desktop, in which the settings store and loan
// documents keep their texts whatever system wrote them: Latin-1 with €, œ, Œ, curly quotes and a
// few more in 0x80–0x9F. A character it lacks becomes "?".
QByteArray VersWindows1252(const QString& texte);
QString DepuisWindows1252(const QByteArray& octets);

} // namespace amortix
