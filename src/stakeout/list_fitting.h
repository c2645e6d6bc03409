#pragma once

// The list panel shows 19 lines of 240 twips in its short height; a longer
// list is made tall enough for every line and the vertical scroll bar moves
// it (five steps a line). With the cap, the bar's range stops at 5020.

namespace quarvane {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kListLineTwips = 240;
inline constexpr int kListShortLines = 19;
inline constexpr int kListShortHeight = 4590;    // the design height: 19 lines
inline constexpr int kListStartHeight = 4830;    // start-up and the scroll bar's focus
inline constexpr int kListScrollCap = 5020;

struct ListFit {
    int VScroll1Max = 0;   // maximum of the vertical scroll bar
    int List1Height = 0;   // twips
};

// The fit of a list of `lines` lines with the short height the caller gives.
ListFit fitList(int lines, int shortHeight, bool cap);

// Twips to pixels at 96 dots per inch.
constexpr int px(int twips) { return twips / kTwipsPerPixel; }

} // namespace quarvane
