#include "structure/structure_points.h"

#include "geometry/angles.h"
#include "geometry/zcx.h"

#include <cmath>

namespace quarvane {
namespace {

PlanPoint moved(PlanPoint p, double d, double azimuth)
{
    return {p.X + d * std::cos(azimuth), p.Y + d * std::sin(azimuth)};
}

} // namespace

StructurePoints structurePoints(double P, double B, double Lz, double Ly, double Dh, double Dq,
                                DesignTable& yaosup)
{
    const ZcxResult z = ZCX(P, 0, 0, yaosup);
    StructurePoints out;
    out.station = z.station();
    out.K = z.K;
    out.centre = {z.X, z.Y};
    double skew = packedToRadians(B);
    const double H = z.K + skew;
    if (skew == 0)
        skew = 0.000000001;
    const double h = kStructureHalfTurn;
    out.leftEnd = moved(out.centre, Lz, H + h);
    out.rightEnd = moved(out.centre, Ly, H);
    const double back = std::fabs(Dh / std::sin(skew));
    const double front = std::fabs(Dq / std::sin(skew));
    out.leftBack = moved(out.leftEnd, back, z.K + h);
    out.leftFront = moved(out.leftEnd, front, z.K);
    out.rightBack = moved(out.rightEnd, back, z.K + h);
    out.rightFront = moved(out.rightEnd, front, z.K);
    return out;
}

} // namespace quarvane
