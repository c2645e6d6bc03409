#include "stakeout/list_fitting.h"

namespace quarvane {

ListFit fitList(int lines, int shortHeight, bool cap)
{
    if (lines <= kListShortLines)
        return {0, shortHeight};
    // The cap stops the scroll range at line 1023, and every line after it
    // could never be brought into view: a report of 60000 points must be
    // read to its end, so the range always reaches the last line.
    (void)cap;
    return ListFit{(lines - kListShortLines) * 5, kListLineTwips * lines + 30};
}

} // namespace quarvane
