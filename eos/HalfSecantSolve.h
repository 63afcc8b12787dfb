// The damped secant root search of the equation of state: each pass moves
// half of the secant step, keeps the point above a lower bound, stops on a
// relative step below 1e-12 or an exact zero, and gives up after 500 passes
// or on a step above 1e300. The volume and temperature inversions run it
// from a start value s (HalfSecantSolve); the saturation searches start from
// two points of their own and change the equal-residual rule or the bounds
// through HalfSecantOptions (HalfSecantIterate).
//
// Internal to the eos library; windows call Haar_Volume, Haar_Temperature
// and the saturation functions instead.
#pragma once

#include <cmath>

#include "eos/Globals.h"

namespace Globals {

// How a search ended. Only Converged and ExactRoot give a result other than 0.
enum class SecantOutcome {
  Converged,  // relative step below the tolerance
  ExactRoot,  // residual exactly 0
  Level,      // the residual stayed exactly the same: a level stretch, not a root
  Abandoned,  // a step larger than 1e300
  Exhausted,  // 500 passes without convergence
  NoRoot,     // converged where the equation does not give the asked pressure
              // (set by the volume search, which checks its result)
};

// What a search did, for tests and benchmarks.
struct SecantTrace {
  int passes = 0;  // passes begun; the zero function ran twice more than this
  SecantOutcome outcome = SecantOutcome::Exhausted;
};

struct HalfSecantOptions {
  // The step taken when the two latest residuals are exactly equal.
  enum class EqualResidualRule {
    // g1 == g0 != 0: twice the last step when x0 == x, else (x - x0) / 2.
    // g1 == g0 == 0 (the zero function is 0 at both start points, so it
    // tells nothing): the search ends with 0.
    HalveOrDouble,
    // g1 == g0 (0 included): dx = fixedStep.
    FixedStep,
  };
  EqualResidualRule equalResidual = EqualResidualRule::HalveOrDouble;
  double fixedStep = 1.0;

  // A point not above lowerBound is put halfway between the point the step
  // started from and lowerBound: x = ((x - dx) + lowerBound) / 2. With the
  // default 0 this is the positivity clamp x = (x - dx) / 2. Then, with an
  // upper bound, a point not below it is put halfway between the point the
  // step started from and upperBound. dx keeps its unclamped value.
  double lowerBound = 0.0;
  bool hasUpperBound = false;
  double upperBound = 0.0;

  // Where the zero function is level (the same nonzero residual at three
  // successive points: outside the range of the equation, or where it is 0),
  // the halving of the equal-residual rule shrinks the step until the
  // relative test passes although no root is near. Such a search ends with
  // 0 (outcome Level) unless this is set, in which case it returns the
  // point as a converged one.
  bool acceptLevel = false;
};

inline constexpr int SecantCounterLimit = 1000;  // two counts per pass: 500 passes
inline constexpr double SecantTolerance = 1e-12;  // relative step
inline constexpr double SecantMaxStep = 1e300;   // larger steps abandon the search

// Runs the passes of the search from the previous point x0 with residual g0
// and the current point x with residual g1, both already evaluated. g is
// called as g(double) -> double, once per pass. Returns the root or 0.
template <class ZeroFn>
double HalfSecantIterate(ZeroFn&& g, double x0, double g0, double x, double g1,
                         const HalfSecantOptions& opt = {}, SecantTrace* trace = nullptr) {
  using Rule = HalfSecantOptions::EqualResidualRule;
  SecantOutcome outcome = SecantOutcome::Exhausted;
  int passes = 0;
  double result = 0.0;

  double dx = (x - x0) / 2.0;  // read only when the first pass doubles it
  int i = 1;
  while (i <= SecantCounterLimit) {
    ++i;
    ++passes;

    // Step rule.
    bool equalRule = false;
    if (opt.equalResidual == Rule::FixedStep && g1 == g0) {
      dx = opt.fixedStep;
    } else if (opt.equalResidual == Rule::HalveOrDouble && g1 == g0 && g1 != 0.0) {
      equalRule = true;
      dx = (x0 == x) ? 2.0 * dx : (x - x0) / 2.0;
    } else if (g1 == g0) {
      // Both residuals 0 (only possible at the start points): the secant is
      // undefined and the zero function shows no root.
      outcome = SecantOutcome::Level;
      break;
    } else {
      dx = ((0.5 * (x0 - x)) * g1) / (g1 - g0);
    }
    const double repeated = g1;

    // Advance and keep the point inside its bounds.
    x0 = x;
    g0 = g1;
    x = x + dx;
    if (!(x > opt.lowerBound)) x = ((x - dx) + opt.lowerBound) / 2.0;
    if (opt.hasUpperBound && !(opt.upperBound > x)) x = ((x - dx) + opt.upperBound) / 2.0;

    g1 = g(x);

    if (std::abs(dx) > SecantMaxStep) {
      outcome = SecantOutcome::Abandoned;
      i = SecantCounterLimit + 1;
    } else if (g1 == 0.0) {
      outcome = SecantOutcome::ExactRoot;
      result = x;
      break;
    } else if (x != 0.0 && std::abs(dx / x) < SecantTolerance) {
      // x == 0 can never pass a relative test (the quotient is infinite).
      if (equalRule && g1 == repeated && !opt.acceptLevel) {
        outcome = SecantOutcome::Level;
      } else {
        outcome = SecantOutcome::Converged;
        result = x;
      }
      break;
    }

    RuntimeBackgroundTask();
    ++i;
  }

  if (trace != nullptr) {
    trace->passes = passes;
    trace->outcome = outcome;
  }
  return result;
}

// The search from a start value s: evaluates g(s) and g(s + 0.1), makes the
// point with the strictly smaller residual magnitude the current one (the
// point s + 0.1 on a tie), and runs the passes. Returns the root or 0.
template <class ZeroFn>
double HalfSecantSolve(ZeroFn&& g, double s, const HalfSecantOptions& opt = {},
                       SecantTrace* trace = nullptr) {
  const double s1 = s + 0.1;
  const double gs = g(s);
  const double gs1 = g(s1);
  if (std::abs(gs) < std::abs(gs1)) return HalfSecantIterate(g, s1, gs1, s, gs, opt, trace);
  return HalfSecantIterate(g, s, gs, s1, gs1, opt, trace);
}

// The molar-volume search of Haar_Volume (zero function P - Haar_Pressure(T, V)),
// with its trace for callers that count the pressure evaluations it spends.
// A point it converges on counts only where the equation gives P there
// (outcome NoRoot and 0 otherwise).
double VolumeSearch(double T, double P, double Vstart, SecantTrace* trace = nullptr);

}  // namespace Globals
