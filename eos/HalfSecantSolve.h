// The damped secant root search: each pass moves half of the secant step,
// stops on a relative step below 1e-12, and gives up at its pass limit or on
// a step above 1e300. The equation's volume and temperature inversions run it
// from a start value s (HalfSecantSolve: points kept above 0, an exact zero
// ends it, 500 passes); the equation's saturation searches start from two
// points of their own and change the equal-residual rule or the bounds
// through HalfSecantOptions (HalfSecantIterate); the calculation layer's
// saturation search of the phase-equilibrium windows runs it with the options
// of DampedSaturationSecant.
//
// Above the equation the calculation layer uses this header, for its
// saturation search, and so do the benchmarks (bench/bench_core.cpp), which
// time the search itself; the windows reach the equation through the
// calculation layer alone.
#pragma once

#include <cmath>

#include "eos/Globals.h"

namespace Globals {

// How a search ended. Only Converged and ExactRoot give a result other than 0.
enum class SecantOutcome {
  Converged,         // relative step below the tolerance
  ExactRoot,         // residual exactly 0
  Level,             // the residual stayed exactly the same: a level stretch, not a root
  Abandoned,         // a step larger than 1e300
  Exhausted,         // the pass limit reached without convergence
  NoRoot,            // converged where the equation does not give the asked pressure
                     // (set by the volume search, which checks its result)
  ZeroStep,          // the last step was exactly 0: two equal residuals, no secant
  FailedEvaluation,  // the zero function gave no number
};

// What a search did, for tests, benchmarks and the iteration count a window
// shows.
struct SecantTrace {
  int passes = 0;  // passes begun; the zero function ran twice more than this
  SecantOutcome outcome = SecantOutcome::Exhausted;
  double last = 0.0;  // the point of the last evaluation in the passes
};

inline constexpr int SecantPassLimit = 500;       // passes of the equation's own searches
inline constexpr double SecantTolerance = 1e-12;  // relative step
inline constexpr double SecantMaxStep = 1e300;    // larger steps abandon the search

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
  // step started from and upperBound. dx keeps its unclamped value. Without
  // hasLowerBound the points go wherever the steps take them.
  bool hasLowerBound = true;
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

  // The passes a search may run.
  int passLimit = SecantPassLimit;

  // A residual of exactly 0 ends the search at its point (ExactRoot).
  // Without this the search goes on: the next secant step is 0.
  bool exactRootEnds = true;

  // A residual that is not a number ends the search at once
  // (FailedEvaluation): each further pass would fail the same way.
  bool failedEvaluationEnds = false;

  // A search whose last step was exactly 0 ends with no root (ZeroStep),
  // whatever the relative test said: the two latest residuals were equal.
  bool zeroStepIsNoRoot = false;

  // The search yields once per pass before the next one, and on the pass
  // that abandons it. With this it also yields on the pass that converges.
  bool yieldOnLastPass = false;
};

// Runs the passes of the search from the previous point x0 with residual g0
// and the current point x with residual g1, both already evaluated. g is
// called as g(double) -> double, once per pass, at the point the pass
// stepped to. Returns the root or 0.
template <class ZeroFn>
double HalfSecantIterate(ZeroFn&& g, double x0, double g0, double x, double g1,
                         const HalfSecantOptions& opt = {}, SecantTrace* trace = nullptr) {
  using Rule = HalfSecantOptions::EqualResidualRule;
  SecantOutcome outcome = SecantOutcome::Exhausted;
  int passes = 0;
  double result = 0.0;

  double dx = (x - x0) / 2.0;  // read only when the first pass doubles it
  double lastStep = 0.0;       // the step of the latest pass, 0 before the first
  while (passes < opt.passLimit) {
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
    lastStep = dx;
    const double repeated = g1;

    // Advance and keep the point inside its bounds.
    x0 = x;
    g0 = g1;
    x = x + dx;
    if (opt.hasLowerBound && !(x > opt.lowerBound)) x = ((x - dx) + opt.lowerBound) / 2.0;
    if (opt.hasUpperBound && !(opt.upperBound > x)) x = ((x - dx) + opt.upperBound) / 2.0;

    g1 = g(x);

    if (opt.failedEvaluationEnds && std::isnan(g1)) {
      outcome = SecantOutcome::FailedEvaluation;
      break;
    }
    if (std::abs(dx) > SecantMaxStep) {
      outcome = SecantOutcome::Abandoned;
      RuntimeBackgroundTask();
      break;
    }
    if (opt.exactRootEnds && g1 == 0.0) {
      outcome = SecantOutcome::ExactRoot;
      result = x;
      break;
    }
    if (x != 0.0 && std::abs(dx / x) < SecantTolerance) {
      // x == 0 can never pass a relative test (the quotient is infinite).
      if (equalRule && g1 == repeated && !opt.acceptLevel) {
        outcome = SecantOutcome::Level;
      } else {
        outcome = SecantOutcome::Converged;
        result = x;
      }
      if (opt.yieldOnLastPass) RuntimeBackgroundTask();
      break;
    }

    RuntimeBackgroundTask();
  }

  if (opt.zeroStepIsNoRoot && lastStep == 0.0 && outcome != SecantOutcome::FailedEvaluation) {
    outcome = SecantOutcome::ZeroStep;
    result = 0.0;
  }
  if (trace != nullptr) {
    trace->passes = passes;
    trace->outcome = outcome;
    trace->last = x;
  }
  return result;
}

