#pragma once

#include <QString>

namespace quarvane {

// Starts the platform's calculator as a separate program without waiting
// for it: "CALC.EXE" on Windows, elsewhere the first of the common desktop
// calculators that starts. Returns the program started, or an empty text
// when none could be.
QString startCalculator();

} // namespace quarvane
