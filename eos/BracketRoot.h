// Root-finding inside a bracket: two points where a function has opposite
// signs, narrowed pass by pass until the bracket is too narrow to matter.
// One loop for every bracketed search of the module and of the calculation
// layer: halving (bisection), or the Illinois form of regula falsi, which
// keeps the root bracketed like bisection but converges superlinearly on
// smooth functions. Where the function jumps across 0 the Illinois steps
// creep towards the jump from the side nearer 0, a small step per pass; a
// search that may meet such a jump can switch to halving once the steps
// stall.
#pragma once

#include <algorithm>
#include <cmath>

#include "eos/Globals.h"

namespace Globals {

enum class BracketStep {
  Bisection,  // the middle of the bracket
  Illinois,   // the secant through both ends, the value of an end kept again halved
  // Illinois steps until the same end has been kept for two passes in a
  // row (the secant stalls, as it does at a jump), halving from then on: at
  // most the passes of bisection from the bracket it had then.
  IllinoisThenBisection,
};

struct BracketOptions {
  BracketStep step = BracketStep::Illinois;
  // Stops once the bracket is narrower than this, relative to the end
  // nearer 0.
  double tolerance = 1e-15;
  int maxPasses = 200;
  // Calls the background-task hook after every pass but one that ends the
  // narrowing on its value or on the tolerance.
  bool yield = false;
};

// The bracket: ends a and b with their values fa and fb of opposite signs
// (a value of exactly 0 counts with the negative ones). After narrowing,
// `zeroHit` says the last point evaluated gave exactly 0 (it is then b);
// `failed` says the function gave no number inside the bracket.
struct Bracket {
  double a = 0.0;
  double fa = 0.0;
  double b = 0.0;
  double fb = 0.0;
  int passes = 0;
  bool zeroHit = false;
  bool failed = false;

  // The end whose value lies nearer 0.
  double Closer() const { return std::abs(fa) < std::abs(fb) ? a : b; }
};

// Narrows the bracket on fn(double) -> double. Every pass evaluates one point
// strictly inside the bracket; the loop ends after maxPasses, when no double
// lies between the ends, when the bracket is narrower than the tolerance,
// on an exact 0 or on a value that is not a number.
template <class Fn>
Bracket NarrowBracket(Fn&& fn, Bracket br, const BracketOptions& options) {
  auto positive = [](double v) { return v > 0.0; };
  if (br.fa == 0.0 || br.fb == 0.0) return br;
  // The Illinois form while `secant`; `kept` counts the passes in a row
  // that kept the same end a.
  const bool switches = options.step == BracketStep::IllinoisThenBisection;
  bool secant = options.step == BracketStep::Illinois || switches;
  int kept = 0;
  while (br.passes < options.maxPasses) {
    const double lo = std::min(br.a, br.b);
    const double hi = std::max(br.a, br.b);
    double c = 0.5 * (br.a + br.b);
    if (secant) {
      c = (br.a * br.fb - br.b * br.fa) / (br.fb - br.fa);
      if (!(c > lo && c < hi)) c = 0.5 * (br.a + br.b);
    }
    if (!(c > lo && c < hi)) break;  // no double left between the ends
    const double fc = fn(c);
    ++br.passes;
    if (std::isnan(fc)) {
      br.failed = true;
      break;
    }
    if (fc == 0.0) {
      br.b = c;
      br.fb = fc;
      br.zeroHit = true;
      break;
    }
    if (secant) {
      // The newest point is always b; a is the end of the other sign.
      if (positive(fc) != positive(br.fb)) {
        br.a = br.b;
        br.fa = br.fb;
        kept = 0;
      } else {
        br.fa = 0.5 * br.fa;
        ++kept;
      }
      br.b = c;
      br.fb = fc;
      if (switches && kept >= 2) secant = false;
    } else if (positive(fc) == positive(br.fa)) {
      br.a = c;
      br.fa = fc;
    } else {
      br.b = c;
      br.fb = fc;
    }
    if (std::abs(br.b - br.a) < options.tolerance * std::min(std::abs(br.a), std::abs(br.b))) break;
    if (options.yield) RuntimeBackgroundTask();
  }
  return br;
}

}  // namespace Globals
