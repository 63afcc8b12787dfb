// Liquid-vapour equilibrium: the saturation search where it finds the stable
// equilibrium, the direct solve otherwise, and the check every answer passes.
#include "thermo/Coexistence.h"

#include <algorithm>
#include <cmath>

#include "eos/Globals.h"
#include "eos/HalfSecantSolve.h"
#include "thermo/internal/IsothermBranches.h"
#include "thermo/StateValues.h"

namespace thermo {

namespace detail {

using namespace Globals;

namespace {

constexpr double PressureTolerance = 1e-6;   // MPa
constexpr double EquilibriumPressureTolerance = 1e-10;  // relative to P

// Whether the two volumes are a liquid and a vapour root of the isotherm at
// the state's own pressure: not so where the liquid-minus-vapour function
// found them only after shifting the pressure or the temperature.
bool RootsAtItsState(const Coexistence& c) {
  const double T = c.T;
  const double P = c.P;
  if (!(T > 0.0 && P > 0.0 && c.VL > 0.0 && c.VV > c.VL)) return false;
  return std::abs(Haar_Pressure(T, c.VL) - P) <= PressureTolerance &&
         std::abs(Haar_Pressure(T, c.VV) - P) <= PressureTolerance;
}

}  // namespace

// The check of IsCoexistence, on the isotherm of c.T already found; with
// `roots`, the fugacities of the roots at c.P that the solve found there.
bool Checked(const Isotherm& iso, const Coexistence& c, const BranchFugacities* roots) {
  const double T = c.T;
  const double P = c.P;
  if (!RootsAtItsState(c)) return false;
  const double fL = Haar_Fugacity(T, P, c.VL);
  const double fV = Haar_Fugacity(T, P, c.VV);
  if (!(fL > 0.0 && fV > 0.0)) return false;
  if (!(std::abs(fL - fV) <= FugacityTolerance * P)) return false;
  // Close to the critical point the two fugacities agree closely even off
  // the equilibrium; the pressure shift that would make them equal is the
  // measure there: ln(fV / fL) changes by (VV - VL) / RT per MPa.
  const double shift = GasConstantR * T * std::abs(std::log(fV / fL)) / (c.VV - c.VL);
  if (!(shift <= EquilibriumPressureTolerance * P)) return false;
  if (!(MechanicallyStable(T, c.VL) && MechanicallyStable(T, c.VV))) return false;
  return iso.NoLowerRoot(P, std::min(fL, fV), roots);
}

}  // namespace detail

using namespace Globals;
using namespace detail;

bool IsCoexistence(const Coexistence& c) {
  if (!(c.T > 0.0)) return false;
  Isotherm iso;
  return FindIsotherm(iso, c.T, EquationCriticalPoint().V) && Checked(iso, c);
}

void WriteSaturationArrays(const Coexistence& c) {
  MolarVolumes[0] = c.VL;
  Fugacity[0] = c.fL;
  MolarVolumes[1] = c.VV;
  Fugacity[1] = c.fV;
}

namespace {

// Each pass of the saturation search halves its step: from the auxiliary
// curve's start it reaches its tolerance within about 35 passes wherever it
// converges at all. One still running after this many passes circles
// around states the liquid-minus-vapour function shifted (near the critical
// point in the liquid mode) and is given up for the direct solve.
constexpr int SearchPassLimit = 60;

// The state the latest evaluation of the liquid-minus-vapour function left
// in the saturation arrays, copied at once: a search yields once per pass,
// and another window's evaluation may overwrite the arrays meanwhile.
Coexistence EvaluatedState(double T, double P) {
  Coexistence c;
  c.T = T;
  c.P = P;
  if (T > 0.0 && P > 0.0) {
    c.VL = MolarVolumes[0];
    c.VV = MolarVolumes[1];
    c.fL = Fugacity[0];
    c.fV = Fugacity[1];
  }
  return c;
}

// Runs the saturation search over the pressure (T given) or the temperature
// (P given) from the points X0 and X, keeps its answer when it is the stable
// equilibrium, and otherwise solves for one directly.
//
// The search's answer passes the check only at the equilibrium itself, so it
// can end only where the liquid-minus-vapour function takes the
// equilibrium's two volumes as its liquid and its vapour root: the liquid's
// below the volume that divides its liquid roots from its vapour roots
// (CritMolarVol, the auxiliary curve's critical volume), the vapour's above
// it. From about 646.982 K (22.0164 MPa) up to the equation's critical point
// the saturated liquid of the equation is wider than that: the function
// finds a liquid root only at a shifted state, some hundred root searches
// away, and the search circles through its passes at a millisecond each
// without ever ending. So at the search's first evaluation whose roots lie
// at a shifted state (only such evaluations are slow), the direct solve
// runs; where its equilibrium lies across the dividing volume, the search is
// given up and the direct solve's answer taken. The search would end within
// its check's tolerance of the equilibrium (a few 1e-9 MPa), where on an
// isotherm this flat the liquid's volume may still differ by some 1e-5
// cm3/mol; within this margin of the dividing volume it runs.
constexpr double DividingVolumeMargin = 1e-4;  // cm3/mol

CoexistenceAnswer SearchOrSolve(int nudge, bool givenT, double given, double X0, double X,
                                bool (*direct)(double, Coexistence&, int&)) {
  CoexistenceAnswer solved;
  bool solveRun = false;
  auto solve = [&solved, &solveRun, direct, given]() {
    if (!solveRun) solved.found = direct(given, solved.state, solved.iterations);
    solveRun = true;
    return solved;
  };
  // Whether the search may still end on the equilibrium, asked once.
  auto mayReach = [&solve]() {
    const CoexistenceAnswer equilibrium = solve();
    if (!equilibrium.found) return true;  // nothing tells against the search
    return equilibrium.state.VL < CritMolarVol + DividingVolumeMargin &&
           equilibrium.state.VV > CritMolarVol - DividingVolumeMargin;
  };
  bool reachAsked = false;
  Coexistence last;
  auto f = [nudge, givenT, given, &last, &reachAsked, &mayReach](double x) {
    const double T = givenT ? given : x;
    const double P = givenT ? x : given;
    // The equation yields inside every evaluation; an evaluation in another
    // window meanwhile would overwrite the arrays halfway through this one's
    // writing. So this one runs without yielding (a few milliseconds at
    // most) and its arrays are copied at once; the search yields between
    // its passes.
    double value = 0.0;
    {
      const BackgroundTaskPause pause;
      value = Function_LV(nudge, T, P);
      last = EvaluatedState(T, P);
    }
    if (!reachAsked && !std::isnan(value) && !RootsAtItsState(last)) {
      reachAsked = true;
      // Not a number ends the search at once.
      if (!mayReach()) return std::nan("");
    }
    return value;
  };
  const SaturationSearch search = DampedSaturationSecant(f, X0, X, SearchPassLimit);
  CoexistenceAnswer answer;
  if (search.success() && IsCoexistence(last)) {
    answer.found = true;
    answer.bySearch = true;
    answer.iterations = search.n;
    answer.state = last;
  } else {
    answer = solve();
  }
  if (answer.found) WriteSaturationArrays(answer.state);
  return answer;
}

}  // namespace

CoexistenceAnswer CoexistenceAtTemperature(int nudge, double T) {
  const double X0 = SaturationP(T);
  return SearchOrSolve(nudge, true, T, X0, 0.999 * X0, SolveCoexistenceAtTemperature);
}

CoexistenceAnswer CoexistenceAtPressure(int nudge, double P) {
  const double X0 = SaturationT(P);
  // The second point 0.01 K below the first, unless that leaves the curve,
  // where the liquid-minus-vapour function has no start: then above it.
  double X = X0 - 0.01;
  if (X < TriplePointTemp) X = X0 + 0.01;
  return SearchOrSolve(nudge, false, P, X0, X, SolveCoexistenceAtPressure);
}

}  // namespace thermo
