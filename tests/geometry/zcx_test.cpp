#include "geometry/angles.h"
#include "geometry/zcx.h"
#include "text/number_text.h"
#include "text/user_error.h"

#include "geometry/alignment_builder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace quarvane {
namespace {

constexpr double kMm = 1e-3;
constexpr double kDeg = 180 / kPi;   // engine radians to degrees

void setRow(DesignTable& t, int row, std::initializer_list<std::pair<int, const char*>> cells)
{
    for (const auto& [column, text] : cells)
        t(row, column) = QString::fromUtf8(text);
}

// One row: a circular arc of radius 100 turning 90 degrees right from the
// curve start (0, 0) heading +X; IP at (100, 0).
DesignTable arcOnly()
{
    DesignTable t(TableKind::Pin);
    setRow(t, 1, {{1, "1"}, {2, "90"}, {9, "100"}, {10, "100"}, {11, "157.07963"}, {12, "100"},
                  {13, "0"}, {14, "0"}, {15, "100"}, {16, "0"}});
    return t;
}

DesignTable entrySpiral(const char* R1Ls1)
{
    DesignTable t(TableKind::Pin);
    setRow(t, 1, {{1, "1"}, {2, "30"}, {3, "50"}, {4, R1Ls1}, {5, "200"}, {9, "100"}, {10, "100"},
                  {11, "50"}, {12, "200"}, {13, "0"}, {14, "0"}, {15, "100"}, {16, "0"}});
    return t;
}

// Worked examples of the horizontal computation (values to 0.1 mm and
// 0.0001 degree as worked by hand).
TEST(ZCX, WorkedExamples)
{
    struct Case { const char* name; DesignTable table; double P, Dy, X, Y, Kdeg, Xy, Yy; };
    Case cases[] = {
        {"arc, mid-curve", arcOnly(), 78.539815, 10, 70.7107, 29.2893, 45, 63.6396, 36.3604},
        {"arc, tangent after", arcOnly(), 200, 0, 100.0000, 142.9204, 90, 100.0000, 142.9204},
        {"arc, before the start", arcOnly(), -50, 0, -50.0000, 0.0000, 0, -50.0000, 0.0000},
        {"full spiral, middle", entrySpiral(""), 25, 0, 24.9976, 0.2604, 1.7905, 24.9976, 0.2604},
        {"full spiral, end", entrySpiral(""), 50, 0, 49.9219, 2.0810, 7.1620, 49.9219, 2.0810},
        {"partial spiral, end", entrySpiral("400"), 50, 0, 49.7530, 4.1554, 10.7430, 49.7530, 4.1554},
    };
    for (Case& c : cases) {
        const ZcxResult r = ZCX(c.P, 0, c.Dy, c.table);
        EXPECT_NEAR(r.X, c.X, 6e-5) << c.name;
        EXPECT_NEAR(r.Y, c.Y, 6e-5) << c.name;
        EXPECT_NEAR(r.K * kDeg, c.Kdeg, 6e-5) << c.name;
        EXPECT_NEAR(r.Xy, c.Xy, 6e-5) << c.name;
        EXPECT_NEAR(r.Yy, c.Yy, 6e-5) << c.name;
    }
}

TEST(ZCX, MirrorFlagOnTheExitSideOnly)
{
    DesignTable t = arcOnly();
    struct Case { double P; bool mirrored; Segment segment; };
    const Case cases[] = {{-50, false, Segment::TangentBefore}, {0, false, Segment::TangentBefore},
                          {100, false, Segment::Arc},           {157.07963, false, Segment::Arc},
                          {157.08, true, Segment::TangentAfter}, {500, true, Segment::TangentAfter}};
    for (const Case& c : cases) {
        const ZcxResult r = ZCX(c.P, 0, 0, t);
        EXPECT_EQ(r.mirrored, c.mirrored) << c.P;
        EXPECT_EQ(r.segment, c.segment) << c.P;
        EXPECT_EQ(r.P, c.mirrored ? -c.P : c.P) << c.P;
        EXPECT_EQ(r.Z, c.mirrored ? -157.07963 : 0.0) << c.P;
        EXPECT_EQ(r.station(), c.P);
    }
}

TEST(ZCX, EmptyCellsOfTheRowUsedBecomeZero)
{
    DesignTable t(TableKind::Pin);
    setRow(t, 1, {{13, "0"}, {14, "1.1700"}, {15, "10"}, {16, "20"}});
    const ZcxResult r = ZCX(5, 0, 0, t);
    for (int column = 1; column <= 16; ++column)
        EXPECT_FALSE(t(1, column).isEmpty()) << column;
    EXPECT_EQ(t(1, 3), QStringLiteral("0"));
    EXPECT_EQ(t(1, 14), QStringLiteral("1.1700"));
    EXPECT_TRUE(t(2, 1).isEmpty());
    // Zero deflection and lengths: a straight through the IP at 1 deg 17'.
    const double az = (1 + 17 / 60.0) * AA;
    EXPECT_NEAR(r.X, 10 + 5 * std::cos(az), 1e-9);
    EXPECT_NEAR(r.Y, 20 + 5 * std::sin(az), 1e-9);
    EXPECT_EQ(r.K, az);
}

TEST(ZCX, RowLookupTiesGoToTheEarlierRowAndAZeroStartEndsTheTable)
{
    DesignTable t(TableKind::Pin);
    setRow(t, 1, {{1, "1"}, {13, "100"}, {15, "0"}, {16, "0"}});
    setRow(t, 2, {{1, "2"}, {13, "200"}, {14, "90"}, {15, "0"}, {16, "500"}});
    setRow(t, 3, {{1, "3"}, {13, "0"}});
    setRow(t, 4, {{1, "4"}, {13, "900"}});
    EXPECT_EQ(ZCX(200, 0, 0, t).row, 1);
    EXPECT_EQ(ZCX(200.001, 0, 0, t).row, 2);
    EXPECT_EQ(ZCX(5000, 0, 0, t).row, 2);   // row 3 ends the table
    EXPECT_EQ(ZCX(-10, 0, 0, t).row, 1);
}

TEST(ZCX, SideStakesLeftAndRightOfTravel)
{
    DesignTable t = arcOnly();
    // Heading +Y on the tangent after the right-hand curve: left is +X... no,
    // looking along +Y (east), the left hand points north (+X).
    const ZcxResult r = ZCX(200, 5, 7, t);
    EXPECT_NEAR(r.Xz - r.X, 5, 1e-9);
    EXPECT_NEAR(r.Xy - r.X, -7, 1e-9);
    // On a right-hand curve the right stake is on the inside: nearer the
    // arc's centre (0, 100).
    const ZcxResult m = ZCX(78.539815, 10, 10, t);
    EXPECT_NEAR(std::hypot(m.Xy - 0, m.Yy - 100), 90, 1e-4);
    EXPECT_NEAR(std::hypot(m.Xz - 0, m.Yz - 100), 110, 1e-4);
    // Empty distances put both stakes on the centre stake.
    const ZcxResult c = ZCX(30, 0, 0, t);
    EXPECT_EQ(c.Xz, c.X);
    EXPECT_EQ(c.Yy, c.Y);
}

TEST(ZCX, RefusesWhatItCannotCompute)
{
    struct Case { const char* name; std::function<void(DesignTable&)> spoil; double P; const char* says; };
    const Case cases[] = {
        {"text in a cell", [](DesignTable& t) { t(1, 11) = "15O"; }, 100, "平曲线参数第1行“圆曲线长”不是数字：“15O”"},
        {"zero arc radius", [](DesignTable& t) { t(1, 12) = "0"; }, 100, "“圆曲线半径”必须大于0"},
        {"zero spiral radius", [](DesignTable& t) { t(1, 3) = "20"; t(1, 5) = "0"; }, 10, "“第一缓曲终点半径”必须大于0"},
        {"partial spiral of no length", [](DesignTable& t) { t(1, 4) = "300"; t(1, 5) = "100"; }, 100, "必须有长度"},
        {"partial spiral, equal radii",
         [](DesignTable& t) { t(1, 3) = "20"; t(1, 4) = "100"; t(1, 5) = "100"; }, 10, "两端半径相等"},
        {"entry radius growing towards the arc",
         [](DesignTable& t) { t(1, 3) = "20"; t(1, 4) = "50"; t(1, 5) = "100"; }, 10, "上一交点的第二缓和曲线"},
        {"exit radius growing towards the arc",
         [](DesignTable& t) { t(1, 6) = "20"; t(1, 7) = "100"; t(1, 8) = "50"; t(1, 11) = "137.07963"; }, 150,
         "下一交点的第一缓和曲线"},
        {"full spiral radius differs from the arc",
         [](DesignTable& t) { t(1, 3) = "20"; t(1, 5) = "120"; }, 10, "不一致"},
    };
    for (const Case& c : cases) {
        DesignTable t = arcOnly();
        c.spoil(t);
        try {
            ZCX(c.P, 0, 0, t);
            ADD_FAILURE() << c.name;
        } catch (const UserError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.says))) << c.name << ": " << e.what();
        }
    }
    EXPECT_THROW(engineNumber(QStringLiteral("12a"), QStringLiteral("桩号")), UserError);
    EXPECT_EQ(engineNumber(QStringLiteral(""), QStringLiteral("桩号")), 0.0);
    EXPECT_EQ(engineNumber(QStringLiteral(" 12.5 "), QStringLiteral("桩号")), 12.5);
}

