// The program-wide state point: set only whole, a variable that is no
// finite number above 0 stored as unknown (0), complete only when all three
// are known, and complete only as a state the calculators accept.
#include <gtest/gtest.h>

#include <limits>

#include "thermo/StatePoint.h"

namespace {

using thermo::Computed;
using thermo::State;
using thermo::StatePoint;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(StatePoint, SetReplacesAllThreeAndUnknownsAreZero) {
  const struct {
    State given;
    State stored;
    bool complete;
    Computed computed = Computed::None;
  } cases[] = {
      {{298.15, 0.1, 18.06838}, {298.15, 0.1, 18.06838}, true},
      {{500, 10, 0}, {500, 10, 0}, false},    // a search without a root
      {{0, 10, 18}, {0, 10, 18}, false},
      {{kNaN, 10, 18}, {0, 10, 18}, false},
      {{300, kInf, 18}, {300, 0, 18}, false},
      {{300, 1, -kInf}, {300, 1, 0}, false},
      {{300, 1e-20, 18}, {300, 1e-20, 18}, true},
      // A refused state keeps only what its writer was given, none of it
      // when nothing was computed.
      {{596.44, 3000, 13.22407}, {596.44, 3000, 0}, false, Computed::V},
      {{600, 10.61993, 60}, {600, 0, 60}, false, Computed::P},
      {{250, 10, 18}, {0, 10, 18}, false, Computed::T},
      {{500, 5, 30}, {0, 0, 0}, false},
      {{300, 1e-200, 18}, {0, 0, 0}, false},  // below the lowest pressure
  };
  for (const auto& c : cases) {
    StatePoint::Set(300, 7, 18);  // an earlier state leaves nothing behind
    StatePoint::Set(c.given, c.computed);
    const State s = StatePoint::Get();
    EXPECT_TRUE(s.T == c.stored.T && s.P == c.stored.P && s.V == c.stored.V)
        << c.given.T << " " << c.given.P << " " << c.given.V;
    EXPECT_EQ(s.Complete(), c.complete) << c.given.T << " " << c.given.P << " " << c.given.V;
  }
}

}  // namespace
