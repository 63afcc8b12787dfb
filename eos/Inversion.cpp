// Molar volume from temperature and pressure, and temperature from pressure
// and molar volume: the damped secant search on P - Haar_Pressure, with every
// point it converges on checked against the asked pressure.
#include <algorithm>
#include <cmath>

#include "BaseRange.h"
#include "HalfSecantSolve.h"
#include "HelmholtzParts.h"

namespace Globals {

namespace {

// The search stops on a small step, not on a small residual: a step that
// lands beside the pole of the base part, or on a stretch where the
// equation gives no pressure, can be followed by a tiny one far from any
// root. A point counts as a root only inside the equation's temperature
// window and above the base part's covolume, and only where the equation
// gives the asked pressure to this tolerance there.
constexpr double RootPressureRelative = 1e-6;
constexpr double RootPressureAbsolute = 1e-9;  // MPa, for tiny pressures

// Where the isotherm or isochore is very steep (compressed liquid near 0 MPa,
// cold liquid below 273 K) a genuine convergence, within a relative step of
// 1e-12 of the root, can still differ from a tiny pressure by some 1e-8 MPa.
// Such a point is a root when the residual changes sign within this
// relative distance on either side of it (the pressure is continuous there).
constexpr double RootBracketRelative = 1e-9;

bool IsStateOfWater(double T, double V) {
  return InBaseTemperatureWindow(T) && AboveBaseCovolume(T, V);
}

bool PressureMatches(double T, double V, double P) {
  const double tolerance = std::max(RootPressureRelative * std::abs(P), RootPressureAbsolute);
  return std::abs(Haar_Pressure(T, V) - P) <= tolerance;
}

// Whether P - pressure(x) changes sign (or vanishes) between x (1 - d) and
// x (1 + d), with both points states of water.
template <class PressureAt, class IsState>
bool SignChangesAround(double x, double P, PressureAt pressureAt, IsState isState) {
  const double below = x * (1.0 - RootBracketRelative);
  const double above = x * (1.0 + RootBracketRelative);
  if (!(isState(below) && isState(above))) return false;
  const double gBelow = P - pressureAt(below);
  const double gAbove = P - pressureAt(above);
  return (gBelow <= 0.0 && gAbove >= 0.0) || (gBelow >= 0.0 && gAbove <= 0.0);
}

bool IsVolumeRoot(double T, double P, double V) {
  if (!IsStateOfWater(T, V)) return false;
  if (PressureMatches(T, V, P)) return true;
  return SignChangesAround(
      V, P, [T](double v) { return Haar_Pressure(T, v); },
      [T](double v) { return IsStateOfWater(T, v); });
}

bool IsTemperatureRoot(double P, double V, double T) {
  if (!IsStateOfWater(T, V)) return false;
  if (PressureMatches(T, V, P)) return true;
  return SignChangesAround(
      T, P, [V](double t) { return Haar_Pressure(t, V); },
      [V](double t) { return IsStateOfWater(t, V); });
}

}  // namespace

double VolumeSearch(double T, double P, double Vstart, SecantTrace* trace) {
  const double V =
      HalfSecantSolve([T, P](double v) { return P - Haar_Pressure(T, v); }, Vstart, {}, trace);
  if (V == 0.0 || IsVolumeRoot(T, P, V)) return V;
  if (trace != nullptr) trace->outcome = SecantOutcome::NoRoot;
  return 0.0;
}

double Haar_Volume(double T, double P, double Vstart) { return VolumeSearch(T, P, Vstart); }

double Haar_Temperature(double P, double V, double Tstart) {
  const double T = HalfSecantSolve([P, V](double t) { return P - Haar_Pressure(t, V); }, Tstart);
  if (T == 0.0 || IsTemperatureRoot(P, V, T)) return T;
  return 0.0;
}

}  // namespace Globals