TEST(ZCX, AllSixHundredRowsAndAStationBeyondTheLast)
{
    DesignTable t(TableKind::Pin);
    for (int n = 1; n <= kMaxRecords; ++n) {
        t(n, 1) = QString::number(n);
        t(n, 13) = QString::number(n * 10);
        t(n, 15) = QStringLiteral("1");
    }
    EXPECT_EQ(ZCX(5995, 0, 0, t).row, 599);
    EXPECT_EQ(ZCX(6000, 0, 0, t).row, 599);
    try {
        ZCX(6000.5, 0, 0, t);
        FAIL();
    } catch (const UserError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("600"))) << e.what();
    }
}

// Generated alignments: full, partial and asymmetric spirals, left and
// right curves, an egg-shaped pair each way. The engine's series must give
// the exact clothoid's centre line to well under a millimetre everywhere,
// so position and azimuth are continuous across every key station.
std::vector<test::Alignment> generatedAlignments()
{
    using test::CurveSpec;
    std::vector<test::Alignment> routes;
    routes.emplace_back(3456000.0, 512000.0, 0.6, 350.0,
                        std::vector<CurveSpec>{
                            {+1, 800, 420, 150, 150, 0, 0, 300},           // symmetric full spirals
                            {-1, 600, 300, 120, 180, 0, 0, 250},           // asymmetric, left
                            {+1, 2000, 500, 0, 0, 0, 0, 400},              // arc only
                            {+1, 1000, 200, 100, 0, 0, 0, 0},              // egg: arc of 1000 ...
                            {+1, 500, 260, 80, 120, 1000, 0, 500},         // ... into a partial spiral to 500
                            {-1, 450, 150, 100, 60, 0, 700, 0},            // partial exit to 700 ...
                            {-1, 700, 300, 0, 90, 0, 0, 600},              // ... straight into an arc of 700
                        });
    routes.emplace_back(100.0, -200.0, 4.0, 50.0,
                        std::vector<CurveSpec>{
                            {-1, 250, 100, 70, 70, 0, 0, 120},
                            {+1, 300, 50, 90, 40, 0, 0, 80},
                        });
    return routes;
}

