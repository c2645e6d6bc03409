#include "text/station.h"

#include "text/number_text.h"

#include <cmath>

namespace quarvane {

QString stationNotation(double station)
{
    const double kilometres = std::floor(station / 1000.0);
    const double metres = station - 1000.0 * kilometres;
    return QStringLiteral("K") + fixedText(kilometres, 0, 2) + QStringLiteral("+")
        + fixedText(metres, 3, 3);
}

} // namespace quarvane
