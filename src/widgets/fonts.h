#pragma once

#include <QFont>

namespace quarvane {

// 宋体 where it is installed, else an installed CJK font, at a point size.
QFont songFont(double pointSize, bool bold = false);

// A fixed-pitch font in which a Chinese character is exactly two columns
// wide, for lists whose fields line up in columns.
QFont reportFont(double pointSize);

} // namespace quarvane
