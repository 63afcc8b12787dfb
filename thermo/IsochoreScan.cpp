#include "thermo/internal/IsochoreScan.h"

#include <algorithm>
#include <cmath>

#include "eos/BracketRoot.h"
#include "eos/Globals.h"
#include "thermo/StateSearch.h"
#include "thermo/internal/IsothermBranches.h"
#include "thermo/internal/RootPolish.h"

namespace thermo::detail {

namespace {

using namespace Globals;

// The points of the scan are 260 K times the whole powers of
// kIsochoreFactor, from the bottom of the equation's window to its top: some
// 3300 pressures. The lowest temperature of a state is one of them, so no
// bracket holds it inside. Along an isochore the pressure changes
// monotonically with the temperature but where the isochore turns (a dense
// liquid's pressure minimum; inside the equation's loop), and the turn
// searches below find the pair of roots of a turn whatever the step.
constexpr double kIsochoreFactor = 1.001;
constexpr int kMaxIsochoreSteps = 10000;
// A minimum of |P(T) - P| between two steps is searched down to this width
// (in K) for a pair of roots closer together than one step.
constexpr double kTurnWidth = 1e-9;
constexpr int kMaxTurnPasses = 200;

// The k-th point of the scan (k = 0 at 260 K), at most `top`.
double IsochorePoint(int k, double top) { return std::min(MinTempKelvin * std::pow(kIsochoreFactor, k), top); }

}  // namespace

bool IsAnswer(double P, double V, double T) {
  return GivesPressureBackToRounding(P, V, T) && StateRefusal(T, P, V) == Reason::None;
}

bool IsochoreRoots::Take(double P, double V, double T, double start) {
  if (!IsAnswer(P, V, T)) return false;
  if (!answer || std::abs(T - start) < std::abs(*answer - start)) answer = T;
  return true;
}

void IsochoreRoots::Refuse(double P, double V, double T, double start) {
  const Reason r = StateRefusal(T, P, V);
  if (r == Reason::TemperatureBelowRange) {
    belowRange = true;
  } else if (r != Reason::None && (refusal == Reason::None || std::abs(T - start) < std::abs(refusedT - start))) {
    refusal = r;
    refusedT = T;
  }
}

Reason IsochoreRoots::Why() const {
  if (refusal != Reason::None) return refusal;
  if (belowRange && !aboveTop) return Reason::TemperatureBelowRange;
  return Reason::NoTemperatureForPressure;
}

// Along an isochore the equation's pressure is smooth in the temperature,
// also across the edges of stability (which are edges in volume), so the
// scan brackets each crossing of P, stable or not, narrows it to its root
// and refines that on its stable stretch. Where |P(T) - P| has a minimum
// between steps without a crossing, the minimum is searched: a pair of roots
// closer together than one step (the isochore turning just past P) is found
// as two crossings around it, and where the pressure's rounding leaves no
// change of sign there, the minimum itself is a root if it is an answer. A
// root between two points of the scan is found so whatever the points'
// own pressures; only at the two ends of the range (260 K and the top,
// both points of the scan), a root just outside the range leaves no
// crossing or minimum inside it, and the end itself is the root if it is
// an answer.
IsochoreRoots ScanIsochore(double P, double V, double start) {
  IsochoreRoots found;
  auto residual = [P, V](double T) { return Haar_Pressure(T, V) - P; };
  // A temperature found: the root refined from it on its stretch where that
  // is an answer, else the temperature itself where it is one (a root a
  // hair outside an end refines to beyond it, and at a turn the refinement
  // may end on a temperature that gives P back less closely), else the
  // refined root, for the reason it is refused.
  auto consider = [&](double T) {
    const double root = PolishedTemperature(P, V, T);
    if (!found.Take(P, V, root, start) && !(root != T && found.Take(P, V, T, start))) {
      found.Refuse(P, V, root, start);
    }
  };
  BracketOptions options;
  options.tolerance = RootTolerance;
  options.maxPasses = MaxBracketPasses;
  auto crossing = [&](double a, double fa, double b, double fb) {
    const Bracket br = NarrowBracket(residual, Bracket{.a = a, .fa = fa, .b = b, .fb = fb}, options);
    if (!br.failed) consider(br.Closer());
  };
  // A step over which f changes sign and the isochore turns (dP/dT changes
  // sign, as at a dense liquid's pressure minimum) may hold a root on either side
  // of the turn, one of them a hair from an end whose own pressure the
  // rounding puts on the wrong side of P: the turn is found by bisection of
  // dP/dT, and each side is bracketed on its own; where the pressure at the
  // turn is P itself, the turn is the root.
  auto split = [&](double a, double fa, double b, double fb) {
    const bool falling = Haar_dPdT(a, V) < 0.0;
    if (falling == (Haar_dPdT(b, V) < 0.0)) return crossing(a, fa, b, fb);
    double lo = a, hi = b;
    for (int pass = 0; pass < kMaxTurnPasses && hi - lo > kTurnWidth; ++pass) {
      const double mid = 0.5 * (lo + hi);
      ((Haar_dPdT(mid, V) < 0.0) == falling ? lo : hi) = mid;
    }
    const double m = 0.5 * (lo + hi);
    const double fm = residual(m);
    if (fm == 0.0) return consider(m);
    if ((fa > 0.0) != (fm > 0.0)) crossing(a, fa, m, fm);
    if ((fm > 0.0) != (fb > 0.0)) crossing(m, fm, b, fb);
  };
  // The minimum of |f| on [a, b] around m, where |f(m)| lies below both
  // ends (of one sign), by golden sections; where f changes sign there, both
  // roots, else the minimum where it is an answer. A root at m itself (a
  // state handed on at a point of the scan, 260 K say) is searched the same
  // way: the isochore may turn beside it, with its second root inside the
  // same step.
  auto turn = [&](double a, double fa, double m, double fm, double b, double fb) {
    const double sign = fa > 0.0 ? 1.0 : -1.0;
    constexpr double kGold = 0.3819660112501051;
    for (int pass = 0; pass < kMaxTurnPasses && b - a > kTurnWidth; ++pass) {
      const bool right = b - m > m - a;
      const double x = right ? m + kGold * (b - m) : m - kGold * (m - a);
      const double fx = residual(x);
      if ((fx > 0.0) != (sign > 0.0) || fx == 0.0) {
        crossing(a, fa, x, fx);
        crossing(x, fx, b, fb);
        return;
      }
      if (sign * fx < sign * fm) {
        (right ? a : b) = m;
        (right ? fa : fb) = fm;
        m = x;
        fm = fx;
      } else {
        (right ? b : a) = x;
        (right ? fb : fa) = fx;
      }
    }
    if (IsAnswer(P, V, m)) consider(m);
  };
  const double top = Haar_HighestWindowTemperature();
  double t0 = 0.0, f0 = 0.0;  // the step before t1, where there is one
  double t1 = Haar_LowestWindowTemperature();
  double f1 = residual(t1);
  if (f1 == 0.0) consider(t1);
  // The first point above the bottom of the window.
  int k = static_cast<int>(std::floor(std::log(t1 / MinTempKelvin) / std::log(kIsochoreFactor)));
  while (k < kMaxIsochoreSteps && !(IsochorePoint(k, top) > t1)) ++k;
  for (int step = 0; step < kMaxIsochoreSteps && t1 < top; ++step, ++k) {
    const double t2 = IsochorePoint(k, top);
    const double f2 = residual(t2);
    const bool end = t2 == MinTempKelvin || t2 == top;
    if (f2 == 0.0 || (end && IsAnswer(P, V, t2))) consider(t2);
    if (f1 != 0.0 && f2 != 0.0 && (f1 > 0.0) != (f2 > 0.0)) {
      split(t1, f1, t2, f2);
    } else if (t0 > 0.0 && f0 != 0.0 && f2 != 0.0 && (f0 > 0.0) == (f2 > 0.0) &&
               (f1 == 0.0 || (f1 > 0.0) == (f0 > 0.0)) && std::abs(f1) < std::abs(f0) &&
               std::abs(f1) < std::abs(f2)) {
      turn(t0, f0, t1, f1, t2, f2);
    }
    t0 = t1;
    f0 = f1;
    t1 = t2;
    f1 = f2;
  }
  // Past the top the equation gives no pressure; where the isochore's
  // pressure there still moves towards P, its root lies above the range.
  found.aboveTop = (f1 > 0.0) != (Haar_dPdT(top, V) > 0.0);
  return found;
}

}  // namespace thermo::detail
