#pragma once

// Sizes and positions of the windows are given in twips (1/1440 inch); at
// 96 dots per inch 15 twips make one pixel.

namespace quarvane {

inline constexpr int kTwipsPerPixel = 15;

// Twips to pixels.
constexpr int px(int twips) { return twips / kTwipsPerPixel; }

} // namespace quarvane
