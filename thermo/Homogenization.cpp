// The homogenization calculation: the checked liquid-vapour equilibrium, or
// at the stated critical point one molar volume for both phases.
#include "thermo/Homogenization.h"

#include <cmath>

#include "eos/Globals.h"

namespace phase {

namespace {

using namespace Globals;

// A temperature typed as 0.01 ˚C arrives a rounding error below 273.16 K;
// the saturation curve takes it as the triple point, and so does this check.
constexpr double TripleTolerance = 1e-9;  // K

// At the critical point both phases are one fluid: its molar volume at T
// and P, searched from the volume that divides liquid from vapour roots,
// stands for both. The critical point of the equation lies a little above
// this state, so the pressure check is the only one that applies.
Homogenization CriticalPointShortcut(double T, double P, double X) {
  Homogenization out;
  const double V = Haar_Volume(T, P, CritMolarVol);
  if (!(V > 0.0) || !(std::abs(Haar_Pressure(T, V) - P) <= 1e-6)) return out;
  const double f = Haar_Fugacity(T, P, V);
  out.status = HomogenizationStatus::Solved;
  out.X = X;
  out.state = Coexistence{T, P, V, V, f, f};
  WriteSaturationArrays(out.state);
  return out;
}

Homogenization FromAnswer(const CoexistenceAnswer& answer, double X) {
  Homogenization out;
  if (!answer.found) return out;
  out.status = HomogenizationStatus::Solved;
  out.X = X;
  out.iterations = answer.iterations;
  out.state = answer.state;
  return out;
}

}  // namespace

Homogenization HomogenizeAtTemperature(int mode, double T) {
  if (T > ShortcutTempLow && T < ShortcutTempHigh) {
    return CriticalPointShortcut(T, CritPresPoint, CritPresPoint);
  }
  if (!(T >= TriplePointTemp - TripleTolerance && T <= CritTempSat)) {
    Homogenization out;
    out.status = HomogenizationStatus::OutsideCurve;
    return out;
  }
  const CoexistenceAnswer answer = CoexistenceAtTemperature(mode, T);
  return FromAnswer(answer, answer.state.P);
}

Homogenization HomogenizeAtPressure(int mode, double P) {
  if (P >= ShortcutPresLow && P < ShortcutPresHigh) {
    return CriticalPointShortcut(CritTempPoint, P, CritTempPoint);
  }
  if (!(P >= TriplePointPressure && P < ShortcutPresLow)) {
    Homogenization out;
    out.status = HomogenizationStatus::OutsideCurve;
    return out;
  }
  const CoexistenceAnswer answer = CoexistenceAtPressure(mode, P);
  return FromAnswer(answer, answer.state.T);
}

bool LiquidVolumeFraction(double V, double VL, double VV, double& phi) {
  if (!(VL < VV && V >= VL && V <= VV)) return false;
  const double share = (VL * (V - VV)) / (V * (VL - VV));
  // Rounding may carry a share at either end a hair outside [0, 1].
  phi = std::fmin(1.0, std::fmax(0.0, share));
  return true;
}

}  // namespace phase
