// Molar volume from temperature and pressure, and temperature from pressure
// and molar volume: the damped secant search on P - Haar_Pressure, with every
// point it converges on checked against the asked pressure.
#include <algorithm>
#include <cmath>
#include <utility>

#include "eos/BaseRange.h"
#include "eos/HalfSecantSolve.h"
#include "eos/HelmholtzParts.h"

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

// Whether x, the sought volume or temperature, is a root of P - pressure;
// stateAt(x) gives the state (T, V) the search put x into.
template <class StateAt>
bool IsRoot(double x, double P, StateAt stateAt) {
  const auto [T, V] = stateAt(x);
  if (!IsStateOfWater(T, V)) return false;
  if (PressureMatches(T, V, P)) return true;
  // Otherwise the residual must change sign (or vanish) between
  // x (1 - d) and x (1 + d), both states of water.
  const auto [Tbelow, Vbelow] = stateAt(x * (1.0 - RootBracketRelative));
  const auto [Tabove, Vabove] = stateAt(x * (1.0 + RootBracketRelative));
  if (!(IsStateOfWater(Tbelow, Vbelow) && IsStateOfWater(Tabove, Vabove))) return false;
  const double gBelow = P - Haar_Pressure(Tbelow, Vbelow);
  const double gAbove = P - Haar_Pressure(Tabove, Vabove);
  return (gBelow <= 0.0 && gAbove >= 0.0) || (gBelow >= 0.0 && gAbove <= 0.0);
}

}  // namespace

double VolumeSearch(double T, double P, double Vstart, SecantTrace* trace) {
  const double V =
      HalfSecantSolve([T, P](double v) { return P - Haar_Pressure(T, v); }, Vstart, {}, trace);
  return CheckedVolume(T, P, V, trace);
}

double VolumeSearchFromKnownStart(double T, double P, double Vstart, double PAtStart,
                                  double PAtNext, SecantTrace* trace) {
  return HalfSecantFromStart([T, P](double v) { return P - Haar_Pressure(T, v); }, Vstart,
                             P - PAtStart, P - PAtNext, {}, trace);
}

double CheckedVolume(double T, double P, double V, SecantTrace* trace) {
  if (V == 0.0 || IsRoot(V, P, [T](double v) { return std::pair{T, v}; })) return V;
  if (trace != nullptr) trace->outcome = SecantOutcome::NoRoot;
  return 0.0;
}

double Haar_Volume(double T, double P, double Vstart) { return VolumeSearch(T, P, Vstart); }

double Haar_Temperature(double P, double V, double Tstart) {
  const double T = HalfSecantSolve([P, V](double t) { return P - Haar_Pressure(t, V); }, Tstart);
  if (T == 0.0 || IsRoot(T, P, [V](double t) { return std::pair{t, V}; })) return T;
  return 0.0;
}

}  // namespace Globals
