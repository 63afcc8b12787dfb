// A dense scan of the liquid-vapour curve where the equation has its second
// liquid loop and on up to its critical point: every temperature of the
// grid in both modes through the homogenization calculation, each answer
// the stable equilibrium (in the critical band the critical point itself),
// the pressure rising with the temperature, and the pressure's own answer
// back at the temperature to 1e-9 relative. The normal test run scans a
// sample of the grid, the slow one all of it.
#pragma once

#include <gtest/gtest.h>

#include <cmath>

#include "thermo/Coexistence.h"
#include "thermo/Homogenization.h"

namespace curvescan {

inline constexpr double From = 636.0;     // K
inline constexpr double GridStep = 5e-4;  // K
inline constexpr int MaxReported = 20;

// Scans every `stride`-th temperature of the grid, and the critical
// temperature itself.
inline void ScanUpToTheCriticalPoint(int stride) {
  using namespace thermo;
  const CriticalPoint& cp = EquationCriticalPoint();
  int failures = 0;
  for (int mode : {0, 1}) {
    double previousP = 0.0;
    for (int k = 0;; k += stride) {
      double T = From + GridStep * k;
      if (T > cp.T) {
        if (T - GridStep * stride >= cp.T) break;
        T = cp.T;
      }
      const bool band = T >= cp.bandT;
      const Homogenization h = HomogenizeAtTemperature(mode, T);
      bool ok = h.status == HomogenizationStatus::Solved;
      if (ok && band) {
        ok = h.X == cp.P && h.state.VL == cp.V && h.state.VV == cp.V;
      } else if (ok) {
        ok = IsCoexistence(h.state) && h.X == h.state.P && h.X > previousP;
        const Homogenization back = HomogenizeAtPressure(mode, h.X);
        ok = ok && back.status == HomogenizationStatus::Solved && IsCoexistence(back.state) &&
             std::abs(back.X - T) <= 1e-9 * T;
      }
      if (!ok) {
        ADD_FAILURE() << "mode " << mode << " at " << T << " K";
        if (++failures >= MaxReported) return;
      }
      previousP = h.X;
      if (T == cp.T) break;
    }
  }
}

}  // namespace curvescan
