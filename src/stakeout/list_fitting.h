#pragma once

// The list panel shows 19 lines of 240 twips in its short height; a longer
// list is made tall enough for every line and the vertical scroll bar moves
// it (five steps a line). The range always reaches the last line.

namespace quarvane {

inline constexpr int kListLineTwips = 240;
inline constexpr int kListShortLines = 19;
inline constexpr int kListShortHeight = 4590;    // the design height: 19 lines
inline constexpr int kListStartHeight = 4830;    // start-up and the scroll bar's focus

struct ListFit {
    int VScroll1Max = 0;   // maximum of the vertical scroll bar
    int List1Height = 0;   // twips
};

// The fit of a list of `lines` lines with the short height the caller gives
// (`cap` is kept for the callers that asked for the old range limit).
ListFit fitList(int lines, int shortHeight, bool cap);

} // namespace quarvane
