#include "geometry/zcx.h"

#include "geometry/angles.h"
#include "text/number_text.h"
#include "text/user_error.h"

#include <cmath>

namespace quarvane {
namespace {

// Columns of a horizontal element row.
enum PinColumn {
    cC = 2, cLs1 = 3, cR1Ls1 = 4, cR2Ls1 = 5, cLs2 = 6, cR1Ls2 = 7, cR2Ls2 = 8,
    cT1 = 9, cT2 = 10, cQ = 11, cR = 12, cZ = 13, cO = 14, cE = 15, cF = 16,
};

struct Point {
    double x = 0, y = 0;
};

Point moved(Point p, double distance, double azimuth)
{
    return {p.x + distance * std::cos(azimuth), p.y + distance * std::sin(azimuth)};
}

// The clothoid in its own frame: x along the origin tangent, y towards the
// inside of the curve; r is the radius at arc length L from the origin.
struct Clothoid {
    double r;
    double L;

    double x(double l) const
    {
        // l - l^5/(40 a^2) + l^9/(3456 a^4) - l^13/(599040 a^6), a = r L
        const double u = l * l / (r * L), u2 = u * u;
        return l * (1 - u2 / 40 + u2 * u2 / 3456 - u2 * u2 * u2 / 599040);
    }
    double y(double l) const
    {
        // l^3/(6 a) - l^7/(336 a^3) + l^11/(42240 a^5) - l^15/(9676800 a^7)
        const double u = l * l / (r * L), u2 = u * u;
        return l * u * (1.0 / 6 - u2 / 336 + u2 * u2 / 42240 - u2 * u2 * u2 / 9676800);
    }
    // Tangent angle turned since the origin, radians.
    double beta(double l) const { return 180 * AA * l * l / (kPi * L * 2 * r); }
};

// A spiral placed in the plane: its clothoid, the origin point, the origin
// azimuth and the turn sign t (+1 turning towards +Y, -1 the other way).
struct PlacedSpiral {
    Clothoid clothoid;
    Point origin;
    double theta0;
    double t;
    double Z10;   // missing length: arc length from the origin to the spiral's tangent end

    // The point at arc length l from the origin, placed along its chord.
    Point at(double l) const
    {
        const double x = clothoid.x(l);
        const double y = clothoid.y(l);
        if (x == 0)
            return origin;
        return moved(origin, std::sqrt(x * x + y * y), theta0 + t * std::atan(y / x));
    }
    double azimuth(double l) const { return theta0 + t * clothoid.beta(l); }
};

// Places a spiral from its tangent end Q, the walking azimuth thetaS there,
// its length Ls, the radius rc at its arc end and rt at its tangent end
// (0: infinite, a full spiral). A partial spiral is the tail of the clothoid
// whose origin lies Z10 = rc Ls / (rt - rc) before Q.
PlacedSpiral placeSpiral(Point Q, double thetaS, double Ls, double rc, double rt, double t)
{
    if (rt == 0)
        return {{rc, Ls}, Q, thetaS, t, 0.0};
    const double Z10 = rc * Ls / (rt - rc);
    const Clothoid clothoid{rc, Z10 + Ls};
    const double x0 = clothoid.x(Z10);
    const double y0 = clothoid.y(Z10);
    const double theta0 = thetaS - t * clothoid.beta(Z10);
    const Point origin = moved(moved(Q, y0, theta0 - t * 90 * AA), x0, theta0 + 180 * AA);
    return {clothoid, origin, theta0, t, Z10};
}

class Row {
public:
    Row(DesignTable& table, int n) : table_(table), n_(n) {}
    double operator[](int column) const { return table_.number(n_, column); }
    double radians(int column) const { return AA * table_.packedDegrees(n_, column); }
    QString caption(int column) const { return QStringLiteral("“%1”").arg(table_.info().captions[column - 1]); }

