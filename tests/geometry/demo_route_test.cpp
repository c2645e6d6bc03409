// The demo route shipped with the program is one continuous road: its
// tables agree with each other at every key station.
#include "geometry/sqx.h"
#include "geometry/zcx.h"
#include "route/route_tables.h"
#include "inverse/station_offset.h"
#include "text/gbk_file.h"

#include "support/app_dir.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quarvane {
namespace {

RouteTables demoRoute()
{
    return loadRouteTables(QStringLiteral(QUARVANE_DATA_DIR), QStringLiteral("演示线路"));
}

TEST(DemoRoute, CentreLineIsContinuousAtEveryKeyStation)
{
    RouteTables t = demoRoute();
    const double eps = 1e-6;
    int keys = 0;
    for (int n = 1; n <= t.yaosup.records(); ++n) {
        const double Z = t.yaosup.number(n, 13), Ls1 = t.yaosup.number(n, 3);
        const double q = t.yaosup.number(n, 11), Ls2 = t.yaosup.number(n, 6);
        for (double key : {Z, Z + Ls1, Z + Ls1 + q, Z + Ls1 + q + Ls2}) {
            const ZcxResult a = ZCX(key - eps, 10, 10, t.yaosup);
            const ZcxResult b = ZCX(key + eps, 10, 10, t.yaosup);
            EXPECT_LT(std::hypot(b.X - a.X, b.Y - a.Y), 0.1e-3) << "row " << n << " station " << key;
            EXPECT_LT(std::hypot(b.Xy - a.Xy, b.Yy - a.Yy), 0.1e-3) << "row " << n << " station " << key;
            EXPECT_LT(std::fabs(std::remainder(b.K - a.K, 2 * M_PI)), 2e-7) << "row " << n << " station " << key;
            ++keys;
        }
    }
    EXPECT_GE(keys, 16);
}

TEST(DemoRoute, ProfileAndCrossSlopesAreContinuous)
{
    RouteTables t = demoRoute();
    std::vector<double> keys;
    for (int n = 1; n <= t.yaosus.records(); ++n) {
        const double B = t.yaosus.number(n, 2), T = t.yaosus.number(n, 5);
        keys.insert(keys.end(), {B - T, B, B + T});
    }
    for (int n = 1; n <= t.yaosuc.records(); ++n)
        for (int column : {2, 4, 6, 8})
            keys.push_back(t.yaosuc.number(n, column));
    for (double key : keys) {
        if (key <= 0)
            continue;
        const SqxResult a = SQX(key - 1e-6, 12, 12, 1, 1, t.yaosus, t.yaosuc);
        const SqxResult b = SQX(key + 1e-6, 12, 12, 1, 1, t.yaosus, t.yaosuc);
        EXPECT_LT(std::fabs(b.Z - a.Z), 0.1e-3) << key;
        ASSERT_TRUE(a.Zz && b.Zz && a.Zy && b.Zy) << key;
        EXPECT_LT(std::fabs(*b.Zz - *a.Zz), 0.1e-3) << key;
        EXPECT_LT(std::fabs(*b.Zy - *a.Zy), 0.1e-3) << key;
    }
}

} // namespace
} // namespace quarvane

namespace quarvane {
namespace {

TEST(DemoRoute, EverySamplePointIsPlacedOnTheRoute)
{
    RouteTables t = demoRoute();
    InverseState state;
    const QStringList lines = readGbkLines(test::dataFile(QStringLiteral("演示线路测点.txt")));
    ASSERT_FALSE(lines.isEmpty());
    for (const QString& line : lines) {
        const QStringList f = line.split(u',');
        const StationOffset r = stationAndOffset(f.value(1), f.value(2), f.value(3), t, state);
        EXPECT_TRUE(r.inSection) << line.toStdString();
        EXPECT_LE(std::fabs(r.W), 45) << line.toStdString();
        EXPECT_FALSE(r.deviation.isEmpty());
    }
}

} // namespace
} // namespace quarvane
