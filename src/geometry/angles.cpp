#include "geometry/angles.h"

#include "text/sexagesimal.h"

namespace quarvane {

double packedToRadians(double packed)
{
    return AA * sexagesimalDegrees(packed);
}

} // namespace quarvane
