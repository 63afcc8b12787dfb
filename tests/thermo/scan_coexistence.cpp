// The whole liquid-vapour curve, slowly: every 0.05 K from the triple point
// to 646.9 K and every 0.001 K on to the critical band in both modes, and
// pressures from the triple point to the band; every answer must be the
// stable equilibrium of the equation, and the pressure must rise with the
// temperature. Then every 0.0005 K from 636 K to the critical point.
#include <gtest/gtest.h>

#include <cmath>

#include "eos/Globals.h"
#include "thermo/Coexistence.h"
#include "thermo/Homogenization.h"
#include "tests/thermo/CurveScan.h"

namespace {

using namespace thermo;

TEST(CurveScan, EveryTemperatureHasItsEquilibrium) {
  for (int mode : {0, 1}) {
    double previousP = 0.0;
    int failures = 0;
    for (int k = 0;; ++k) {
      double T = 273.16 + 0.05 * k;
      if (T > 646.9) break;
      const CoexistenceAnswer a = CoexistenceAtTemperature(mode, T);
      if (!(a.found && IsCoexistence(a.state) && a.state.P > previousP)) {
        ADD_FAILURE() << T << " K mode " << mode;
        if (++failures > 20) return;
      }
      previousP = a.state.P;
    }
    for (int k = 0;; ++k) {
      const double T = 646.9 + 0.001 * k;
      if (T >= EquationCriticalPoint().bandT) break;
      const CoexistenceAnswer a = CoexistenceAtTemperature(mode, T);
      if (!(a.found && IsCoexistence(a.state) && a.state.P > previousP)) {
        ADD_FAILURE() << T << " K mode " << mode;
        if (++failures > 20) return;
      }
      previousP = a.state.P;
    }
  }
}

TEST(CurveScan, EveryPressureHasItsEquilibrium) {
  for (int mode : {0, 1}) {
    double previousT = 0.0;
    int failures = 0;
    // 2000 pressures spaced evenly in ln P, then closer near the top.
    const double lnLow = std::log(TriplePointPressure);
    const double lnHigh = std::log(22.0);
    for (int k = 0; k <= 2000; ++k) {
      const double P = std::exp(lnLow + (lnHigh - lnLow) * k / 2000.0);
      const CoexistenceAnswer a = CoexistenceAtPressure(mode, P);
      if (!(a.found && IsCoexistence(a.state) && a.state.T > previousT)) {
        ADD_FAILURE() << P << " MPa mode " << mode;
        if (++failures > 20) return;
      }
      previousT = a.state.T;
    }
    for (int k = 1; k <= 200; ++k) {
      const double top = EquationCriticalPoint().bandP;
      const double P = 22.0 + (top - 22.0) * k / 200.0 - (k == 200 ? 1e-9 : 0.0);
      const CoexistenceAnswer a = CoexistenceAtPressure(mode, P);
      if (!(a.found && IsCoexistence(a.state) && a.state.T > previousT)) {
        ADD_FAILURE() << P << " MPa mode " << mode;
        if (++failures > 20) return;
      }
      previousT = a.state.T;
    }
  }
}

TEST(CurveScan, EveryTemperatureUpToTheCriticalPointDensely) {
  curvescan::ScanUpToTheCriticalPoint(1);
}

}  // namespace
