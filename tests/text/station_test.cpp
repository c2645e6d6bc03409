#include "text/station.h"

#include <gtest/gtest.h>

namespace quarvane {
namespace {

TEST(StationNotation, KilometresAndMetres)
{
    struct Case { double station; const char* text; };
    const Case cases[] = {
        {1234.5, "K01+234.500"},      {25, "K00+025.000"},        {123456.789, "K123+456.789"},
        {999.9996, "K00+1000.000"},   {12345.6, "K12+345.600"},   {0, "K00+000.000"},
        {1000, "K01+000.000"},        {2000.0005, "K02+000.001"}, {-100, "K-01+900.000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(stationNotation(c.station).toStdString(), c.text) << c.station;
}

} // namespace
} // namespace quarvane
