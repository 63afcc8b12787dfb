// The liquid-vapour equilibrium the phase-equilibrium windows show, right up
// to the critical point, and the homogenization calculation around it.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "eos/Globals.h"
#include "eos/HalfSecantSolve.h"
#include "thermo/Coexistence.h"
#include "tests/thermo/CurveScan.h"
#include "thermo/Homogenization.h"

namespace {

using namespace thermo;
using Globals::NudgeVariable::Pressure;
using Globals::NudgeVariable::Temperature;

constexpr int NoSearch = -1;

// The equilibrium of the equation at a given temperature (pressure answer)
// or pressure (temperature answer). passes: the saturation search's pass
// number where the search finds the answer, NoSearch where it cannot.
struct CheckValue {
  int mode;
  bool givenT;
  double given;
  double answer, answerTol;
  double VL, VV, volumeRel;  // volumes to this relative tolerance (VL 0: not checked)
  double fugacity;  // 0: not checked
  int passes;
};

TEST(Coexistence, CheckValuesOfTheEquation) {
  const CheckValue cases[] = {
      {Pressure, true, 273.16, 0.000611744027, 5e-13, 18.0192779, 3710848.73, 5e-9, 0.00061145022785, 29},
      {Pressure, true, 373.15, 0.101322497, 5e-10, 18.7973908, 30150.9479, 5e-9, 0.099808419386, 25},
      {Pressure, true, 500.0, 2.63729273877, 5e-12, 21.6674858, 1365.86992, 5e-9, 2.33827175161, 28},
      {Pressure, true, 646.5, 21.8906265, 5e-8, 46.3915156, 71.315574, 1e-8, 14.2935524, 28},
      // In vapour mode the search fails at once at 646.5 K; the direct
      // solve gives the same equilibrium.
      {Temperature, true, 646.5, 21.8906265, 5e-8, 46.3915156, 71.315574, 1e-8, 14.2935524, NoSearch},
      // From here up the saturated liquid is wider than the volume that
      // divides the function's liquid roots from its vapour roots: the
      // search is given up for the direct solve.
      {Pressure, true, 647.0, 22.0210632, 5e-8, 56.2495, 65.2957, 1e-6, 14.3554429, NoSearch},
      {Pressure, true, 647.05, 22.0340972, 5e-8, 57.2179, 64.2687, 1e-6, 14.3616278, NoSearch},
      {Pressure, true, 647.096, 22.0460994, 5e-8, 58.4690, 62.9561, 1e-6, 14.3673195, NoSearch},
      {Temperature, true, 647.096, 22.0460994, 5e-8, 58.4690, 62.9561, 1e-6, 14.3673195, NoSearch},
      // Just above the second liquid loop's triple point (646.687043 K) the
      // stable liquid is on the outer branch; the search settles on the
      // inner, metastable one (49.29 cm3/mol at 646.6875 K) or on none.
      {Pressure, true, 646.6875, 21.93982591, 5e-9, 50.78421, 69.36415, 1e-7, 0.0, NoSearch},
      {Temperature, true, 646.6875, 21.93982591, 5e-9, 50.78421, 69.36415, 1e-7, 0.0, NoSearch},
      {Pressure, true, 646.69, 21.94047604, 5e-9, 51.0285, 69.3379, 1e-6, 0.0, 38},
      {Temperature, true, 646.69, 21.94047604, 5e-9, 51.0285, 69.3379, 1e-6, 0.0, NoSearch},
      // The last 0.03 K below the critical point.
      {Temperature, true, 647.11, 22.0497544, 5e-8, 59.03711, 62.36864, 1e-7, 0.0, NoSearch},
      {Pressure, true, 647.12, 22.05236571, 5e-9, 59.61983, 61.77198, 1e-7, 0.0, NoSearch},
      {Temperature, true, 647.1265, 22.05406333, 5e-9, 60.36693, 61.01579, 1e-7, 0.0, NoSearch},
      // The auxiliary curve's triple-point pressure lies below the
      // equation's (0.000611744 MPa): its equilibrium is below 273.16 K.
      {Pressure, false, 0.000611657, 273.158041614, 5e-9, 18.0192807, 3711350.28, 1e-8, 0.0, NoSearch},
      {Pressure, false, 0.101325, 373.150692239, 5e-10, 18.7974006, 30150.2512, 5e-9, 0.0, 26},
      {Pressure, false, 10.0, 584.180458167, 5e-10, 26.1611105, 324.735204, 5e-9, 0.0, 26},
      {Pressure, false, 22.0, 646.919101515, 5e-10, 55.0063366, 66.6004906, 5e-9, 0.0, 28},
      {Temperature, false, 22.0, 646.919101515, 5e-9, 55.0063366, 66.6004906, 1e-8, 0.0, NoSearch},
      // Either side of where the saturated liquid reaches the volume below
      // which the liquid-minus-vapour function takes a root for a liquid
      // (55.948 cm3/mol): above it the search cannot end on the equilibrium.
      {Pressure, false, 22.01636, 646.981946412, 5e-9, 55.94768, 65.61569, 1e-6, 0.0, 28},
      {Pressure, false, 22.01637, 646.981984804, 5e-9, 55.94830, 65.61503, 1e-6, 0.0, NoSearch},
      {Pressure, false, 21.9398, 646.6874004, 5e-8, 50.77023, 69.3652, 1e-6, 0.0, NoSearch},
      {Temperature, false, 21.9398, 646.6874004, 5e-8, 50.77023, 69.3652, 1e-6, 0.0, NoSearch},
      // The pressure the single-loop solve gave for 646.72 K, which it then
      // could not answer.
      {Temperature, false, 21.948268725425521, 646.72, 5e-9, 0.0, 0.0, 0.0, 0.0, NoSearch},
      {Temperature, false, 22.05, 647.1109, 5e-5, 0.0, 0.0, 0.0, 0.0, NoSearch},
      {Pressure, false, 22.054, 647.1262575, 5e-8, 60.31133, 61.07173, 1e-7, 0.0, NoSearch},
  };
  for (const CheckValue& c : cases) {
    const std::string what =
        std::to_string(c.given) + (c.givenT ? " K" : " MPa") + " mode " + std::to_string(c.mode);
    const CoexistenceAnswer a =
        c.givenT ? CoexistenceAtTemperature(c.mode, c.given) : CoexistenceAtPressure(c.mode, c.given);
    ASSERT_TRUE(a.found) << what;
    EXPECT_TRUE(IsCoexistence(a.state)) << what;
    EXPECT_NEAR(c.givenT ? a.state.P : a.state.T, c.answer, c.answerTol) << what;
    if (c.VL > 0.0) {
      EXPECT_NEAR(a.state.VL, c.VL, c.volumeRel * c.VL) << what;
      EXPECT_NEAR(a.state.VV, c.VV, c.volumeRel * c.VV) << what;
    }
    if (c.fugacity > 0.0) {
      EXPECT_NEAR(a.state.fL, c.fugacity, 5e-8 * c.fugacity) << what;
    }
    EXPECT_EQ(a.bySearch ? a.iterations : NoSearch, c.passes) << what;
    // The saturation arrays hold the answer shown.
    EXPECT_TRUE(Globals::MolarVolumes[0] == a.state.VL && Globals::MolarVolumes[1] == a.state.VV) << what;
    EXPECT_TRUE(Globals::Fugacity[0] == a.state.fL && Globals::Fugacity[1] == a.state.fV) << what;
  }
}

// The direct solve against the saturation pressures of the NBS/NRC Steam
// Tables, which the equation was published with.
TEST(Coexistence, DirectSolveGivesTheSteamTablesSaturationPressures) {
  struct Case {
    double T, P, tol;
  };
  const Case cases[] = {
      {373.15, 0.10132, 0.000005},
      {473.15, 1.5537, 0.00005},
      {573.15, 8.5838, 0.00005},
      {623.15, 16.521, 0.0005},
      // The tables give 0.00061173 with their gas constant 8.31441; this
      // equation's 8.314472 gives 0.00061174.
      {273.16, 0.00061174, 0.000000005},
      // 500 K on ITS-90 is 500.04 K on the equation's IPTS-68 scale: about
      // 0.002 MPa less than the 2.639 MPa of tables on ITS-90.
      {500.0, 2.639, 0.0025},
  };
  for (const Case& c : cases) {
    Coexistence state;
    int iterations = 0;
    ASSERT_TRUE(SolveCoexistenceAtTemperature(c.T, state, iterations)) << c.T;
    EXPECT_NEAR(state.P, c.P, c.tol) << c.T;
    EXPECT_GT(iterations, 0) << c.T;

    // And back: the temperature of that pressure.
    Coexistence back;
    ASSERT_TRUE(SolveCoexistenceAtPressure(state.P, back, iterations)) << c.T;
    EXPECT_NEAR(back.T, c.T, 1e-9) << c.T;
  }
}

// At 647.0 K the liquid-minus-vapour function's liquid root lies at a state
// shifted by its retries, not on the isotherm at the pressure given: the
// check refuses such a pair.
TEST(Coexistence, CheckRefusesAStateOffTheIsotherm) {
  const double T = 647.0;
  const double P = 22.0210678841;
  Globals::Function_LV(Pressure, T, P);
  Coexistence shifted{T, P, Globals::MolarVolumes[0], Globals::MolarVolumes[1],
                      Globals::Fugacity[0], Globals::Fugacity[1]};
  EXPECT_LT(shifted.VL, Globals::CritMolarVol);
  EXPECT_GT(std::abs(Globals::Haar_Pressure(T, shifted.VL) - P), 1e-4);
  EXPECT_FALSE(IsCoexistence(shifted));

  const CoexistenceAnswer a = CoexistenceAtTemperature(Pressure, T);
  ASSERT_TRUE(a.found);
  // One and the same root for both phases is no equilibrium either.
  Coexistence single = a.state;
  single.VV = single.VL;
  single.fV = single.fL;
  EXPECT_FALSE(IsCoexistence(single));
}

// Just above the second liquid loop's triple point the saturation search
// settles on a pair of equal pressure and fugacity whose liquid lies on the
// inner branch: a metastable equilibrium, which the check refuses because
// the outer branch's root at that pressure has the lower Gibbs energy.
TEST(Coexistence, CheckRefusesAMetastableLiquid) {
  const double T = 646.6875;
  Coexistence last;
  auto f = [T, &last](double P) {
    const double value = Globals::Function_LV(Pressure, T, P);
    last = Coexistence{T, P, Globals::MolarVolumes[0], Globals::MolarVolumes[1],
                       Globals::Fugacity[0], Globals::Fugacity[1]};
    return value;
  };
  const double P0 = Globals::SaturationP(T);
  ASSERT_TRUE(Globals::DampedSaturationSecant(f, P0, 0.999 * P0).success());
  EXPECT_NEAR(last.P, 21.93982646, 5e-9);
  EXPECT_NEAR(last.VL, 49.29157, 5e-5);
  EXPECT_NEAR(Globals::Haar_Pressure(T, last.VL), last.P, 1e-6);
  EXPECT_NEAR(last.fL, last.fV, 1e-10 * last.P);
  EXPECT_FALSE(IsCoexistence(last));

  const CoexistenceAnswer a = CoexistenceAtTemperature(Pressure, T);
  ASSERT_TRUE(a.found);
  EXPECT_NEAR(a.state.VL, 50.78421, 5e-5);
}

// The equation's own critical point, found from the equation: the highest
// isotherm with an unstable stretch, where that stretch closes.
TEST(CriticalPoint, IsTheEquations) {
  const CriticalPoint& cp = EquationCriticalPoint();
  EXPECT_NEAR(cp.T, 647.12715, 5e-6);
  EXPECT_NEAR(cp.P, 22.054233, 5e-7);
  EXPECT_NEAR(cp.V, 60.6909, 5e-4);
  EXPECT_EQ(cp.bandT, cp.T - CriticalBand);
  // No equilibrium is solved for inside the band or above it.
  Coexistence c;
  int iterations = 0;
  EXPECT_TRUE(SolveCoexistenceAtTemperature(cp.bandT - 1e-6, c, iterations));
  EXPECT_FALSE(SolveCoexistenceAtTemperature(cp.bandT, c, iterations));
  EXPECT_FALSE(SolveCoexistenceAtPressure(cp.bandP, c, iterations));
}

TEST(Homogenization, RefusesWhatLiesOffTheCurve) {
  using enum HomogenizationStatus;
  const CriticalPoint& cp = EquationCriticalPoint();
  const struct {
    bool givenT;
    double value;  // K (0.01 ˚C is solved) or MPa
    HomogenizationStatus status;
  } cases[] = {
      {true, 273.15, OutsideCurve},    {true, 0.01 + 273.15, Solved}, {true, 647.096, Solved},
      {true, 647.1, Solved},           {true, 647.125, Solved},       {true, 647.1271, Solved},
      {true, cp.T, Solved},            {true, 647.1272, OutsideCurve}, {true, 800.0, OutsideCurve},
      {true, 273.16, Solved},          {true, 647.12715, Solved},     {true, 647.12716, OutsideCurve},
      {false, 0.0006, OutsideCurve},   {false, 0.000611657, Solved},   {false, 22.05399, Solved},
      {false, 22.05423, Solved},       {false, 22.05424, OutsideCurve}, {false, 22.056, OutsideCurve},
      {false, 22.054233, Solved},      {false, 22.054234, OutsideCurve},
      {false, 30.0, OutsideCurve},
  };
  for (const auto& c : cases) {
    const Homogenization h = c.givenT ? HomogenizeAtTemperature(Pressure, c.value)
                                      : HomogenizeAtPressure(Pressure, c.value);
    EXPECT_EQ(h.status, c.status) << c.value;
  }
}

// The point is found without letting events run: a handler that asks for
// it meanwhile, while it is still being found, would re-enter its making.
// (Each test runs in a process of its own under ctest, so the point is
// found here for the first time.)
TEST(CriticalPoint, IsFoundWithoutLettingEventsRun) {
  static int yields = 0;
  Globals::SetBackgroundTask([] {
    ++yields;
    EquationCriticalPoint();
  });
  const double T = EquationCriticalPoint().T;
  Globals::SetBackgroundTask(nullptr);
  EXPECT_EQ(yields, 0);
  EXPECT_NEAR(T, 647.12715, 5e-6);
}

// Where the two phases can no longer be told apart, the answer is the
// critical point itself, with no search; just below, two phases.
TEST(Homogenization, CriticalBandGivesTheCriticalPoint) {
  const CriticalPoint& cp = EquationCriticalPoint();
  const struct {
    bool givenT;
    double value;
    bool critical;
  } cases[] = {{true, 647.1271, true},  {true, cp.T, true},         {true, 647.1265, false},
               {false, 22.05422, true}, {false, cp.P, true},        {false, 22.054, false},
               {true, 647.12715, true}, {false, 22.054233, true}};
  for (const auto& c : cases) {
    const Homogenization h = c.givenT ? HomogenizeAtTemperature(Temperature, c.value)
                                      : HomogenizeAtPressure(Temperature, c.value);
    ASSERT_EQ(h.status, HomogenizationStatus::Solved) << c.value;
    if (c.critical) {
      EXPECT_EQ(h.X, c.givenT ? cp.P : cp.T) << c.value;
      EXPECT_EQ(h.iterations, 0) << c.value;
      EXPECT_TRUE(h.state.T == cp.T && h.state.P == cp.P) << c.value;
      EXPECT_TRUE(h.state.VL == cp.V && h.state.VV == cp.V) << c.value;
      EXPECT_EQ(Globals::Fugacity[1], Globals::Fugacity[0]) << c.value;
    } else {
      EXPECT_TRUE(IsCoexistence(h.state)) << c.value;
      EXPECT_LT(h.state.VL, cp.V) << c.value;
      EXPECT_GT(h.state.VV, cp.V) << c.value;
    }
  }
}

// The homogenization temperature of a bulk volume is the equation's: just
// below it the sample is two phases with shares in [0, 1], just above it one.
TEST(Homogenization, TemperatureOfAVolumeIsWhereItStopsBeingTwoPhases) {
  const struct {
    double V;
    double Th;  // K; 0: the two-phase test below and one-phase test above only
  } cases[] = {
      {30.0, 0.0}, {1000.0, 0.0}, {49.0, 0.0}, {80.0, 0.0}, {1e6, 0.0},
      // The equation's liquid is 56.25 cm3/mol at 647.0 K already (the
      // auxiliary curve gives a Th of 647.096 K).
      {56.0, 0.0},
      // Between the two liquid branches' volumes at the triple point of the
      // second loop (49.19 and 50.71 cm3/mol): that temperature.
      {50.0, 646.687043},
      // Next to either branch's volume, where g barely crosses 0 on one side.
      {49.192, 646.687043}, {50.708, 646.687043},
  };
  for (const auto& c : cases) {
    const std::optional<double> Th = HomogenizationTemperatureOfVolume(c.V);
    ASSERT_TRUE(Th.has_value()) << c.V;
    if (c.Th > 0.0) {
      EXPECT_NEAR(*Th, c.Th, 1e-6) << c.V;
    }
    if (c.V == 56.0) {
      EXPECT_LT(*Th, 647.0);
    }
    double phi = -1.0;
    for (double dT : {-1e-6, -1e-3, -1.0}) {
      Coexistence below;
      int iterations = 0;
      ASSERT_TRUE(SolveCoexistenceAtTemperature(*Th + dT, below, iterations)) << c.V;
      EXPECT_TRUE(LiquidVolumeFraction(c.V, below.VL, below.VV, phi)) << c.V << " " << dT;
    }
    Coexistence above;
    int iterations = 0;
    ASSERT_TRUE(SolveCoexistenceAtTemperature(*Th + 1e-6, above, iterations)) << c.V;
    EXPECT_FALSE(LiquidVolumeFraction(c.V, above.VL, above.VV, phi)) << c.V;
  }
  const CriticalPoint& cp = EquationCriticalPoint();
  EXPECT_EQ(HomogenizationTemperatureOfVolume(cp.V), cp.T);
  EXPECT_NEAR(HomogenizationTemperatureOfVolume(60.69).value_or(0.0), cp.bandT, 1e-9);
  // Denser than the triple point's liquid, or thinner than its vapour.
  EXPECT_FALSE(HomogenizationTemperatureOfVolume(18.0).has_value());
  EXPECT_FALSE(HomogenizationTemperatureOfVolume(4e6).has_value());
  EXPECT_FALSE(HomogenizationTemperatureOfVolume(0.0).has_value());
}

// The lever rule gives a share only for a bulk volume between the two
// coexisting volumes (the shares of two-phase states are the check values
// of the liquid-vapour equilibrium window's test).
TEST(Homogenization, VolumeFractionOnlyForTwoPhases) {
  double phi = -1.0;
  const std::pair<double, double> twoPhasesOff[] = {{20.0, 500.0}, {2000.0, 500.0}};
  for (const auto& [V, T] : twoPhasesOff) {
    const CoexistenceAnswer a = CoexistenceAtTemperature(Pressure, T);
    ASSERT_TRUE(a.found) << V;
    EXPECT_FALSE(LiquidVolumeFraction(V, a.state.VL, a.state.VV, phi)) << V;
  }
  ASSERT_TRUE(LiquidVolumeFraction(18.0, 18.0, 30000.0, phi));
  EXPECT_EQ(phi, 1.0);
  ASSERT_TRUE(LiquidVolumeFraction(30000.0, 18.0, 30000.0, phi));
  EXPECT_EQ(phi, 0.0);
}

// An answer does not depend on what was solved before it: each of these,
// solved in turn, then again in the reverse order and twice in a row (the
// second time on the isotherm kept from the first), is the same to the bit.
TEST(Coexistence, AnswerIndependentOfWhatWasSolvedBefore) {
  enum Kind { AtT, AtP, ThOfV };
  const struct {
    Kind kind;
    int mode;
    double given;
  } rows[] = {
      {AtT, Pressure, 646.6875}, {AtT, Temperature, 646.69}, {AtT, Pressure, 647.05},
      {AtP, Pressure, 22.046},   {AtP, Temperature, 21.9398}, {AtP, Pressure, 10.0},
      {ThOfV, 0, 50.708},        {ThOfV, 0, 57.0},
  };
  using Answer = std::array<double, 8>;
  auto solve = [&rows](std::size_t i) {
    const auto& r = rows[i];
    if (r.kind == ThOfV) {
      const std::optional<double> Th = HomogenizationTemperatureOfVolume(r.given);
      return Answer{Th.has_value() ? 1.0 : 0.0, Th.value_or(0.0)};
    }
    const Homogenization h = r.kind == AtT ? HomogenizeAtTemperature(r.mode, r.given)
                                           : HomogenizeAtPressure(r.mode, r.given);
    return Answer{static_cast<double>(h.status), h.X, static_cast<double>(h.iterations),
                  h.state.T, h.state.VL, h.state.VV, h.state.fL, h.state.fV};
  };
  std::vector<Answer> first;
  for (std::size_t i = 0; i < std::size(rows); ++i) first.push_back(solve(i));
  for (std::size_t i = std::size(rows); i-- > 0;) {
    EXPECT_EQ(solve(i), first[i]) << "row " << i;
    EXPECT_EQ(solve(i), first[i]) << "row " << i << ", again";
  }
}

// Every 0.01 K of the dense scan's grid (the slow run takes every 0.0005 K), among them
// temperatures and pressures where a solve that assumed one loop had no
// answer (646.6879 to 646.6972 K, 21.9400 to 21.9579 MPa).
TEST(CurveScan, SampleUpToTheCriticalPoint) { curvescan::ScanUpToTheCriticalPoint(20); }

}  // namespace
