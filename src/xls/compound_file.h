#pragma once

// The OLE2 compound file that an Excel 97-2003 workbook lives in: a small
// file system of 512-byte sectors (version 3) with a sector allocation
// table (FAT), its index (DIFAT) and a directory. We only ever store one
// stream in it, so the writer lays the file out in one pass:
//
//   header | stream sectors | directory sector | FAT sectors | DIFAT sectors
//
// The header lists the first 109 FAT sectors; a workbook bigger than
// 109 * 128 * 512 bytes (about 7 MB) needs DIFAT sectors for the rest.

#include <QByteArray>
#include <QString>

namespace quarvane {

// Streams shorter than this belong in the mini stream of a compound file;
// readers look for them there. Callers pad their stream up to this size
// instead, so we never write a mini stream.
inline constexpr qsizetype kCompoundMiniStreamCutoff = 4096;

// The bytes of a compound file whose root storage holds one stream, `name`
// (at most 31 UTF-16 units), with the given content, which must be at least
// kCompoundMiniStreamCutoff bytes long (std::invalid_argument otherwise).
QByteArray compoundFileWithStream(const QString& name, const QByteArray& stream);

} // namespace quarvane
