// The temperature window of the base part of the Helmholtz function,
// 0.31 < T / 647.073 K < 8.26 (about 200.6 K to 5344.8 K). Outside it the
// base part is 0, and the remaining parts alone are no property of water:
// every property built on the base part fails (returns 0) there.
//
// Internal to the eos library.
#pragma once

#include "eos/Globals.h"

namespace Globals {

inline constexpr double MinReducedTemp = 0.31;
inline constexpr double MaxReducedTemp = 8.26;

inline bool InBaseTemperatureWindow(double T) {
  const double t = T / CritTempHaar;
  return MinReducedTemp < t && t < MaxReducedTemp;
}

}  // namespace Globals
