// The state searches of the calculation layer: where the state step's
// volume search starts.
#include <gtest/gtest.h>

#include "eos/Globals.h"
#include "thermo/StateValues.h"

namespace {

using thermo::VolumeSearchStart;

TEST(VolumeSearchStart, SideOfTheSaturationCurveBelow647067KAndFixedFromIt) {
  const double psAt = Globals::SaturationP(647.066);
  const struct {
    double T, P;
    double start;  // cm3/mol; <0: the saturated liquid volume less 0.2, 0: vapour plus 0.2
  } cases[] = {
      {647.066, psAt * 1.001, -1},        {647.066, psAt * 0.999, 0},
      {647.066, psAt, 0},                 {500, 10, -1},
      {500, 1, 0},                        {647.067, 30, 54.136030627024624},
      {647.07, 1, 54.136030627024624},    {773.15, 10, 54.136030627024624},
      {270, 0.1, 18},                     {270, 0.000611657, 18},
      {270, 0.0001, 8.314472 * 270 / 0.0001},
  };
  for (const auto& c : cases) {
    double expected = c.start;
    if (c.start < 0) expected = Globals::SaturationV(Globals::SaturationPhase::Liquid, c.T) - 0.2;
    if (c.start == 0) expected = Globals::SaturationV(Globals::SaturationPhase::Vapour, c.T) + 0.2;
    EXPECT_DOUBLE_EQ(VolumeSearchStart(c.T, c.P), expected) << c.T << " K " << c.P;
  }
}

}  // namespace
