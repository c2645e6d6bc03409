#pragma once

// A file of measured points: one point a line, "name,X,Y[,elevation][,...]",
// GBK text with CR LF (or CR, or LF) line ends, no header. Every point is
// compared with the design and recorded as the 确 定 of the measured-point
// screen would; lines that cannot be used are skipped and reported.

#include "inverse/measured_point.h"

#include <QString>
#include <vector>

namespace quarvane {

// The X, Y and elevation texts of a point line, or why there are none.
struct PointLine {
    QString X, Y, H;   // H is "000" when the line ends after Y
    QString problem;   // empty when the line can be used
};

// Splits a line: the name up to the first comma is passed over, then X and
// Y; the elevation is the fourth field, "000" when there is none; further
// fields are ignored. X and Y must be numbers, and so must the elevation
// when it is given (blanks around a number are allowed).
PointLine splitPointLine(const QString& line);

struct SkippedLine {
    int lineNumber;    // 1-based, counting every line of the file
    QString reason;
};

struct CoordinateRun {
    int read = 0;                       // points recorded
    std::vector<SkippedLine> skipped;
    int notRecorded = 0;                // good points past the 60000th
    int lines = 0;

    // What the surveyor is told at the end.
    QString summary(int maxListed = 30) const;
};

// The lines of a points file; UserError when it cannot be read or is not
// GBK text.
QStringList readPointFile(const QString& path);

// The lines of a points file already in memory, by the rules of
// readPointFile; `shownName` is the file name its messages give.
QStringList decodePointLines(const QByteArray& bytes, const QString& shownName);

// Computes and records every point of the lines into the screen's rows and
// report, from the first free row on. The grid is left showing the last
// point recorded.
CoordinateRun runCoordinateLines(const QStringList& lines, MeasuredPoint& screen, Workspace& w,
                                 InverseState& state);

} // namespace quarvane
