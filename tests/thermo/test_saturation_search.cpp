// How the damped saturation search ends: its outcome, its pass number, the
// point it returns and the one yield per pass, on functions whose course is
// known step by step.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "eos/Globals.h"
#include "eos/HalfSecantSolve.h"

namespace {

using Globals::DampedSaturationSecant;
using Globals::SecantOutcome;

int yields = 0;
void CountYield() { ++yields; }

struct Case {
  std::string what;
  double (*f)(double);
  double X0, X;
  SecantOutcome end;
  int n;
  int evaluations;
};

int calls = 0;
double Linear(double x) { return ++calls, x - 1.0; }
double Zero(double) { return ++calls, 0.0; }
double Reciprocal(double x) { return ++calls, 1.0 / x; }
double Shifted(double x) { return ++calls, x - 5.0; }
double NanOnThirdCall(double x) {
  return ++calls == 3 ? std::numeric_limits<double>::quiet_NaN() : x - 1.0;
}
double NanAtOnce(double) { return ++calls, std::numeric_limits<double>::quiet_NaN(); }

TEST(DampedSaturationSecant, EndsAsItsCounterSays) {
  const Case cases[] = {
      // Each pass halves the distance to the root of a straight line.
      {"converges", Linear, 2.0, 1.5, SecantOutcome::Converged, 38, 41},
      // The first step, 5e-14, is already below 1e-12 of the new point.
      {"first pass", Linear, 1.0 + 1e-12, 1.0 + 1e-13, SecantOutcome::Converged, 0, 3},
      // Equal values: the zero step passes the relative test and then fails.
      {"equal values", Zero, 1.0, 2.0, SecantOutcome::ZeroStep, 0, 3},
      // At 0 the relative step is 0/0: every pass runs, then the zero step fails.
      {"equal values at 0", Zero, 0.0, 0.0, SecantOutcome::ZeroStep, 1000, 1003},
      // No root: each step is half of the previous point, so the points
      // grow by about a third a pass and never settle.
      {"pass limit", Reciprocal, 1.0, 2.0, SecantOutcome::Exhausted, 1000, 1003},
      {"step too large", Shifted, 1e301, -1e301, SecantOutcome::Abandoned, 0, 3},
      {"failed evaluation", NanOnThirdCall, 2.0, 1.5, SecantOutcome::FailedEvaluation, 0, 3},
      {"failed first evaluation", NanAtOnce, 2.0, 1.5, SecantOutcome::FailedEvaluation, 0, 1},
  };
  Globals::SetBackgroundTask(CountYield);
  for (const Case& c : cases) {
    calls = 0;
    yields = 0;
    const auto s = DampedSaturationSecant(c.f, c.X0, c.X);
    EXPECT_EQ(s.end, c.end) << c.what;
    EXPECT_EQ(s.success(), c.end == SecantOutcome::Converged) << c.what;
    EXPECT_EQ(s.n, c.n) << c.what;
    EXPECT_EQ(calls, c.evaluations) << c.what;
    // One yield per pass that ran to its end.
    const int passes = c.evaluations - 2;
    EXPECT_EQ(yields, c.end == SecantOutcome::FailedEvaluation ? 0 : passes) << c.what;
  }
  Globals::SetBackgroundTask(nullptr);
}

TEST(DampedSaturationSecant, ReturnsThePointOfItsLastEvaluation) {
  double last = 0.0;
  auto f = [&last](double x) {
    last = x;
    return x * x - 2.0;
  };
  const auto s = DampedSaturationSecant(f, 1.0, 1.5);
  ASSERT_TRUE(s.success());
  EXPECT_EQ(s.X, last);
  EXPECT_NEAR(s.X, std::sqrt(2.0), 1e-11);

  // A step above 1e300 is already part of the point returned.
  const auto far = DampedSaturationSecant(Shifted, 1e301, -1e301);
  EXPECT_DOUBLE_EQ(far.X, -1e301 + 0.5 * 2e301 * (-1e301 - 5.0) / -2e301);
}

}  // namespace
