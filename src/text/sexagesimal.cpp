#include "text/sexagesimal.h"

#include "text/number_text.h"

#include <cmath>
#include <string>

namespace quarvane {
namespace {

// Decodes the digits "ddd.mmssfff" of a non-negative plain decimal text.
double decodeDigits(const std::string& text)
{
    const auto point = text.find('.');
    const std::string degrees = text.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
    if (fraction.size() < 4)
        fraction.append(4 - fraction.size(), '0');
    const std::string minutes = fraction.substr(0, 2);
    const std::string seconds = fraction.substr(2, 2) + "." + fraction.substr(4) + "0";
    return std::strtod(degrees.empty() ? "0" : degrees.c_str(), nullptr)
        + std::strtod(minutes.c_str(), nullptr) / 60.0
        + std::strtod(seconds.c_str(), nullptr) / 3600.0;
}

} // namespace

double sexagesimalDegrees(double packed)
{
    if (!std::isfinite(packed))
        return packed;
    const double degrees = decodeDigits(shortestDecimal(std::fabs(packed)));
    return packed < 0 ? -degrees : degrees;
}

double sexagesimalDegrees(QStringView packed)
{
    const auto value = fullNumber(packed);
    if (!value)
        return 0.0;
    // A text in exponent form or with superfluous digits is read through
    // its value; the ordinary text "12.3045" gives the same digits back.
    return sexagesimalDegrees(*value);
}

} // namespace quarvane
