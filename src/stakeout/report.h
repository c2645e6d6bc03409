#pragma once

// The report list: line 0 is the screen's header, every further line one
// recorded point, numbered by its own line index. A field is its trimmed
// text followed by blanks up to 14 characters; a header caption fills 14
// display columns, a Chinese character taking two.

#include <QString>
#include <QStringList>

namespace quarvane {

// Line indices run to 60000: a report holds at most 60001 lines.
inline constexpr int kMaxReportLines = 60001;

// The header of the single-point and batch reports.
QString forwardReportHeader();

// A field of a report line; a text of 14 characters or more has no blanks.
QString reportField(const QString& text);

// The offset field of a side line: the letter, the offset formatted
// "0.000", blanks up to 14 characters in all.
QString offsetField(QChar side, const QString& offsetText);

// The first line index at or after 1 whose text is empty: where new lines
// go (normally the line count, when lines are appended).
int firstFreeLine(const QStringList& List1);

// Writes a line at index i: replaces it, or appends at the line count.
void putLine(QStringList& List1, int i, const QString& line);

} // namespace quarvane