TEST(ZCX, FollowsTheExactCentreLineOfGeneratedAlignments)
{
    for (const test::Alignment& route : generatedAlignments()) {
        DesignTable t = route.table();
        double worst = 0, worstAz = 0;
        auto check = [&](double station) {
            const ZcxResult r = ZCX(station, 3, 4, t);
            const test::ExactPoint e = route.at(station);
            const double d = std::hypot(r.X - e.x, r.Y - e.y);
            const double dAz = std::remainder(r.K - e.azimuth, 2 * M_PI);
            worst = std::max(worst, d);
            worstAz = std::max(worstAz, std::fabs(dAz));
            ASSERT_LT(d, 0.1 * kMm) << "station " << station;
            // On the exit spiral the azimuth carries two half turns of
            // 3.1415926: 1.07e-7 rad (0.02") short of a full turn.
            ASSERT_LT(std::fabs(dAz), 1.1e-7) << "station " << station;
            // Left and right never swap: the stakes sit on the exact normals.
            EXPECT_NEAR(r.Xy, e.x + 4 * std::cos(e.azimuth + kPi / 2), 0.1 * kMm);
            EXPECT_NEAR(r.Yy, e.y + 4 * std::sin(e.azimuth + kPi / 2), 0.1 * kMm);
            EXPECT_NEAR(r.Xz, e.x + 3 * std::cos(e.azimuth - kPi / 2), 0.1 * kMm);
            EXPECT_NEAR(r.Yz, e.y + 3 * std::sin(e.azimuth - kPi / 2), 0.1 * kMm);
            EXPECT_EQ(r.station(), station);
        };
        for (double s = -100; s < route.endStation() + 100; s += 7.3)
            check(s);
        for (double key : route.keyStations())
            for (double s : {key - 1e-6, key, key + 1e-6})
                check(s);
        // The largest part of what remains is the half turn of 3.1415926
        // that reverses the incoming tangent: 5.4e-8 rad, 0.05 mm a km.
        std::printf("generated alignment: worst position %.2e mm, azimuth %.2e rad\n", worst * 1000, worstAz);
    }
}

