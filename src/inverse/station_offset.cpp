#include "inverse/station_offset.h"

#include "geometry/sqx.h"
#include "geometry/zcx.h"
#include "text/number_text.h"
#include "text/user_error.h"

#include <cmath>

namespace quarvane {
namespace {

double measured(const QString& text, const char* axis)
{
    if (text.trimmed().isEmpty())
        return 0.0;
    if (const auto value = fullNumber(text))
        return *value;
    throw UserError(QStringLiteral("测点%1坐标“%2”不是数字。").arg(QLatin1String(axis), text.trimmed()));
}

// The starting station: the curve start of the row whose IP lies nearest the
// point (row 1 unless a later row is strictly nearer; rows without an IP,
// X = 0, are passed over).
double startingStation(const DesignTable& yaosup, double Xm, double Ym)
{
    int nearest = 1;
    double best = 0;
    for (int r = 1; r <= yaosup.usedRows(); ++r) {
        if (yaosup(r, 15).isEmpty())
            continue;
        const double x = yaosup.number(r, 15);
        if (x == 0)
            continue;
        const double d = std::hypot(x - Xm, yaosup.number(r, 16) - Ym);
        if (r == 1) {
            best = d;
        } else if (d != 0 && d < best) {
            nearest = r;
            best = d;
        }
    }
    return yaosup.number(nearest, 13);
}

// Subgrade width at station P between its start s (width bs) and end e
// (width be): linear, or along the high-order curve 4k^3 - 3k^4 that
// starts at the narrower end.
double subgradeWidth(int method, double P, double s, double e, double bs, double be)
{
    if (method == 1)
        return bs + (be - bs) * (P - s) / (e - s);
    if (be >= bs) {
        const double k = (P - s) / (e - s);
        return bs + (be - bs) * (4 * k * k * k - 3 * k * k * k * k);
    }
    const double k = (e - P) / (e - s);
    return be + (bs - be) * (4 * k * k * k - 3 * k * k * k * k);
}

// Horizontal run of a side slope of n stages climbing a height H:
// complete stages add r_k h_k and the next berm, the stage H ends in adds
// r_k times what is left; stage n takes all the height that is left.
double slopeRun(const std::array<double, 15>& v, int n, double H)
{
    // v: w0, h0, h1, r1, w2, h2, r2, w3, h3, r3, w4, h4, r4, w5, r5
    const double h[6] = {0, v[2], v[5], v[8], v[11], 0};
    const double r[6] = {0, v[3], v[6], v[9], v[12], v[14]};
    const double w[6] = {0, 0, v[4], v[7], v[10], v[13]};
    double run = 0, climbed = 0;
    for (int k = 1; k <= n; ++k) {
        if (k < n && H > climbed + h[k]) {
            run += r[k] * h[k] + w[k + 1];
            climbed += h[k];
        } else {
            run += r[k] * (H - climbed);
            break;
        }
    }
    return run;
}

} // namespace

QString noSectionNote() { return QStringLiteral("无路基段"); }
QString noCrossSlopeNote() { return QStringLiteral("无超高数据"); }

StationOffset stationAndOffset(const QString& XmText, const QString& YmText, const QString& HmText,
                               RouteTables& tables, InverseState& state)
{
    const double Xm = measured(XmText, "X");
    const double Ym = measured(YmText, "Y");
    StationOffset out;

    // Foot of the perpendicular.
    double P = startingStation(tables.yaosup, Xm, Ym);
    double V = 0, W = 0;
    for (;;) {
        if (++out.passes > kMaxProjectionPasses)
            throw UserError(QStringLiteral("测点（%1，%2）无法归算到线路上：迭代%3次仍未收敛，请检查坐标是否远离线路。")
                                .arg(plainNumber(Xm), plainNumber(Ym))
                                .arg(kMaxProjectionPasses));
        const ZcxResult z = ZCX(P, 0, 0, tables.yaosup);
        P = z.station();
        const double dx = Xm - z.X, dy = Ym - z.Y;
        V = dx * std::cos(z.K) + dy * std::sin(z.K);
        W = dy * std::cos(z.K) - dx * std::sin(z.K);
        P += V;
        if (!std::isfinite(P) || !std::isfinite(W))
            throw UserError(QStringLiteral("测点（%1，%2）无法归算到线路上。").arg(plainNumber(Xm), plainNumber(Ym)));
        if (std::fabs(V) <= 0.001)
            break;
    }
    out.P = P;
    out.W = W;
    const double station = round3(P);
    const double offset = round3(W);
    out.station = plainNumber(station);
    out.offset = plainNumber(offset);
    const int side = offset < 0 ? -1 : (offset > 0 ? 1 : 0);

    // Section lookup on the station as shown.
    const DesignTable& yaosul = tables.yaosul;
    int m = 0;
    for (int row = 1; row <= yaosul.usedRows() && m == 0; ++row)
        if (yaosul.leadingNumber(row, 2) <= station && yaosul.leadingNumber(row, 3) > station)
            m = row;
    if (m != 0 && (m != state.sectionRow || state.section[2].constData() != yaosul(m, 2).constData())) {
        for (int c = 1; c <= 47; ++c)
            state.section[c] = yaosul(m, c);
        state.sectionRow = m;
    }
    out.inSection = m != 0;
    if (!out.inSection && side != 0) {
        out.designElevation = out.fillCut = out.subgradeWidth = out.deviation = noSectionNote();
        return out;
    }
    // The section's values, read through the table's kept numbers (the
    // current section row holds the same texts).
    auto col = [&](int c) { return m != 0 ? yaosul.leadingNumber(m, c) : 0.0; };

    // Edge offsets: the pavement edge on the point's side.
    double Dz = 0, Dy = 0;
    if (side != 0) {
        const int methodColumn = side < 0 ? 16 : 17;
        const double method = col(methodColumn);
        if (method != 1 && method != 2)
            throw UserError(QStringLiteral("%1应为1（线性）或2（高次），现为“%2”。")
                                .arg(yaosul.cellName(m, methodColumn), state.section[methodColumn].trimmed()));
        const double b = side < 0 ? subgradeWidth(int(method), station, col(2), col(3), col(6), col(7))
                                  : subgradeWidth(int(method), station, col(2), col(3), col(8), col(9));
        (side < 0 ? Dz : Dy) = b - col(side < 0 ? 10 : 12);
    }
    const double Dzs = Dz, Dys = Dy, Dzf = col(4), Dyf = col(5);

    // Design elevation: inside the subgrade at the point's own offset, else
    // at the pavement edge carried across the shoulder.
    const double shoulder = side < 0 ? col(10) : col(12);
    const double shoulderSlope = side < 0 ? col(11) : col(13);
    const bool inside = side != 0 && std::fabs(offset) < (side < 0 ? Dz : Dy) + shoulder;
    if (inside)
        (side < 0 ? Dz : Dy) = std::fabs(offset);
    const SqxResult e = SQX(station, Dz, Dy, Dzf, Dyf, tables.yaosus, tables.yaosuc);
    double design = round3(e.Z);
    if (side != 0) {
        const std::optional<double>& sideZ = side < 0 ? e.Zz : e.Zy;
        if (!sideZ) {
            out.designElevation = out.fillCut = out.deviation = noCrossSlopeNote();
            const double B = side < 0 ? Dzs + col(10) : Dys + col(12);
            out.subgradeWidth = plainNumber(side * round3(B));
            return out;
        }
        design = round3(*sideZ) + (inside ? 0.0 : shoulder * shoulderSlope / 100);
    }
    out.designElevation = plainNumber(design);
    const double fillCut = round3(lenientNumber(out.designElevation) - lenientNumber(HmText));
    out.fillCut = plainNumber(fillCut);

    if (side == 0) {
        out.subgradeWidth = out.deviation = QStringLiteral("0");
        return out;
    }
    const double B = side < 0 ? Dzs + col(10) : Dys + col(12);
    out.subgradeWidth = plainNumber(side * round3(B));
    const int first = side < 0 ? 18 : 33;
    std::array<double, 15> slope{};
    for (int k = 0; k < 15; ++k)
        slope[std::size_t(k)] = col(first + k);
    const double stages = col(side < 0 ? 14 : 15);
    double d = 0;
    if (stages == 1 || stages == 2 || stages == 3 || stages == 4 || stages == 5) {
        const double H = slope[1] + std::fabs(lenientNumber(out.fillCut));
        d = B + slope[0] + slopeRun(slope, int(stages), H);
    }
    out.deviation = plainNumber(round3(std::fabs(lenientNumber(out.offset)) - d));
    return out;
}

} // namespace quarvane
