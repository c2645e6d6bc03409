#pragma once

#include <QString>

namespace quarvane {

// Station notation of a station in metres: "K", the whole kilometres
// floor(s/1000) with at least two digits, "+", then the metres left over with
// three integer digits and three decimals (the format's own rounding, halves
// away from zero). The metres are formatted after the kilometres are taken,
// so 999.9996 is written K00+1000.000. 1234.5 is K01+234.500.
QString stationNotation(double station);

} // namespace quarvane