// The four-term series against the exact clothoid (Fresnel integrals
// integrated numerically) for spirals from the curve start at the IP (T1 = 0,
// so nothing but the series is measured).
TEST(ZCX, TheSeriesAgainstTheExactClothoid)
{
    struct Case { double R, Ls, tolerance; };
    const Case cases[] = {
        {1000, 200, 1e-9}, {500, 150, 1e-9}, {300, 120, 1e-9}, {200, 100, 1e-8},
        {100, 100, 1e-5},   // spiral angle 0.5 rad: far beyond highway practice
    };
    for (const Case& c : cases) {
        DesignTable t(TableKind::Pin);
        t(1, 1) = "1";
        t(1, 2) = "60";
        t(1, 3) = plainNumber(c.Ls);
        t(1, 5) = plainNumber(c.R);
        t(1, 11) = "100";
        t(1, 12) = plainNumber(c.R);
        t(1, 13) = "0";
        const test::Alignment exact(0, 0, 0, 0, {{+1, c.R, 100, c.Ls, 0, 0, 0, 0}});
        double worst = 0;
        for (double l = 0; l <= c.Ls; l += c.Ls / 50) {
            const ZcxResult r = ZCX(l, 0, 0, t);
            const test::ExactPoint e = exact.at(l);
            worst = std::max(worst, std::hypot(r.X - e.x, r.Y - e.y));
        }
        std::printf("series vs exact clothoid: R %g, Ls %g (spiral angle %.3f rad): %.2e m\n", c.R, c.Ls,
                    c.Ls / (2 * c.R), worst);
        EXPECT_LT(worst, c.tolerance) << c.R << " " << c.Ls;
    }
}

} // namespace
} // namespace quarvane
