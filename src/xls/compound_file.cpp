#include "xls/compound_file.h"

#include <QtEndian>

#include <cstring>
#include <stdexcept>

namespace quarvane {

namespace {

constexpr qsizetype kSectorSize = 512;
constexpr quint32 kFatEntriesPerSector = kSectorSize / 4;
// A DIFAT sector lists 127 FAT sectors; its last entry chains to the next.
constexpr quint32 kDifatEntriesPerSector = kFatEntriesPerSector - 1;
constexpr quint32 kHeaderDifatEntries = 109;
constexpr qsizetype kDirectoryEntrySize = 128;

// Special sector numbers of the FAT and the directory.
constexpr quint32 kDifatSector = 0xFFFFFFFC;
constexpr quint32 kFatSector = 0xFFFFFFFD;
constexpr quint32 kEndOfChain = 0xFFFFFFFE;
constexpr quint32 kFreeSector = 0xFFFFFFFF;
constexpr quint32 kNoStream = 0xFFFFFFFF;

constexpr quint8 kStreamObject = 2;
constexpr quint8 kRootStorageObject = 5;
constexpr quint8 kBlack = 1;

void putU16(char* at, quint16 value) { qToLittleEndian(value, at); }
void putU32(char* at, quint32 value) { qToLittleEndian(value, at); }

quint32 ceilDiv(quint32 n, quint32 d) { return (n + d - 1) / d; }

// One 128-byte directory entry. Sibling and child links are entry numbers;
// with a single stream the red-black tree is one black node under the root.
void putDirectoryEntry(char* at, const QString& name, quint8 type, quint32 child, quint32 start,
                       quint32 size)
{
    for (qsizetype i = 0; i < name.size(); ++i)
        putU16(at + 2 * i, name.at(i).unicode());
    putU16(at + 64, quint16((name.size() + 1) * 2)); // bytes, with the terminating zero
    at[66] = char(type);
    at[67] = char(kBlack);
    putU32(at + 68, kNoStream); // left sibling
    putU32(at + 72, kNoStream); // right sibling
    putU32(at + 76, child);
    putU32(at + 116, start);
    putU32(at + 120, size); // the upper half of the 64-bit size stays 0 in version 3
}

// An unused entry is zero except for its three links.
void putUnusedDirectoryEntry(char* at)
{
    putU32(at + 68, kNoStream);
    putU32(at + 72, kNoStream);
    putU32(at + 76, kNoStream);
}

} // namespace

QByteArray compoundFileWithStream(const QString& name, const QByteArray& stream)
{
    if (stream.size() < kCompoundMiniStreamCutoff)
        throw std::invalid_argument("compound file: a stream below the mini stream cutoff");
    if (name.size() > 31)
        throw std::invalid_argument("compound file: stream name longer than 31 characters");
    if (stream.size() > qsizetype(0xFFFFFE00))
        throw std::invalid_argument("compound file: stream too big for version 3");

    const quint32 streamSectors = quint32((stream.size() + kSectorSize - 1) / kSectorSize);
    const quint32 directorySectors = 1; // four entries: root, the stream, two unused

    // The FAT must also cover its own sectors and the DIFAT sectors, so grow
    // both counts until they cover everything (two or three passes).
    quint32 fatSectors = 0;
    quint32 difatSectors = 0;
    for (;;) {
        const quint32 total = streamSectors + directorySectors + fatSectors + difatSectors;
        const quint32 needFat = ceilDiv(total, kFatEntriesPerSector);
        const quint32 needDifat =
            needFat > kHeaderDifatEntries ? ceilDiv(needFat - kHeaderDifatEntries, kDifatEntriesPerSector) : 0;
        if (needFat == fatSectors && needDifat == difatSectors)
            break;
        fatSectors = needFat;
        difatSectors = needDifat;
    }
    const quint32 directoryStart = streamSectors;
    const quint32 fatStart = directoryStart + directorySectors;
    const quint32 difatStart = fatStart + fatSectors;
    const quint32 totalSectors = difatStart + difatSectors;

    QByteArray file(kSectorSize * (1 + qsizetype(totalSectors)), '\0');
    char* const base = file.data();
    auto sector = [base](quint32 index) { return base + kSectorSize * (1 + qsizetype(index)); };

    // Header.
    static const unsigned char signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    std::memcpy(base, signature, sizeof signature);
    putU16(base + 24, 0x003E); // minor version
    putU16(base + 26, 0x0003); // major version 3: 512-byte sectors
    putU16(base + 28, 0xFFFE); // little-endian
    putU16(base + 30, 9);      // sector size 2^9
    putU16(base + 32, 6);      // mini sector size 2^6
    putU32(base + 44, fatSectors);
    putU32(base + 48, directoryStart);
    putU32(base + 56, quint32(kCompoundMiniStreamCutoff));
    putU32(base + 60, kEndOfChain); // no mini FAT
    putU32(base + 64, 0);
    putU32(base + 68, difatSectors > 0 ? difatStart : kEndOfChain);
    putU32(base + 72, difatSectors);
    for (quint32 i = 0; i < kHeaderDifatEntries; ++i)
        putU32(base + 76 + 4 * i, i < fatSectors ? fatStart + i : kFreeSector);

    // The stream, its last sector padded with zeros.
    std::memcpy(sector(0), stream.constData(), size_t(stream.size()));

    // Directory.
    char* const directory = sector(directoryStart);
    putDirectoryEntry(directory, QStringLiteral("Root Entry"), kRootStorageObject, 1, kEndOfChain, 0);
    putDirectoryEntry(directory + kDirectoryEntrySize, name, kStreamObject, kNoStream, 0,
                      quint32(stream.size()));
    putUnusedDirectoryEntry(directory + 2 * kDirectoryEntrySize);
    putUnusedDirectoryEntry(directory + 3 * kDirectoryEntrySize);

    // FAT: the stream is one chain of consecutive sectors, the directory a
    // chain of one; FAT and DIFAT sectors are marked as such; the rest of
    // the last FAT sector is free.
    char* const fat = sector(fatStart);
    auto setFat = [fat](quint32 index, quint32 value) { putU32(fat + 4 * qsizetype(index), value); };
    for (quint32 i = 0; i < streamSectors; ++i)
        setFat(i, i + 1 < streamSectors ? i + 1 : kEndOfChain);
    setFat(directoryStart, kEndOfChain);
    for (quint32 i = 0; i < fatSectors; ++i)
        setFat(fatStart + i, kFatSector);
    for (quint32 i = 0; i < difatSectors; ++i)
        setFat(difatStart + i, kDifatSector);
    for (quint32 i = totalSectors; i < fatSectors * kFatEntriesPerSector; ++i)
        setFat(i, kFreeSector);

    // DIFAT sectors: the FAT sectors after the first 109, 127 to a sector.
    for (quint32 d = 0; d < difatSectors; ++d) {
        char* const entries = sector(difatStart + d);
        for (quint32 i = 0; i < kDifatEntriesPerSector; ++i) {
            const quint32 fatIndex = kHeaderDifatEntries + d * kDifatEntriesPerSector + i;
            putU32(entries + 4 * i, fatIndex < fatSectors ? fatStart + fatIndex : kFreeSector);
        }
        putU32(entries + 4 * kDifatEntriesPerSector, d + 1 < difatSectors ? difatStart + d + 1 : kEndOfChain);
    }
    return file;
}

} // namespace quarvane
