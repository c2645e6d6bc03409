#pragma once

// Fixed-width fields. Table files and list lines hold fields of exactly 14
// characters: the trimmed text, left-justified, filled with blanks, no
// separators. Characters are counted after decoding, so a Chinese character
// is one character of the 14. Report headers are laid out by display width
// instead, where a Chinese character takes two columns.

#include <QString>
#include <QStringList>
#include <QStringView>

namespace quarvane {

inline constexpr int kFieldWidth = 14;

// The trimmed text followed by blanks up to `width` characters; a text of
// `width` characters or more is returned trimmed, unpadded.
QString padField(const QString& text, int width = kFieldWidth);

// True when the trimmed text fits a field.
bool fitsField(const QString& text, int width = kFieldWidth);

// Field j (1-based) of a record line: characters 14(j-1)+1 to 14j with
// trailing blanks removed, leading blanks kept; empty past the line's end.
QString recordField(QStringView line, int field);

// The N fields of a record line, as recordField gives them.
QStringList recordFields(QStringView line, int fieldCount);

// A record line from its fields, each padded to 14 characters. The caller
// makes sure every trimmed field fits.
QString recordLine(const QStringList& fields);

// Columns a text takes in the fixed-pitch report font: a character of the
// ASCII range takes one, any other character (Chinese) two, as in the GBK
// code page.
int displayWidth(QStringView text);

// The text followed by blanks up to `columns` display columns.
QString padDisplay(const QString& text, int columns);

} // namespace quarvane
