#include "TextesLitteraux.h"

#include <QFile>
#include <string>
#include <unzip.h>
#include <vector>
#include <zip.h>

namespace amortix {
namespace {

constexpr const char* PartieStyles = "xl/styles.xml";

// One entry of the archive. Only the styles part is read decompressed and written back recompressed;
// every other one, the sheet of thousands of rows above all, is copied as it is stored.
struct Partie {
    std::string nom;
    zip_fileinfo infos{};
    std::string contenu; // the styles: the XML; any other part: its compressed bytes
    bool brute = false;
    int methode = Z_DEFLATED;
    int niveau = Z_DEFAULT_COMPRESSION;
    unsigned long crc = 0;
    ZPOS64_T tailleDecompressee = 0;
};

std::optional<std::vector<Partie>> LitParties(const QByteArray& chemin) {
    unzFile archive = unzOpen64(chemin.constData());
    if (!archive)
        return std::nullopt;
    std::vector<Partie> parties;
    bool lu = true;
    for (int etat = unzGoToFirstFile(archive); etat == UNZ_OK && lu; etat = unzGoToNextFile(archive)) {
        unz_file_info64 infos{};
        char nom[512];
        lu = unzGetCurrentFileInfo64(archive, &infos, nom, sizeof nom, nullptr, 0, nullptr, 0) == UNZ_OK;
        if (!lu)
            break;
        Partie& partie = parties.emplace_back();
        partie.nom = nom;
        partie.brute = partie.nom != PartieStyles;
        lu = unzOpenCurrentFile2(archive, &partie.methode, &partie.niveau, partie.brute ? 1 : 0) == UNZ_OK;
        if (!lu)
            break;
        partie.infos.tmz_date = {infos.tmu_date.tm_sec,  infos.tmu_date.tm_min, infos.tmu_date.tm_hour,
                                 infos.tmu_date.tm_mday, infos.tmu_date.tm_mon, infos.tmu_date.tm_year};
        partie.infos.dosDate = infos.dosDate;
        partie.crc = infos.crc;
        partie.tailleDecompressee = infos.uncompressed_size;
        partie.contenu.resize(
            static_cast<std::size_t>(partie.brute ? infos.compressed_size : infos.uncompressed_size));
        const auto taille = static_cast<int>(partie.contenu.size());
        lu = unzReadCurrentFile(archive, partie.contenu.data(), static_cast<unsigned>(taille)) == taille;
        lu = unzCloseCurrentFile(archive) == UNZ_OK && lu;
    }
    unzClose(archive);
    if (!lu)
        return std::nullopt;
    return parties;
}

bool EcritParties(const QByteArray& chemin, const std::vector<Partie>& parties) {
    zipFile archive = zipOpen64(chemin.constData(), APPEND_STATUS_CREATE);
    if (!archive)
        return false;
    bool ecrit = true;
    for (const Partie& partie : parties) {
        const int zip64 =
            partie.tailleDecompressee > 0xffffffffU || partie.contenu.size() > 0xffffffffU ? 1 : 0;
        ecrit = zipOpenNewFileInZip2_64(archive, partie.nom.c_str(), &partie.infos, nullptr, 0, nullptr, 0,
                                        nullptr, partie.methode,
                                        partie.brute ? partie.niveau : Z_DEFAULT_COMPRESSION,
                                        partie.brute ? 1 : 0, zip64) == ZIP_OK &&
                zipWriteInFileInZip(archive, partie.contenu.data(),
                                    static_cast<unsigned>(partie.contenu.size())) == ZIP_OK &&
                (partie.brute ? zipCloseFileInZipRaw64(archive, partie.tailleDecompressee, partie.crc)
                              : zipCloseFileInZip(archive)) == ZIP_OK;
        if (!ecrit)
            break;
    }
    return zipClose(archive, nullptr) == ZIP_OK && ecrit;
}

// In the <cellXfs> list, each <xf> element whose alignment carries the mark loses it and gains
// quotePrefix="1"; the count of those changed.
int MarqueFormats(std::string& styles) {
    const std::string marque = " readingOrder=\"" + std::to_string(MarqueTexteLitteral) + "\"";
    const std::size_t liste = styles.find("<cellXfs");
    std::size_t finListe = styles.find("</cellXfs>", liste);
    if (liste == std::string::npos || finListe == std::string::npos)
        return 0;
    int marques = 0;
    for (std::size_t xf = styles.find("<xf ", liste); xf < finListe; xf = styles.find("<xf ", xf + 1)) {
        const std::size_t ouverture = styles.find('>', xf);
        const std::size_t fin = styles[ouverture - 1] == '/' ? ouverture : styles.find("</xf>", xf);
        const std::size_t trouvee = styles.find(marque, xf);
        if (trouvee == std::string::npos || trouvee > fin)
            continue;
        styles.erase(trouvee, marque.size());
        styles.insert(xf + 3, " quotePrefix=\"1\"");
        finListe = styles.find("</cellXfs>", liste);
        ++marques;
    }
    return marques;
}

} // namespace

bool MarqueTextesLitteraux(const QString& chemin) {
    const QByteArray cheminLocal = QFile::encodeName(chemin);
    auto parties = LitParties(cheminLocal);
    if (!parties)
        return false;
    int marques = 0;
    for (Partie& partie : *parties)
        if (partie.nom == PartieStyles)
            marques = MarqueFormats(partie.contenu);
    return marques > 0 && EcritParties(cheminLocal, *parties);
}

} // namespace amortix
