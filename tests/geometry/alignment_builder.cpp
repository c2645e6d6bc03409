#include "geometry/alignment_builder.h"

#include "geometry/angles.h"
#include "text/number_text.h"

#include <cmath>

namespace quarvane::test {
namespace {

// Integrates position and heading along a stretch whose curvature runs
// linearly from k0 to k1 over `length`, for `s` metres (Simpson, 1 cm steps).
ExactPoint walk(ExactPoint p, double k0, double k1, double length, double s)
{
    if (s <= 0)
        return p;
    const int steps = std::max(2, int(std::ceil(s / 0.01)) * 2);
    const double h = s / steps;
    const double dk = length > 0 ? (k1 - k0) / length : 0.0;
    auto heading = [&](double u) { return p.azimuth + k0 * u + 0.5 * dk * u * u; };
    double sx = 0, sy = 0;
    for (int i = 0; i <= steps; ++i) {
        const double w = (i == 0 || i == steps) ? 1 : (i % 2 ? 4 : 2);
        sx += w * std::cos(heading(i * h));
        sy += w * std::sin(heading(i * h));
    }
    return {p.x + sx * h / 3, p.y + sy * h / 3, heading(s)};
}

} // namespace

QString packedAngle(double radians)
{
    const double sign = radians < 0 ? -1 : 1;
    double degrees = std::fabs(radians) / AA;
    double d = std::floor(degrees);
    double minutes = (degrees - d) * 60;
    double m = std::floor(minutes);
    double seconds = (minutes - m) * 60;
    QString secondsText = fixedText(seconds, 8, 2);
    if (secondsText.startsWith(QStringLiteral("60"))) {
        secondsText = fixedText(0.0, 8, 2);
        if (++m == 60) {
            m = 0;
            ++d;
        }
    }
    const QString text = QStringLiteral("%1.%2%3")
                             .arg(qint64(d))
                             .arg(qint64(m), 2, 10, QChar(u'0'))
                             .arg(secondsText.remove(u'.'));
    return sign < 0 ? u'-' + text : text;
}

Alignment::Alignment(double x0, double y0, double az0, double straightBefore, std::vector<CurveSpec> curves)
{
    ExactPoint p{x0, y0, az0};
    double station = 0;
    auto addPiece = [&](double length, double k0, double k1) {
        pieces_.push_back({station, length, k0, k1, p});
        p = walk(p, k0, k1, length, length);
        station += length;
    };
    addPiece(straightBefore, 0, 0);
    for (const CurveSpec& c : curves) {
        const double ka = c.turn / c.R;
        const double k1s = c.R1Ls1 ? c.turn / c.R1Ls1 : 0.0;
        const double k2e = c.R2Ls2 ? c.turn / c.R2Ls2 : 0.0;
        Row row{};
        row.Z = station;
        row.O = p.azimuth;
        const ExactPoint start = p;
        keys_.push_back(station);
        addPiece(c.Ls1, k1s, ka);
        keys_.push_back(station);
        addPiece(c.q, ka, ka);
        keys_.push_back(station);
        addPiece(c.Ls2, ka, k2e);
        keys_.push_back(station);
        // Tangent lengths from the curve's end in the frame of its start.
        const double C = p.azimuth - start.azimuth;
        const double ex = (p.x - start.x) * std::cos(start.azimuth) + (p.y - start.y) * std::sin(start.azimuth);
        const double ey = -(p.x - start.x) * std::sin(start.azimuth) + (p.y - start.y) * std::cos(start.azimuth);
        row.T2 = ey / std::sin(C);
        row.T1 = ex - row.T2 * std::cos(C);
        row.E = start.x + row.T1 * std::cos(start.azimuth);
        row.F = start.y + row.T1 * std::sin(start.azimuth);
        row.C = C;
        row.Ls1 = c.Ls1;
        row.R1Ls1 = c.R1Ls1;
        row.R2Ls1 = c.Ls1 ? c.R : 0;
        row.Ls2 = c.Ls2;
        row.R1Ls2 = c.Ls2 ? c.R : 0;
        row.R2Ls2 = c.R2Ls2;
        row.q = c.q;
        row.r = c.R;
        rows_.push_back(row);
        addPiece(c.straightAfter, 0, 0);   // a partial exit spiral is followed by the next curve directly
    }
    end_ = station;
}

DesignTable Alignment::table() const
{
    DesignTable t(TableKind::Pin);
    int n = 0;
    for (const Row& r : rows_) {
        ++n;
        const double values[] = {double(n), 0, r.Ls1, r.R1Ls1, r.R2Ls1, r.Ls2, r.R1Ls2, r.R2Ls2,
                                 r.T1, r.T2, r.q, r.r, r.Z, 0, r.E, r.F};
        for (int j = 1; j <= 16; ++j)
            t(n, j) = plainNumber(values[j - 1]);
        t(n, 2) = packedAngle(r.C);
        double O = std::fmod(r.O, 2 * kPi);
        if (O < 0)
            O += 2 * kPi;
        t(n, 14) = packedAngle(O);
    }
    t.setRecords(n);
    return t;
}

ExactPoint Alignment::at(double station) const
{
    std::size_t i = 0;
    while (i + 1 < pieces_.size() && station > pieces_[i + 1].start)
        ++i;
    const Piece& piece = pieces_[i];
    if (station < piece.start) {   // before the route: back along the first tangent
        const double d = piece.start - station;
        return {piece.from.x - d * std::cos(piece.from.azimuth), piece.from.y - d * std::sin(piece.from.azimuth),
                piece.from.azimuth};
    }
    if (i + 1 == pieces_.size() && station > piece.start + piece.length) {   // beyond the end
        const ExactPoint last = walk(piece.from, piece.k0, piece.k1, piece.length, piece.length);
        const double d = station - piece.start - piece.length;
        return {last.x + d * std::cos(last.azimuth), last.y + d * std::sin(last.azimuth), last.azimuth};
    }
    return walk(piece.from, piece.k0, piece.k1, piece.length, station - piece.start);
}

std::vector<double> Alignment::keyStations() const { return keys_; }
double Alignment::endStation() const { return end_; }

} // namespace quarvane::test
