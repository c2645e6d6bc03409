#include "stakeout/list_fitting.h"

namespace quarvane {

ListFit fitList(int lines, int shortHeight, bool cap)
{
    if (lines <= kListShortLines)
        return {0, shortHeight};
    ListFit fit{(lines - kListShortLines) * 5, kListLineTwips * lines + 30};
    if (cap && lines > 1022)
        fit.VScroll1Max = kListScrollCap;
    return fit;
}

} // namespace quarvane