    [[noreturn]] void refuse(const QString& what) const
    {
        throw UserError(QStringLiteral("%1第%2行：%3").arg(table_.info().title).arg(n_).arg(what));
    }

private:
    DesignTable& table_;
    int n_;
};

// The checks a spiral needs before the series may divide by its radii:
// length column, tangent-end radius column, the radius rc at its arc end
// and the column it came from, and where a spiral whose radius grows
// towards its arc belongs instead.
void checkSpiral(const Row& row, int lengthColumn, int tangentEnd, double rc, int arcEnd,
                 const QString& otherSide)
{
    const double Ls = row[lengthColumn];
    const double rt = row[tangentEnd];
    if (Ls < 0)
        row.refuse(QStringLiteral("%1不能为负数。").arg(row.caption(lengthColumn)));
    if (rc <= 0)
        row.refuse(QStringLiteral("%1必须大于0。").arg(row.caption(arcEnd)));
    if (rt == 0)
        return;
    if (rt < 0)
        row.refuse(QStringLiteral("%1不能为负数。").arg(row.caption(tangentEnd)));
    if (Ls == 0)
        row.refuse(QStringLiteral("%1不为0而%2为0：不完整缓和曲线必须有长度。")
                       .arg(row.caption(tangentEnd), row.caption(lengthColumn)));
    if (rt == rc)
        row.refuse(QStringLiteral("不完整缓和曲线两端半径相等（%1），无法计算。").arg(plainNumber(rt)));
    if (rt < rc)
        row.refuse(QStringLiteral("缓和曲线的半径向圆曲线方向增大（%1 → %2）。这样的缓和曲线请作为%3输入。")
                       .arg(plainNumber(rt), plainNumber(rc), otherSide));
}

} // namespace

double engineNumber(const QString& text, const QString& what)
{
    if (text.trimmed().isEmpty())
        return 0.0;
    if (const auto value = fullNumber(text))
        return *value;
    throw UserError(QStringLiteral("%1“%2”不是数字。").arg(what, text.trimmed()));
}

ZcxResult ZCX(double P, double Dz, double Dy, DesignTable& yaosup)
{
    if (!std::isfinite(P) || !std::isfinite(Dz) || !std::isfinite(Dy))
        throw UserError(QStringLiteral("桩号或边距不是有限的数。"));

    // Element lookup: a station at or before the next row's curve start
    // belongs to the current row; a row whose curve start reads 0 ends the
    // table.
    int n = 1;
    for (;;) {
        if (n == kMaxRecords) {
            if (P > yaosup.number(n, cZ))
                throw UserError(QStringLiteral("桩号%1超出平曲线参数第%2行（最后一行）的范围。")
                                    .arg(plainNumber(P))
                                    .arg(kMaxRecords));
            break;
        }
        const double next = yaosup.number(n + 1, cZ);
        if (!(P > next && next != 0))
            break;
        ++n;
    }

    for (int column = 1; column <= 16; ++column)
        if (yaosup(n, column).isEmpty())
            yaosup(n, column) = QStringLiteral("0");

    const Row row(yaosup, n);
    const double C = row.radians(cC);
    const double Ls1 = row[cLs1], R1Ls1 = row[cR1Ls1], R2Ls1 = row[cR2Ls1];
    const double Ls2 = row[cLs2], R1Ls2 = row[cR1Ls2], R2Ls2 = row[cR2Ls2];
    const double T1 = row[cT1], T2 = row[cT2], q = row[cQ], r = row[cR];
    const double Z = row[cZ];
    const double O = row.radians(cO);
    const Point IP{row[cE], row[cF]};
    const double s = C > 0 ? 1.0 : (C < 0 ? -1.0 : 0.0);
    const double halfTurn = 180 * AA;
    const double curveEnd = Z + Ls1 + q + Ls2;
    // The arc's radius: column 12 after a full entry spiral (or none),
    // column 5 after a partial one.
    const double R = R1Ls1 == 0 ? r : R2Ls1;

    ZcxResult out;
    out.row = n;
    out.P = P;
    out.Z = Z;
    Point centre;

    auto entrySpiral = [&](double rc) {
        checkSpiral(row, cLs1, cR1Ls1, rc, rc == R2Ls1 ? int(cR2Ls1) : int(cR),
                    QStringLiteral("上一交点的第二缓和曲线"));
        if (R1Ls1 == 0 && Ls1 > 0 && r != 0 && r != R2Ls1)
            row.refuse(QStringLiteral("%1（%2）与%3（%4）不一致。")
                           .arg(row.caption(cR2Ls1), plainNumber(R2Ls1), row.caption(cR), plainNumber(r)));
        return placeSpiral(moved(IP, T1, O + halfTurn), O, Ls1, rc, R1Ls1, s);
    };

    if (P <= Z) {
        out.segment = Segment::TangentBefore;
        centre = moved(IP, T1 + (Z - P), O + halfTurn);
        out.K = O;
    } else if (P <= Z + Ls1) {
        out.segment = Segment::EntrySpiral;
        const PlacedSpiral spiral = entrySpiral(R2Ls1);
        const double l = P - (Z - spiral.Z10);
        centre = spiral.at(l);
        out.K = spiral.azimuth(l);
    } else if (P <= Z + Ls1 + q) {
        out.segment = Segment::Arc;
        if (R <= 0)
            row.refuse(QStringLiteral("%1必须大于0。").arg(row.caption(R1Ls1 == 0 ? cR : cR2Ls1)));
        Point SC = moved(IP, T1, O + halfTurn);
        double KSC = O;
        if (Ls1 != 0 || R1Ls1 != 0) {
            const PlacedSpiral spiral = entrySpiral(R);
            const double l = spiral.Z10 + Ls1;
            SC = spiral.at(l);
            KSC = spiral.azimuth(l);
        }
        // Half the central angle subtended since the arc's start.
        const double G = (P - Z - Ls1) * 90 * AA / (kPi * R);
        centre = moved(SC, 2 * R * std::sin(G), KSC + s * G);
        out.K = KSC + 2 * s * G;
    } else if (P <= curveEnd) {
        out.segment = Segment::ExitSpiral;
        // The exit spiral is walked back from the curve end along the
        // reversed outgoing tangent, turning the other way.
        checkSpiral(row, cLs2, cR2Ls2, R1Ls2, cR1Ls2, QStringLiteral("下一交点的第一缓和曲线"));
        const double t = -s;
        const PlacedSpiral spiral =
            placeSpiral(moved(IP, T2, O + C), O + C + halfTurn, Ls2, R1Ls2, R2Ls2, t);
        const double l = (curveEnd + spiral.Z10) - P;
        centre = spiral.at(l);
        out.K = l == 0 ? O + C : spiral.theta0 + halfTurn + t * spiral.clothoid.beta(l);
        out.mirrored = true;
    } else {
        out.segment = Segment::TangentAfter;
        centre = moved(IP, (P - curveEnd) + T2, O + C);
        out.K = O + C;
        out.mirrored = true;
    }

    if (out.mirrored) {
        out.P = -P;
        out.Z = -curveEnd;
    }
    out.X = centre.x;
    out.Y = centre.y;
    out.Xz = out.X + std::cos(out.K + 270 * AA) * Dz;
    out.Yz = out.Y + std::sin(out.K + 270 * AA) * Dz;
    out.Xy = out.X + std::cos(out.K + 90 * AA) * Dy;
    out.Yy = out.Y + std::sin(out.K + 90 * AA) * Dy;
    return out;
}

} // namespace quarvane
