#pragma once

// Text files in the GBK code page with CR LF line ends, the form of every
// file the surveyor's routes are kept in. Encoding goes through Qt's
// ICU-backed converters.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quarvane {

// True when every character of the text has a GBK encoding.
bool encodableInGbk(const QString& text);

// The lines of a GBK text file, without their line ends. A CR LF or a lone
// LF ends a line; a last line without a line end is still a line, and the
// line end after the last line does not make an empty line. Throws
// UserError naming the file when it cannot be opened or is not GBK text.
QStringList readGbkLines(const QString& path);

// The text of a file's bytes in GBK. Throws UserError naming the file when
// the bytes hold a NUL (not a text file) or are not GBK.
QString decodeGbkText(const QByteArray& bytes, const QString& shownName);

// The lines of GBK text already in memory, by the rules of readGbkLines.
// `shownName` is the file name its messages give.
QStringList decodeGbkLines(const QByteArray& bytes, const QString& shownName);

// Writes the lines, each followed by CR LF, in GBK, through a temporary file
// renamed into place, so a failure leaves any earlier file whole. Throws
// UserError naming the file and the reason.
void writeGbkLines(const QString& path, const QStringList& lines);

// Writes the bytes as the whole content of the file, through a temporary
// file renamed into place. The written size is checked before the rename:
// a full disk or a file-size limit can cut a write short while the file
// device still reports success, and a cut file must never replace the
// earlier one. Throws UserError naming the file and the reason; the earlier
// file stays whole and no temporary file is left.
void writeFileWhole(const QString& path, const QByteArray& bytes);

// Copies a file the same way (the target replaced only when whole).
void copyFileWhole(const QString& source, const QString& target);

// The file name shown in messages: the path relative to the application
// directory when it lies under it, else the native path.
QString shownPath(const QString& path);

} // namespace quarvane
