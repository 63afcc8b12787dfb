// The critical point of the equation: the temperature where the least
// stiffness of the isotherm around the critical volume reaches 0, and the
// equilibrium pressure at the lower edge of the critical band.
#include <algorithm>
#include <cmath>

#include "eos/BracketRoot.h"
#include "eos/Globals.h"
#include "thermo/Coexistence.h"
#include "thermo/internal/IsothermBranches.h"

namespace thermo {

namespace {

using namespace Globals;
using namespace detail;

// Where the critical point is sought: between the end of the second liquid
// loop and a temperature whose isotherm is stable everywhere, around the
// volume of the last unstable stretch.
constexpr double CriticalSearchLowT = 647.0;   // K
constexpr double CriticalSearchHighT = 647.3;  // K
constexpr double CriticalSearchLowV = 50.0;    // cm3/mol
constexpr double CriticalSearchHighV = 75.0;   // cm3/mol

// The critical temperature is where the least stiffness of the isotherm
// around the critical volume reaches 0.
double LeastStiffness(double T, double& V) {
  double value = 0.0;
  V = Extremum([T](double v) { return Haar_dPdRho(T, v); }, CriticalSearchLowV, CriticalSearchHighV,
               1.0, value);
  return value;
}

CriticalPoint FindCriticalPoint() {
  CriticalPoint cp;
  double V = 0.0;
  BracketOptions options;
  options.tolerance = RootTolerance;
  options.maxPasses = MaxBracketPasses;
  const double lo = CriticalSearchLowT;
  const double hi = CriticalSearchHighT;
  const Bracket br = NarrowBracket([&V](double T) { return LeastStiffness(T, V); },
                                   Bracket{.a = lo, .fa = LeastStiffness(lo, V), .b = hi,
                                           .fb = LeastStiffness(hi, V)},
                                   options);
  cp.T = br.Closer();
  LeastStiffness(cp.T, V);
  cp.V = V;
  cp.P = Haar_Pressure(cp.T, cp.V);
  cp.bandT = cp.T - CriticalBand;
  Coexistence c;
  int passes = 0;
  BranchFugacities roots{};
  Isotherm iso;
  cp.bandP = (iso.Find(cp.bandT, cp.V) && iso.Equilibrium(c, passes, roots)) ? c.P : cp.P;
  return cp;
}

}  // namespace

const CriticalPoint& EquationCriticalPoint() {
  // Found without letting events run (about a millisecond): a handler run
  // meanwhile would ask for the point while it is still being found.
  static const CriticalPoint point = [] {
    const BackgroundTaskPause pause;
    return FindCriticalPoint();
  }();
  return point;
}

}  // namespace thermo
