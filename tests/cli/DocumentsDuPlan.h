#pragma once

// The worked financing plan's documents, written in a folder of the test's: a 0 % state loan of
// 40 000 over 240 months and the main loan, 160 000 at 3,5 % over 300 months, both from 31/01/2007.
#include "Fichiers.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace amortix {

struct DocumentsDuPlan {
    QString ptz, banque;
};

inline DocumentsDuPlan EcritDocumentsDuPlan(const QTemporaryDir& dossier) {
    DocumentsDuPlan documents{dossier.filePath(QStringLiteral("ptz.amx")),
                              dossier.filePath(QStringLiteral("banque.amx"))};
    if (!Ecrit(documents.ptz, "40000\r\n240\r\n0\r\n0\r\n0\r\n0\r\n31\r\n1\r\n2007\r\n"))
        ADD_FAILURE() << "écriture de ptz.amx";
    if (!Ecrit(documents.banque, "160000\r\n300\r\n0\r\n3,5\r\n0\r\n0\r\n31\r\n1\r\n2007\r\n"))
        ADD_FAILURE() << "écriture de banque.amx";
    return documents;
}

} // namespace amortix
