#pragma once

#include "Fichiers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

namespace amortix {

// A real full disk: a small tmpfs mounted in a temporary folder, on which the files a test needs are
// put first, then the free space is used up. Mounting needs root (CI runs as root); elsewhere
// `raison` says why there is none and the test skips.
class DisquePlein {
public:
    DisquePlein() {
        if (::geteuid() != 0)
            raison_ = "un disque plein se monte en root (tmpfs)";
        else if (::mount("tmpfs", QFile::encodeName(racine_.path()).constData(), "tmpfs", 0, "size=64k") != 0)
            raison_ = std::string("tmpfs ne peut pas être monté : ") + std::strerror(errno);
    }
    ~DisquePlein() {
        if (pret())
            ::umount2(QFile::encodeName(racine_.path()).constData(), MNT_DETACH);
    }
    DisquePlein(const DisquePlein&) = delete;
    DisquePlein& operator=(const DisquePlein&) = delete;

    bool pret() const { return raison_.empty(); }
    const std::string& raison() const { return raison_; }
    QString chemin(const QString& nom) const { return QDir(racine_.path()).filePath(nom); }
    // Puts a file on the disk while it still has room.
    bool place(const QString& nom, const QByteArray& octets) const { return Ecrit(chemin(nom), octets); }
    // Fills what is left, so that the next byte written anywhere on it fails.
    void remplit() const {
        QFile bouchon(chemin(QStringLiteral(".bouchon")));
        if (bouchon.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            for (const qsizetype taille : {4096, 1})
                while (bouchon.write(QByteArray(taille, 'x')) == taille) {
                }
    }
    // The files on the disk but the filler: no temporary file may be left among them.
    QStringList fichiers() const {
        return QDir(racine_.path()).entryList(QDir::Files | QDir::NoDotAndDotDot);
    }

private:
    QTemporaryDir racine_;
    std::string raison_;
};

} // namespace amortix
