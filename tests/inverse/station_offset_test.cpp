#include "geometry/zcx.h"
#include "inverse/station_offset.h"
#include "text/fields.h"
#include "text/user_error.h"

#include "geometry/alignment_builder.h"
#include "support/app_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace quarvane {
namespace {

void setRow(DesignTable& t, int row, const QStringList& fields)
{
    for (int j = 0; j < fields.size(); ++j)
        t(row, j + 1) = fields[j];
}

// A straight route along +X from the origin (station s at (s, 0)), rising
// 1 %, crown -2 % both sides; one section 0..1000 with medians of 1, left
// 12 m wide (linear), right 12 -> 15 m (high-order), shoulders 0.75 at -4 %,
// left two slope stages, right one.
RouteTables straightRoute()
{
    RouteTables t;
    setRow(t.yaosup, 1, {"1", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"});
    setRow(t.yaosus, 1, {"1", "0", "100", "0", "0", "0", "1", "1"});
    setRow(t.yaosuc, 1, {"1", "0", "-2", "1000", "-2", "0", "-2", "1000", "-2"});
    QStringList lbp = {"1", "0", "1000", "1", "1", "12", "12", "12", "15", "0.75", "-4", "0.75", "-4",
                       "2", "1", "1", "2"};
    lbp += {"1", "0.5", "8", "1.5", "2", "8", "1.75", "0", "0", "0", "0", "0", "0", "0", "0"};
    lbp += {"1", "0.5", "8", "1.5", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"};
    setRow(t.yaosul, 1, lbp);
    return t;
}

// Hand-computed comparisons with the design (see the fixture above).
TEST(StationOffset, ComparesAMeasuredPointWithTheDesign)
{
    struct Case { const char* name; const char *X, *Y, *H; const char *station, *offset, *design, *fill, *width, *dev; };
    const Case cases[] = {
        {"left, inside the subgrade", "500", "-8", "104.5", "500", "-8", "104.86", "0.36", "-12", "-6.29"},
        {"left, beyond it, stage 1", "500", "-20", "100", "500", "-20", "104.765", "4.765", "-12", "-0.898"},
        {"left, stage 2", "500", "-20", "95", "500", "-20", "104.765", "9.765", "-12", "-10.964"},
        {"right, high-order widening", "500", "5", "104.92", "500", "5", "104.92", "0", "12.938", "-9.688"},
        {"on the centre line", "1250", "0", "", "1250", "0", "112.5", "112.5", "0", "0"},
        {"elevation as leading number", "500", "0", "100m", "500", "0", "105", "5", "0", "0"},
    };
    for (const Case& c : cases) {
        RouteTables t = straightRoute();
        InverseState state;
        const StationOffset r = stationAndOffset(c.X, c.Y, c.H, t, state);
        EXPECT_EQ(r.station.toStdString(), c.station) << c.name;
        EXPECT_EQ(r.offset.toStdString(), c.offset) << c.name;
        EXPECT_EQ(r.designElevation.toStdString(), c.design) << c.name;
        EXPECT_EQ(r.fillCut.toStdString(), c.fill) << c.name;
        EXPECT_EQ(r.subgradeWidth.toStdString(), c.width) << c.name;
        EXPECT_EQ(r.deviation.toStdString(), c.dev) << c.name;
    }
}

TEST(StationOffset, SectionsAndTheirGaps)
{
    RouteTables t = straightRoute();
    InverseState state;
    // A station in no section keeps its station and offset and says so.
    StationOffset r = stationAndOffset("1500", "-5", "", t, state);
    EXPECT_EQ(r.station, QStringLiteral("1500"));
    EXPECT_EQ(r.offset, QStringLiteral("-5"));
    EXPECT_FALSE(r.inSection);
    EXPECT_EQ(r.designElevation, noSectionNote());
    EXPECT_EQ(r.deviation, noSectionNote());
    // A section's end station belongs to the next section: here none.
    EXPECT_FALSE(stationAndOffset("1000", "-5", "", t, state).inSection);
    EXPECT_TRUE(stationAndOffset("0", "-5", "", t, state).inSection);
    // A route without sections still gives station and offset.
    RouteTables bare = straightRoute();
    bare.yaosul.clear();
    r = stationAndOffset("321.5", "7.25", "", bare, state);
    EXPECT_EQ(r.station, QStringLiteral("321.5"));
    EXPECT_EQ(r.offset, QStringLiteral("7.25"));
    // No slope stages: the design distance is 0, the deviation the offset.
    t.yaosul(1, 14) = "0";
    EXPECT_EQ(stationAndOffset("500", "-20", "100", t, state).deviation, QStringLiteral("20"));
    // No cross slope for the station: the side outputs say so.
    RouteTables flat = straightRoute();
    flat.yaosuc.clear();
    r = stationAndOffset("500", "-8", "100", flat, state);
    EXPECT_EQ(r.designElevation, noCrossSlopeNote());
    EXPECT_EQ(r.subgradeWidth, QStringLiteral("-12"));
}

TEST(StationOffset, RefusesWhatItCannotCompute)
{
    struct Case { const char* name; const char *X, *Y; std::function<void(RouteTables&)> spoil; const char* says; };
    const Case cases[] = {
        {"X not a number", "5OO", "0", [](RouteTables&) {}, "测点X坐标“5OO”不是数字"},
        {"Y not a number", "500", "1,5", [](RouteTables&) {}, "测点Y坐标“1,5”不是数字"},
        {"widening method 3", "500", "-5", [](RouteTables& t) { t.yaosul(1, 16) = "3"; }, "“左加宽方式”应为1（线性）或2（高次）"},
        {"text in the element table", "500", "-5", [](RouteTables& t) { t.yaosup(1, 14) = "北"; }, "“起点方位”不是数字"},
    };
    for (const Case& c : cases) {
        RouteTables t = straightRoute();
        c.spoil(t);
        InverseState state;
        try {
            stationAndOffset(c.X, c.Y, "", t, state);
            ADD_FAILURE() << c.name;
        } catch (const UserError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.says))) << c.name << ": " << e.what();
        }
    }
}

// Points far off a tight curve, at its centre and beyond it: every one
// ends, with a station or with a message, never in an endless loop.
TEST(StationOffset, TheProjectionAlwaysEnds)
{
    RouteTables t;
    setRow(t.yaosup, 1, {"1", "90", "0", "0", "0", "0", "0", "0", "100", "100", "157.07963", "100", "0", "0", "100", "0"});
    InverseState state;
    int refused = 0, placed = 0;
    for (double x = -400; x <= 600; x += 50)
        for (double y = -400; y <= 600; y += 50) {
            try {
                const StationOffset r = stationAndOffset(QString::number(x), QString::number(y), "", t, state);
                EXPECT_LE(r.passes, kMaxProjectionPasses);
                ++placed;
            } catch (const UserError& e) {
                EXPECT_TRUE(e.message().contains(QStringLiteral("无法归算到线路上"))) << e.what();
                ++refused;
            }
        }
    EXPECT_GT(placed, 0);
    const StationOffset centre = stationAndOffset("0", "100", "", t, state);   // the arc's centre
    EXPECT_EQ(centre.offset, QStringLiteral("100"));
}

// A point at station P and offset w put through the inverse gives back P and
// w to 1 mm, on every kind of element, left and right.
TEST(StationOffset, RoundTripsOnGeneratedAlignments)
{
    using test::CurveSpec;
    const test::Alignment route(3456000.0, 512000.0, 0.6, 350.0,
                                std::vector<CurveSpec>{
                                    {+1, 800, 420, 150, 150, 0, 0, 300},
                                    {-1, 600, 300, 120, 180, 0, 0, 250},
                                    {+1, 1000, 200, 100, 0, 0, 0, 0},
                                    {+1, 500, 260, 80, 120, 1000, 0, 500},
                                });
    RouteTables t;
    t.yaosup = route.table();
    InverseState state;
    int worstPasses = 0;
    for (double P = 5; P < route.endStation(); P += 37.7) {
        for (double w : {-35.0, -4.5, 0.0, 3.25, 40.0}) {
            const ZcxResult z = ZCX(P, w < 0 ? -w : 0, w > 0 ? w : 0, t.yaosup);
            const double x = w < 0 ? z.Xz : z.Xy, y = w < 0 ? z.Yz : z.Yy;
            const StationOffset r = stationAndOffset(QString::number(x, 'f', 6), QString::number(y, 'f', 6), "", t, state);
            EXPECT_NEAR(r.P, P, 1e-3) << P << " " << w;
            EXPECT_NEAR(r.W, w, 1e-3) << P << " " << w;
            worstPasses = std::max(worstPasses, r.passes);
        }
    }
    std::printf("inverse round trip: at most %d projection passes\n", worstPasses);
}

} // namespace
} // namespace quarvane
