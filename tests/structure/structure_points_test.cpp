#include "structure/structure_points.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quarvane {
namespace {

// A straight route heading +X through (1000, 2000) at station 0.
DesignTable straight()
{
    DesignTable t(TableKind::Pin);
    const char* row[] = {"1", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "1000", "2000"};
    for (int j = 1; j <= 16; ++j)
        t(1, j) = QString::fromLatin1(row[j - 1]);
    return t;
}

TEST(StructurePoints, ASquareCrossing)
{
    DesignTable t = straight();
    const StructurePoints s = structurePoints(100, 90, 10, 10, 2, 2, t);
    const double X0 = 1100, Y0 = 2000;
    struct Case { const char* name; PlanPoint p; double X, Y; };
    const Case cases[] = {
        {"centre", s.centre, X0, Y0},           {"left end", s.leftEnd, X0, Y0 - 10},
        {"right end", s.rightEnd, X0, Y0 + 10},  {"left back", s.leftBack, X0 - 2, Y0 - 10},
        {"left front", s.leftFront, X0 + 2, Y0 - 10}, {"right back", s.rightBack, X0 - 2, Y0 + 10},
        {"right front", s.rightFront, X0 + 2, Y0 + 10},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(c.p.X, c.X, 5e-4) << c.name;
        EXPECT_NEAR(c.p.Y, c.Y, 5e-4) << c.name;
    }
}

TEST(StructurePoints, SkewedCrossings)
{
    DesignTable t = straight();
    // 45 deg: the corners sit 2 / sin 45 = 2.828 m along the route.
    const StructurePoints a = structurePoints(100, 45, 10, 10, 2, 2, t);
    EXPECT_NEAR(std::hypot(a.leftBack.X - a.leftEnd.X, a.leftBack.Y - a.leftEnd.Y), 2.828427, 1e-5);
    EXPECT_NEAR(a.rightEnd.X - a.centre.X, 10 * std::cos(M_PI / 4), 1e-5);
    // 135 deg: the right end turns towards lower stations, same distances.
    const StructurePoints b = structurePoints(100, 135, 10, 10, 2, 2, t);
    EXPECT_LT(b.rightEnd.X, b.centre.X);
    EXPECT_NEAR(std::hypot(b.rightFront.X - b.rightEnd.X, b.rightFront.Y - b.rightEnd.Y), 2.828427, 1e-5);
    // 45.3015 is 45 deg 30' 15".
    const StructurePoints c = structurePoints(100, 45.3015, 10, 10, 0, 0, t);
    EXPECT_NEAR(std::atan2(c.rightEnd.Y - c.centre.Y, c.rightEnd.X - c.centre.X) * 180 / M_PI,
                45 + 30 / 60.0 + 15 / 3600.0, 1e-5);
    // No skew at all: 1e-9 rad, the corners far along the route.
    const StructurePoints d = structurePoints(100, 0, 10, 10, 2, 2, t);
    EXPECT_GT(d.rightFront.X - d.rightEnd.X, 1e8);
    // A station on the tangent after the curve comes back as itself.
    EXPECT_EQ(structurePoints(250, 90, 1, 1, 1, 1, t).station, 250);
}

} // namespace
} // namespace quarvane
