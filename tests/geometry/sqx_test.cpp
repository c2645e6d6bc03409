#include "geometry/sqx.h"
#include "text/user_error.h"

#include <gtest/gtest.h>

#include <functional>

namespace quarvane {
namespace {

void setRow(DesignTable& t, int row, std::initializer_list<const char*> fields)
{
    int column = 0;
    for (const char* f : fields)
        t(row, ++column) = QString::fromUtf8(f);
}

// VIP 2 at 500, elevation 100: grades 2 then -1 (a crest), R 5000, T 75.
DesignTable crest()
{
    DesignTable t(TableKind::Shu);
    setRow(t, 1, {"1", "0", "90", "0", "0", "0", "2", "2"});
    setRow(t, 2, {"2", "500", "100", "5000", "75", "75", "2", "-1"});
    setRow(t, 3, {"3", "1000", "95", "0", "0", "0", "-1", "-1"});
    return t;
}

TEST(SQX, ProfileElevation)
{
    const DesignTable none(TableKind::Cho);
    struct Case { const char* name; double P; double Z; };
    const Case cases[] = {
        {"at the crest's VIP", 500, 100 - 0.5625},
        {"T1 before the VIP: ordinate 0", 425, 100 - 75 * 0.02},
        {"T1 after the VIP: ordinate 0", 575, 100 - 75 * 0.01},
        {"one metre inside", 426, 100 - 74 * 0.02 - 1.0 / 10000},
        {"on the first tangent", 100, 92},
        {"past the last VIP", 1100, 94},
    };
    DesignTable shu = crest();
    for (const Case& c : cases)
        EXPECT_NEAR(SQX(c.P, 0, 0, 0, 0, shu, none).Z, c.Z, 1e-9) << c.name;
    // A sag gets a positive ordinate.
    DesignTable sag = crest();
    setRow(sag, 2, {"2", "500", "100", "5000", "75", "75", "-1", "2"});
    EXPECT_NEAR(SQX(500, 0, 0, 0, 0, sag, none).Z, 100.5625, 1e-9);
    // Nothing loaded: 0 everywhere and no side elevations.
    const DesignTable emptyShu(TableKind::Shu);
    const SqxResult r = SQX(1234, 5, 5, 0, 0, emptyShu, none);
    EXPECT_EQ(r.Z, 0.0);
    EXPECT_FALSE(r.Zz.has_value());
    EXPECT_FALSE(r.Zy.has_value());
}

TEST(SQX, CrossSlopesAreInterpolatedAndContinued)
{
    const DesignTable shu(TableKind::Shu);   // Z = 0 everywhere
    DesignTable cho(TableKind::Cho);
    setRow(cho, 1, {"1", "100", "-2", "200", "4", "100", "-2", "300", "-2"});
    struct Case { double P; double leftSlope; };
    const Case cases[] = {{150, 1}, {250, 7}, {50, -5}, {100, -2}, {200, 4}};
    for (const Case& c : cases) {
        const SqxResult r = SQX(c.P, 11, 11, 1, 1, shu, cho);
        ASSERT_TRUE(r.Zz && r.Zy);
        EXPECT_NEAR(*r.Zz, 10 * c.leftSlope / 100, 1e-12) << c.P;
        EXPECT_NEAR(*r.Zy, 10 * -2.0 / 100, 1e-12) << c.P;
    }
    // At the median edge the side elevation is the profile's.
    EXPECT_NEAR(*SQX(150, 1, 1, 1, 1, shu, cho).Zz, 0, 1e-12);
}

TEST(SQX, SegmentsAreLookedUpPerSide)
{
    const DesignTable shu(TableKind::Shu);
    DesignTable cho(TableKind::Cho);
    setRow(cho, 1, {"1", "0", "-2", "100", "-2", "0", "-2", "150", "-2"});
    setRow(cho, 2, {"2", "100", "-2", "200", "4", "150", "-2", "200", "-4"});
    setRow(cho, 3, {"3", "200", "4", "300", "4", "200", "-4", "300", "-4"});
    const SqxResult r = SQX(120, 10, 10, 0, 0, shu, cho);
    EXPECT_NEAR(*r.Zz, 10 * (-2 + 6 * 0.2) / 100, 1e-12);   // left in its second segment
    EXPECT_NEAR(*r.Zy, 10 * -2.0 / 100, 1e-12);             // right still in its first
    EXPECT_NEAR(*SQX(100, 10, 10, 0, 0, shu, cho).Zz, -0.2, 1e-12);   // a tie stays in the earlier row
}

TEST(SQX, RefusesWhatItCannotCompute)
{
    struct Case { const char* name; std::function<void(DesignTable&, DesignTable&)> spoil; double P; const char* says; };
    const Case cases[] = {
        {"radius 0 inside T1", [](DesignTable& s, DesignTable&) { s(2, 4) = "0"; }, 480, "竖曲线参数第2行“曲线半径”为0"},
        {"text in a grade", [](DesignTable& s, DesignTable&) { s(2, 8) = "-1%"; }, 480, "“T2坡度值”不是数字"},
        {"zero-length right segment", [](DesignTable&, DesignTable& c) { c(1, 8) = "100"; }, 150, "右幅起点桩号与终点桩号相同"},
        {"text in a cross slope", [](DesignTable&, DesignTable& c) { c(1, 3) = "a"; }, 150, "超高参数第1行“左幅起点横坡”"},
    };
    for (const Case& c : cases) {
        DesignTable shu = crest();
        DesignTable cho(TableKind::Cho);
        setRow(cho, 1, {"1", "100", "-2", "200", "4", "100", "-2", "300", "-2"});
        c.spoil(shu, cho);
        try {
            SQX(c.P, 5, 5, 0, 0, shu, cho);
            ADD_FAILURE() << c.name;
        } catch (const UserError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.says))) << c.name << ": " << e.what();
        }
    }
    // Outside +-T1 a radius of 0 is never divided by.
    DesignTable shu = crest();
    shu(2, 4) = "0";
    EXPECT_NO_THROW(SQX(300, 0, 0, 0, 0, shu, DesignTable(TableKind::Cho)));
}

} // namespace
} // namespace quarvane
