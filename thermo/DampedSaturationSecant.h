// The saturation search of the two phase-equilibrium windows: a damped
// secant search (half of the secant step per pass) on the liquid-minus-
// vapour fugacity difference, with temperature or pressure held fixed and
// the other searched. The homogenization window shows its pass number as
// the iteration count.
//
// Unlike the equation of state's own volume search it counts one per pass
// (up to 1001 passes), takes a zero step when the two function values are
// equal, never clamps its points, and reports how it ended instead of
// returning 0.
#pragma once

#include <cmath>

#include "eos/Globals.h"

namespace phase {

inline constexpr int SaturationPassLimit = 1000;           // passes 0 to 1000
inline constexpr double SaturationTolerance = 1e-12;       // relative step
inline constexpr double SaturationMaxStep = 1e300;         // larger steps abandon

enum class SaturationEnd {
  Converged,         // relative step below the tolerance
  StepTooLarge,      // a step above 1e300
  PassLimit,         // 1001 passes (or the caller's limit) without convergence
  ZeroStep,          // the last step was exactly 0: the two values were equal
  FailedEvaluation,  // the function gave no number: no root on one side
};

struct SaturationSearch {
  double X = 0.0;  // the last point reached; on success the solution
  SaturationEnd end = SaturationEnd::PassLimit;
  int n = 0;       // the counter at the top of the last pass (passes run - 1)
  bool success() const { return end == SaturationEnd::Converged; }
};

// Runs the search on f(double) -> double from the points X0 and X: f(X0),
// then f(X), then one evaluation per pass, each at the new point, so the last
// evaluation is at the returned X. An evaluation that gives no number ends
// the search at once: each further pass would fail the same way. A caller
// may end it sooner, after passes 0 to `passLimit`.
template <class Fn>
SaturationSearch DampedSaturationSecant(Fn&& f, double X0, double X,
                                        int passLimit = SaturationPassLimit) {
  SaturationSearch out;
  double f0 = f(X0);
  double f1 = std::isnan(f0) ? f0 : f(X);
  if (std::isnan(f1)) {
    out.X = X;
    out.end = SaturationEnd::FailedEvaluation;
    return out;
  }
  double dX = 0.0;
  SaturationEnd end = SaturationEnd::PassLimit;
  for (int i = 0; i <= passLimit; ++i) {
    out.n = i;
    dX = (f1 != f0) ? ((0.5 * (X0 - X)) * f1) / (f1 - f0) : 0.0;
    X0 = X;
    f0 = f1;
    X = X + dX;
    f1 = f(X);
    if (std::isnan(f1)) {
      end = SaturationEnd::FailedEvaluation;
      break;
    }
    bool ended = true;
    if (std::abs(dX) > SaturationMaxStep) {
      end = SaturationEnd::StepTooLarge;
    } else if (std::abs(dX / X) < SaturationTolerance) {
      end = SaturationEnd::Converged;
    } else {
      ended = false;
    }
    Globals::RuntimeBackgroundTask();  // once per pass, the last one included
    if (ended) break;
  }
  // A zero last step means the two latest values were equal: no secant, no
  // root, whatever the relative test said.
  if (dX == 0.0 && end != SaturationEnd::FailedEvaluation) end = SaturationEnd::ZeroStep;
  out.X = X;
  out.end = end;
  return out;
}

}  // namespace phase
