#include "Windows1252.h"

#include <array>

namespace amortix {
namespace {

// 0x80–0x9F; 0 where the code page leaves a byte undefined (kept as the same code point).
constexpr std::array<char16_t, 32> plageHaute = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

QByteArray VersWindows1252(const QString& texte) {
    QByteArray octets;
    octets.reserve(texte.size());
    for (const QChar c : texte) {
        const char16_t code = c.unicode();
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
            octets.append(static_cast<char>(code));
            continue;
        }
        char octet = '?';
        for (std::size_t i = 0; i < plageHaute.size(); ++i)
            if (plageHaute[i] == code || (plageHaute[i] == 0 && code == 0x80 + i))
                octet = static_cast<char>(0x80 + i);
        octets.append(octet);
    }
    return octets;
}

QString DepuisWindows1252(const QByteArray& octets) {
    QString texte;
    texte.reserve(octets.size());
    for (const char octet : octets) {
        const auto code = static_cast<unsigned char>(octet);
        const bool haut = code >= 0x80 && code < 0xA0 && plageHaute[code - 0x80] != 0;
        texte.append(QChar(haut ? plageHaute[code - 0x80] : static_cast<char16_t>(code)));
    }
    return texte;
}

} // namespace amortix
