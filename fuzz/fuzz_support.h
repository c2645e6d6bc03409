#pragma once

// What the fuzz targets share: the installation data, a scratch directory
// that lives as long as the fuzzing process, and a way to stop on a broken
// promise that libFuzzer records like a crash.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

namespace quarvane::fuzz {

// The source tree's data/ directory.
QString dataDir();

// The input as bytes (copied: the readers may keep them).
QByteArray bytesOf(const std::uint8_t* data, std::size_t size);

// A directory of this process under $TMPDIR, removed at exit.
QString scratchDir();

// Lays the installation data beside nothing: temp/ and 线路参数/ (with the
// demo route) and the demo file of measured points, without the pictures.
void layInstallationData(const QString& appDir);

// Empties `dir` of every entry whose name is not in `keep`.
void removeAllBut(const QString& dir, const QStringList& keep);

// A promise of the code under test is broken: says which and aborts.
[[noreturn]] void broken(const QString& what);

} // namespace quarvane::fuzz
