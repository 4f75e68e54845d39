#pragma once

#include "Interactions.h"

namespace amortix {

inline const QString AdresseSiteWeb = QStringLiteral("https://amortix.example.org");
inline const QString AdresseAuteur = QStringLiteral("auteur@amortix.example.org");

// Hands a web address to the desktop's browser; nothing is reported when that fails.
inline void OuvrirUrl(Interactions& interactions, const QString& adresse) {
    interactions.ouvrirAdresse(QUrl(adresse));
}

// Opens the desktop's mail program on a new message to the address.
inline void EcrireMail(Interactions& interactions, const QString& adresse) {
    interactions.ouvrirAdresse(QUrl(QStringLiteral("mailto:") + adresse));
}

} // namespace amortix