// The search from a start value s whose residuals gs = g(s) and
// gs1 = g(s + 0.1) are known: makes the point with the strictly smaller
// residual magnitude the current one (the point s + 0.1 on a tie), and runs
// the passes. Returns the root or 0.
template <class ZeroFn>
double HalfSecantFromStart(ZeroFn&& g, double s, double gs, double gs1,
                           const HalfSecantOptions& opt = {}, SecantTrace* trace = nullptr) {
  const double s1 = s + 0.1;
  if (std::abs(gs) < std::abs(gs1)) return HalfSecantIterate(g, s1, gs1, s, gs, opt, trace);
  return HalfSecantIterate(g, s, gs, s1, gs1, opt, trace);
}

// The search from a start value s: evaluates g(s) and g(s + 0.1), then runs
// as HalfSecantFromStart.
template <class ZeroFn>
double HalfSecantSolve(ZeroFn&& g, double s, const HalfSecantOptions& opt = {},
                       SecantTrace* trace = nullptr) {
  const double gs = g(s);
  const double gs1 = g(s + 0.1);
  return HalfSecantFromStart(g, s, gs, gs1, opt, trace);
}

// The saturation search of the two phase-equilibrium windows, on the
// liquid-minus-vapour fugacity difference with temperature or pressure held
// fixed and the other searched. The homogenization window shows its pass
// number n as the iteration count.
inline constexpr int SaturationPassLimit = 1000;  // pass numbers 0 to 1000

struct SaturationSearch {
  double X = 0.0;  // the point of the last evaluation; on success the solution
  SecantOutcome end = SecantOutcome::Exhausted;
  int n = 0;       // the number of the last pass begun, counted from 0
  bool success() const { return end == SecantOutcome::Converged; }
};

// Runs the search on f(double) -> double from the points X0 and X: f(X0),
// then f(X), then one evaluation per pass, so the last evaluation is at the
// returned X. Unlike the equation's own searches its points are not kept
// above 0, equal values give a zero step (and then no root), an exact zero
// does not end it, an evaluation that gives no number ends it, and every
// pass yields, the last included unless its evaluation gave no number. A
// caller may end it sooner, after the passes numbered 0 to `passLimit`.
template <class Fn>
SaturationSearch DampedSaturationSecant(Fn&& f, double X0, double X,
                                        int passLimit = SaturationPassLimit) {
  SaturationSearch out;
  const double f0 = f(X0);
  const double f1 = std::isnan(f0) ? f0 : f(X);
  if (std::isnan(f1)) {
    out.X = X;
    out.end = SecantOutcome::FailedEvaluation;
    return out;
  }
  HalfSecantOptions opt;
  opt.equalResidual = HalfSecantOptions::EqualResidualRule::FixedStep;
  opt.fixedStep = 0.0;
  opt.hasLowerBound = false;
  opt.passLimit = passLimit + 1;
  opt.exactRootEnds = false;
  opt.failedEvaluationEnds = true;
  opt.zeroStepIsNoRoot = true;
  opt.yieldOnLastPass = true;
  SecantTrace trace;
  HalfSecantIterate(f, X0, f0, X, f1, opt, &trace);
  out.X = trace.last;
  out.end = trace.outcome;
  out.n = trace.passes > 0 ? trace.passes - 1 : 0;
  return out;
}

// The molar-volume search of Haar_Volume (zero function P - Haar_Pressure(T, V)),
// with its trace for callers that count the pressure evaluations it spends.
// A point it converges on counts only where the equation gives P there
// (outcome NoRoot and 0 otherwise).
double VolumeSearch(double T, double P, double Vstart, SecantTrace* trace = nullptr);

// The two halves of VolumeSearch, for a caller that runs many searches at
// one temperature from one start. The search itself, given the equation's
// pressures at Vstart and Vstart + 0.1 (PAtStart, PAtNext), returns the
// point it converged on (or 0) unchecked; CheckedVolume then gives what
// VolumeSearch would: V where the equation gives P there, else 0 (outcome
// NoRoot).
double VolumeSearchFromKnownStart(double T, double P, double Vstart, double PAtStart,
                                  double PAtNext, SecantTrace* trace = nullptr);
double CheckedVolume(double T, double P, double V, SecantTrace* trace = nullptr);

}  // namespace Globals
