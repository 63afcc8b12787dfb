// The state searches: only mechanically stable states are answers, the
// phase stable by the equation's own equilibrium is the one the state step
// and the automatic approach give, and figures outside the equation's range
// are refused, each with its reason. Check values from the steam tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "eos/Globals.h"
#include "thermo/Coexistence.h"
#include "thermo/ResponseValues.h"
#include "thermo/StateSearch.h"
#include "thermo/StateValues.h"
#include "thermo/internal/IsochoreScan.h"
#include "thermo/internal/RootPolish.h"

namespace {

using namespace thermo;

constexpr double kMolarMass = 18015.28;  // kg/m3 times cm3/mol
constexpr double kR = 8.314472;
constexpr Approach kAuto = Approach::Automatic;

// The rule as an answer: the volume, or none with the reason.
Answer Accepted(double T, double P, double V) {
  return StateRefusal(T, P, V) == Reason::None ? Answer::Figure(V) : Answer::None(StateRefusal(T, P, V));
}
// Temperatures from a manual start.
Answer From(double P, double V, double start) { return TemperatureFromApproach(P, V, Approach::Manual, start); }
// The same, a figure only where the equation gives P back there to 1e-9.
Answer FromBack(double P, double V, double start) {
  const Answer T = From(P, V, start);
  const bool back = std::abs(PressureOfState(T.value, V).value / P - 1) <= 1e-9;
  return T.HasFigure() && !back ? Answer::None(Reason::NoValue) : T;
}

struct Case {
  const char* what;
  std::function<Answer()> run;
  Reason why;             // Reason::None: a figure
  double expected = 0.0;  // the figure, where one is checked
  double tolerance = 0.0;
};

TEST(StateSearch, StableStatesOnlyTheStablePhaseAndTheEquationsRange) {
  const Case cases[] = {
      // Roots where the pressure rises with the volume are no state of water.
      {"Temperatures, 100 cm3/mol, 1 MPa: inside the two-phase region",
       [] { return TemperatureFromApproach(1, 100, kAuto, 0); }, Reason::TwoPhaseState},
      {"Temperatures, 45 cm3/mol, 500 MPa from 350 K: not the root between the spinodals, 362.448 K",
       [] { return TemperatureFromApproach(500, 45, Approach::Manual, 350); }, Reason::None, 2054.1888, 1e-3},
      {"Molar Volume, 573.15 K, 8.216134 MPa, manual start 100",
       [] { return VolumeFromApproach(573.15, 8.216134, Approach::Manual, 100); }, Reason::UnstableRoot},
      // Nor is a root on the stretch between the spinodals (1741.72 MPa at
      // 300 K and 50 cm3/mol), where water is compressed liquid.
      {"Molar Volume, 300 K, 1741.72 MPa, manual start 50",
       [] { return VolumeFromApproach(300, 1741.72, Approach::Manual, 50); }, Reason::TwoPhaseRoot},
      {"Molar Volume, 260 K, 1e-6 MPa, manual start 40: the vapour from another start",
       [] { return VolumeFromApproach(260, 1e-6, Approach::Manual, 40); }, Reason::TwoPhaseRoot},
      {"Molar Volume, 230 K, 1 MPa, manual start 40: no volume from any start",
       [] { return VolumeFromApproach(230, 1, Approach::Manual, 40); }, Reason::TwoPhaseState},
      // Temperatures answers the isochore's accepted root wherever it has
      // one, also where the search from its start reaches none (349.8495 K
      // gives 0.0009999689 MPa at 18.5 cm3/mol), up to the top of the
      // equation's window; where it has none, the reason its roots have.
      {"Temperatures, 18.5 cm3/mol, 0.001 MPa", [] { return TemperatureFromApproach(0.001, 18.5, kAuto, 0); },
       Reason::None, 349.8495, 1e-4},
      {"Temperatures, 40 cm3/mol, 1671.7774166100476 MPa from 290 K",
       [] { return TemperatureFromApproach(1671.7774166100476, 40, Approach::Manual, 290); }, Reason::None,
       5344.5, 1e-6},
      {"Temperatures, 60 cm3/mol, 1000 MPa: only inside the loop, about 295 K",
       [] { return TemperatureFromApproach(1000, 60, kAuto, 0); }, Reason::TwoPhaseState},
      {"Temperatures, 18 cm3/mol, 0.001 MPa: only below 260 K",
       [] { return TemperatureFromApproach(0.001, 18, kAuto, 0); }, Reason::TemperatureBelowRange},
      {"Temperatures, 15 cm3/mol, 1e-30 MPa: none at all",
       [] { return TemperatureFromApproach(1e-30, 15, kAuto, 0); }, Reason::NoTemperatureForPressure},
      {"1e6 cm3/mol, 0.001648497 MPa", [] { return From(0.001648497, 1e6, 300); }, Reason::TemperatureBelowRange},
      // The nearer of two roots 0.05 K apart; Pressures' states 1e-12 K above 260 K, a double below the top.
      {"two roots, from 6000 K", [] { return From(0.105041957357, 18.0153, 6000); }, Reason::None, 277.4972, 1e-4},
      {"18.0153 cm3/mol from 260 K", [] { return From(5.9320009298433689, 18.0153, 260); }, Reason::None, 260, 3e-7},
      {"27.060804 cm3/mol", [] { return From(2960.0715768697364, 27.060804, 300); }, Reason::None, 5344.82298, 1e-5},
      // Where a dense isochore turns, every temperature of a band some 2e-3 K
      // wide gives P back: Pressures' states there come back; so does the
      // root nearest the start where the second root lies in the same step
      // as a state at 260 K (or a hair above it).
      {"turn, 15.02475 cm3/mol", [] { return FromBack(726.67450515708231, 15.024749999999999, 300); },
       Reason::None, 288.82717, 2e-3},
      {"turn, 15.858 cm3/mol", [] { return FromBack(417.07981911826994, 15.858000000000001, 260); },
       Reason::None, 268.81192, 2e-3},
      {"turn, 17.4585 cm3/mol", [] { return FromBack(65.8619952193676, 17.458500000000001, 300); }, Reason::None,
       260.10398, 2e-3},
      {"260 K, 17.458 cm3/mol", [] { return FromBack(65.922644596375122, 17.458, 5344.8); }, Reason::None,
       260.1598, 1e-4},
      {"260 K + 1e-9, 17.457 cm3/mol", [] { return FromBack(66.043702094290339, 17.457, 5344.8); }, Reason::None,
       260.0628, 1e-4},
      {"260.08 K, 17.46 cm3/mol, from -1 K", [] { return FromBack(65.680412394474629, 17.46, -1); }, Reason::None,
       260.08, 2e-3},
      // The outer side of the ends: gas roots 1e-5 K below 260 K and 0.02 K
      // above the top; a search that stops near the top is no answer.
      {"1e6 cm3/mol, root 1e-5 K below 260 K", [] { return From(0.0021567243504323945, 1e6, 300); },
       Reason::TemperatureBelowRange},
      {"root 0.02 K above the top", [] { return TemperatureFromApproach(0.00025967870526597697, 171132830.41617811, kAuto, 0); },
       Reason::NoTemperatureForPressure},
      // A root 1.1e-5 K above the top, the other below 260 K on the stretch
      // between the spinodals: no temperature of the range, not "below 260 K".
      {"roots above the top and below 260 K", [] { return TemperatureFromApproach(757.9099, 73.475551317736318, kAuto, 0); },
       Reason::NoTemperatureForPressure},
      // The search from 5000 K stops a hair below the top, no answer; the
      // reason is the two-phase root's at 297 K, from every start.
      {"two-phase root, the search stopped at the top", [] { return From(975.0926710378975, 60, 5000); },
       Reason::TwoPhaseState},
      // A liquid at 1e-5 MPa whose root lies 1e-8 K below 260 K, where the
      // rounding scatters its pressure by some 5e-9 MPa: 260 K gives P back
      // within it, and is nearer the start than the root at 300 K.
      {"liquid, 1e-5 MPa, root a hair below 260 K", [] { return From(1.0006475193335973e-05, 18.078165195394291, -1); },
       Reason::None, 260, 1e-9},
      // A liquid at 1e-10 MPa: the equation's rounding, about 1e-9 MPa, is the match.
      {"liquid, 1e-10 MPa", [] { return From(1e-10, 18.294398320592489, -1); }, Reason::None, 330, 1e-8},
      {"state step, 600 K, 60 cm3/mol", [] { return StateStepPressure(600, 60); }, Reason::TwoPhaseState},
      {"state step, 400 K, 1000 cm3/mol", [] { return StateStepPressure(400, 1000); }, Reason::TwoPhaseState},
      {"state step, 500 K, 100 cm3/mol", [] { return StateStepPressure(500, 100); }, Reason::TwoPhaseState},
      // Metastable vapour (beyond the saturated volume, before the spinodal)
      // is a state; the Pressures window shows the loop's own pressure.
      {"state step, metastable vapour at 400 K", [] { return StateStepPressure(400, 10000); }, Reason::None},
      {"Pressures, 600 K, 60 cm3/mol", [] { return PressureOfState(600, 60); }, Reason::None, 10.61993, 1e-5},
      // The equation's own saturation pressure decides the phase:
      // 0.1013225 MPa at 373.15 K (steam tables 0.10132), 12.3394 at 600 K.
      {"state step, 373.15 K, 0.101325 MPa: liquid", [] { return StateStepVolume(373.15, 0.101325); },
       Reason::None, kMolarMass / 958.35, 0.002},
      // The vapour: the saturated vapour's 0.597586 kg/m3 at 373.1243 K and
      // 0.101325 MPa, carried to this state as an ideal gas.
      {"state step, 373.15 K, 0.1013 MPa: vapour", [] { return StateStepVolume(373.15, 0.1013); },
       Reason::None, kMolarMass / 0.597586 * (373.15 / 373.1243) * (0.101325 / 0.1013), 5},
      {"state step, 600 K, 12.34 MPa: liquid", [] { return StateStepVolume(600, 12.34); }, Reason::None,
       kMolarMass / 649.41, 0.05},
      {"automatic, 573.15 K, 10 MPa", [] { return VolumeFromApproach(573.15, 10, kAuto, 0); }, Reason::None,
       kMolarMass / 715.582, 2e-3},
      // Below 273.16 K the automatic approach starts as the state step does.
      {"automatic, 0 C, 10 MPa", [] { return VolumeFromApproach(273.15, 10, kAuto, 0); }, Reason::None,
       kMolarMass / 1004.813, 2e-3},
      {"automatic, 0 C, 500 MPa", [] { return VolumeFromApproach(273.15, 500, kAuto, 0); }, Reason::None,
       kMolarMass / 1152.606, 2e-3},
      {"automatic, 260 K, 0.1 MPa", [] { return VolumeFromApproach(260, 0.1, kAuto, 0); }, Reason::None},
      // The vapour (an ideal gas) far below the saturation pressure, down to 1e-30 MPa.
      {"automatic, 273.15 K, 1e-20 MPa", [] { return VolumeFromApproach(273.15, 1e-20, kAuto, 0); },
       Reason::None, kR * 273.15 / 1e-20, 1e14},
      {"state step, 4.9e-324 MPa", [] { return StateStepVolume(273.15, 4.9e-324); },
       Reason::PressureBelowRange},
      // The equation's range.
      {"state step, 300 K, 1e6 MPa", [] { return StateStepVolume(300, 1e6); }, Reason::PressureAboveRange},
      {"state step, 1800 K, 3000 MPa", [] { return StateStepVolume(1800, 3000); }, Reason::None},
      // Both steps complete only states the calculators accept.
      {"state step, 300 K, 3000 MPa", [] { return StateStepVolume(300, 3000); }, Reason::VolumeBelowRange},
      {"state step, 259 K, 0.1 MPa", [] { return StateStepVolume(259, 0.1); }, Reason::TemperatureBelowRange},
      {"state step, 1800 K, 15 cm3/mol", [] { return StateStepPressure(1800, 15); }, Reason::PressureAboveRange},
      {"state step, 300 K, 18.2 cm3/mol", [] { return StateStepPressure(300, 18.2); },
       Reason::PressureNotAboveZero},
      {"rule, 260 K", [] { return Accepted(260, 0.1, 18); }, Reason::None},
      {"rule, 14.99 cm3/mol", [] { return Accepted(2000, 2000, 14.99); }, Reason::VolumeBelowRange},
      {"rule, 3000.001 MPa", [] { return Accepted(2000, 3000.001, 16); }, Reason::PressureAboveRange},
      // Caloric figures up to 3000 K; Cp 2.541 kJ/(kg K) at 1373.15 K.
      {"Cp, 1373.15 K, 0.1 MPa",
       [] { return IsobaricHeatCapacity(1373.15, StateStepVolume(1373.15, 0.1).value); },
       Reason::None, 2.541 * 18.01528, 0.01},
      {"Cv, 3000 K", [] { return IsochoricHeatCapacity(3000, kR * 3000 / 0.1); }, Reason::None},
      {"Cp, 3200 K", [] { return IsobaricHeatCapacity(3200, kR * 3200 / 0.1); }, Reason::AboveCaloricRange},
      {"Joule-Thomson, 4500 K", [] { return JouleThomsonCoefficient(4500, kR * 4500 / 0.1); },
       Reason::AboveCaloricRange},
      {"viscosity, 5000 K", [] { return Viscosity(5000, kR * 5000 / 0.1); }, Reason::None},
      {"dielectric constant, 5000 K", [] { return DielectricConstant(5000, kR * 5000 / 0.1); }, Reason::None},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Answer a = c.run();
    EXPECT_EQ(a.reason, c.why);
    EXPECT_EQ(a.value == 0.0, c.why != Reason::None);
    if (c.tolerance > 0) {
      EXPECT_NEAR(a.value, c.expected, c.tolerance);
    }
  }
}

// The isotherm at T on a fine grid of volumes from 15 cm3/mol, each point
// with its pressure and whether the pressure falls with the volume there,
// and the number of the stretch of falling pressure it lies on.
struct IsothermPoint {
  double V, P;
  bool falls;
  int stretch;
};
std::vector<IsothermPoint> ScanIsotherm(double T) {
  std::vector<IsothermPoint> points;
  int stretch = 0;
  for (double V = 15; V < 1e5; V *= V < 200 ? 1.001 : 1.01) {
    const bool falls = Globals::Haar_dPdRho(T, V) > 0;
    if (falls && !points.empty() && !points.back().falls) ++stretch;
    points.push_back({V, Globals::Haar_Pressure(T, V), falls, stretch});
  }
  return points;
}

// Wherever the isotherm has a stable root from 15 cm3/mol up, the state
// step and the automatic approach give a root, stable, and of no higher
// fugacity than any root of the scan (at the interpolated root, where it is
// stationary). A root is where the pressure falls through P between two grid
// volumes on a stretch of falling pressure (a narrow loop hidden between them
// leaves a stable root on either side), on the compressed liquid's or the
// gas's stretch only: at low temperatures the one between them lies deep in
// the two-phase region and is no phase of water. Pressures log-spaced, or as
// factors of the auxiliary saturation pressure; the slow run takes each grid
// four times as dense each way.
#ifdef TARVO_DENSE_GRID
constexpr int kGridScale = 4;
#else
constexpr int kGridScale = 1;
#endif

TEST(StateSearch, NoRefusalWhereTheIsothermHasAStableRoot) {
  const struct {
    const char* what;
    double T0, T1;
    int nT;
    double P0, P1;
    int nP;
    bool aroundSaturation = false;
  } grids[] = {
      {"the range", 260, 5300, 100, 1, 3000, 100},
      {"near the critical point", 646, 647.127, 40, 0.995, 1.005, 21, true},
      {"619.15 K, 206 MPa", 619.15, 619.15, 1, 206, 206, 1},
      {"744 K, 86 MPa", 744, 744, 1, 86, 86, 1},
      {"1518 K, 895 MPa", 1518, 1518, 1, 895, 895, 1},
      {"646.328 K, 21.854547706545272 MPa", 646.328, 646.328, 1, 21.854547706545272,
       21.854547706545272, 1},
  };
  auto at = [](double from, double to, int i, int n, bool log) {
    if (n == 1) return from;
    const double t = double(i) / (n - 1);
    return log ? from * std::pow(to / from, t) : from + (to - from) * t;
  };
  for (const auto& g : grids) {
    SCOPED_TRACE(g.what);
    const int nT = g.nT == 1 ? 1 : g.nT * kGridScale;
    const int nP = g.nP == 1 ? 1 : g.nP * kGridScale;
    int refusals = 0;
    for (int i = 0; i < nT; ++i) {
      const double T = at(g.T0, g.T1, i, nT, false);
      const std::vector<IsothermPoint> iso = ScanIsotherm(T);
      const int gas = iso.back().falls ? iso.back().stretch : -1;
      const double Ps = T < 647.096 ? Globals::SaturationP(T) : 22.064;
      for (int j = 0; j < nP; ++j) {
        const double P = g.aroundSaturation ? Ps * at(g.P0, g.P1, j, nP, false) : at(g.P0, g.P1, j, nP, true);
        double lowestF = INFINITY;
        for (size_t k = 0; k + 1 < iso.size(); ++k) {
          const IsothermPoint &a = iso[k], &b = iso[k + 1];
          const bool water = (a.stretch == 0 && iso[0].falls) || a.stretch == gas;
          if (!(water && a.falls && b.falls && a.P >= P && P > b.P)) continue;
          const double V = a.V + (b.V - a.V) * (a.P - P) / (a.P - b.P);
          lowestF = std::min(lowestF, Globals::Haar_Fugacity(T, P, V));
        }
        if (lowestF == INFINITY) continue;  // no stable root from 15 cm3/mol up
        const Answer step = StateStepVolume(T, P);
        const Answer automatic = VolumeFromApproach(T, P, kAuto, 0);
        for (const Answer* V : {&step, &automatic}) {
          const bool fine = V->HasFigure() && std::abs(Globals::Haar_Pressure(T, V->value) - P) < 1e-6 * P &&
                            MechanicallyStable(T, V->value) &&
                            Globals::Haar_Fugacity(T, P, V->value) <= lowestF * (1 + 1e-6);
          if (!fine && ++refusals <= 10)
            ADD_FAILURE() << (V == &step ? "state step " : "automatic ") << T << " K " << P << " MPa: " << V->value;
        }
      }
    }
    EXPECT_EQ(refusals, 0);
  }
}

// Below the critical temperature no state from the first volume past the
// saturated liquid where the pressure stops falling to the last such below
// the saturated vapour is handed on; the metastable states outside them are.
// From 646.69 to 646.697 K the saturated liquid lies on the second liquid
// loop's branch: the liquid runs on past the first branch's top to the second's.
TEST(StateSearch, NoStateBetweenTheSpinodals) {
  std::vector<double> temperatures{646.69, 646.693, 646.696};
  for (double T = 260; T < 647; T += 7) temperatures.push_back(T);
  int wrong = 0;
  for (const double T : temperatures) {
    Coexistence c;
    int passes = 0;
    ASSERT_TRUE(SolveCoexistenceAtTemperature(T, c, passes)) << T;
    const std::vector<IsothermPoint> iso = ScanIsotherm(T);
    auto unstable = [&](const IsothermPoint& p) { return !p.falls && p.V > c.VL && p.V < c.VV; };
    const double from = std::find_if(iso.begin(), iso.end(), unstable)->V;
    const double to = std::find_if(iso.rbegin(), iso.rend(), unstable)->V;
    for (const IsothermPoint& p : iso) {
      const bool between = p.V >= from && p.V <= to;
      if (between || (p.V > c.VL && p.V < c.VV && p.P > 0))
        wrong += StateStepPressure(T, p.V).HasFigure() == between;
    }
  }
  EXPECT_EQ(wrong, 0);  // states between the spinodals handed on, metastable ones refused
}

// Where the vapour is stable, the state step from T and V and the one from
// T and P give each other's state back down to 1e-30 MPa, and refuse below.
TEST(StateSearch, TheVapourDownToTheLowestPressureAndBack) {
  for (double T : {260.0, 273.15, 300.0, 450.0, 600.0, 646.0, 700.0, 1500.0, 5300.0}) {
    const double floorV = StateStepVolume(T, MinPressure).value;  // the state at the floor
    for (double V : {1e8, 3.16e9, 1e11, 1e14, 1e17, 1e20, 1e23, 1e26, 1e29, 1e32, floorV, 1e35, 1e38}) {
      const bool below = Globals::Haar_Pressure(T, V) < MinPressure * (1 - 5e-8);
      const Answer P = StateStepPressure(T, V);
      EXPECT_EQ(P.reason, below ? Reason::PressureBelowRange : Reason::None) << T << " K " << V;
      EXPECT_NEAR(StateStepVolume(T, P.value).value / V, below ? 0 : 1, 1e-11) << T << " K " << V;
    }
  }
}

// Away from the thin band between the auxiliary and the equation's own
// saturation pressure, the state step gives the root of its search start,
// refined to the last bits but never moved to another root.
TEST(StateSearch, OutsideTheSaturationBandTheRootOfTheSearchStart) {
  for (double T = 275; T < 647; T += 12.5) {
    const double ps = Globals::SaturationP(T);
    for (double factor : {0.05, 0.5, 0.98, 1.02, 2.0, 50.0}) {
      const double P = ps * factor;
      if (P > MaxPressure) continue;
      SCOPED_TRACE(testing::Message() << T << " K " << P << " MPa");
      const Answer V = StateStepVolume(T, P);
      ASSERT_TRUE(V.HasFigure());
      const double root = Globals::Haar_Volume(T, P, VolumeSearchStart(T, P));
      EXPECT_NEAR(V.value, root, 1e-5 * root);
    }
  }
}

// Every search gives a root at which the equation gives the asked pressure
// back to 1e-9 or better, so that a state handed on gives another window's
// own step the digits it shows: also a liquid at a few kPa, whose pressure
// the equation's rounding scatters by some 1e-6 from one double to the next.
// The temperature polish does so from a start a ten-millionth off the root,
// beyond what its last stage's steps to neighbouring doubles reach.
TEST(StateSearch, TheRootGivesTheAskedPressureBack) {
  const struct {
    const char* what;
    double T, P;
    double startV, startT;  // the manual first approaches
  } cases[] = {
      {"metastable liquid, 479.15 K", 479.15, 0.005876, 21, 480},
      {"liquid, -8.3739 C", 273.15 - 8.3739, 0.00095255, 18, 265},
      {"liquid, 290 K", 290, 0.002704917, 18, 291},
      {"vapour, 400 K", 400, 0.2, 16000, 401},
      {"near the critical point", 647.2, 22.1, 56, 647},
      {"compressed, 1800 K", 1800, 3000, 15.6, 1790},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto back = [&c](const char* search, const Answer& T, const Answer& V) {
      ASSERT_TRUE(T.HasFigure() && V.HasFigure()) << search;
      EXPECT_LE(std::abs(PressureOfState(T.value, V.value).value / c.P - 1), 1e-9) << search;
    };
    const Answer atT = Answer::Figure(c.T);
    const Answer automatic = VolumeFromApproach(c.T, c.P, kAuto, 0);
    const Answer manual = VolumeFromApproach(c.T, c.P, Approach::Manual, c.startV);
    back("state step", atT, StateStepVolume(c.T, c.P));
    back("automatic", atT, automatic);
    back("manual", atT, manual);
    // The temperature searches at the volumes found.
    back("temperature, automatic", TemperatureFromApproach(c.P, automatic.value, kAuto, 0), automatic);
    back("temperature, manual", TemperatureFromApproach(c.P, manual.value, Approach::Manual, c.startT), manual);
    back("temperature polish", Answer::Figure(detail::PolishedTemperature(c.P, automatic.value, c.T * (1 + 1e-7))),
         automatic);
  }
}

// The one test of a Temperatures answer where the equation's rounding is
// coarser than 1e-9 of P: at the pressure minimum of an isochore of
// ordinary water (near 4 ˚C), where the pressure scatters by some 5e-9 MPa
// from one double of T to the next. A temperature is an answer where it
// misses P by no more than 1e-9 of P beyond the pressure's spread over the
// four doubles on either side of it.
TEST(StateSearch, AnAnswerMissesThePressureByNoMoreThanTheEquationsRounding) {
  const struct {
    const char* what;
    double P, V, T;
    bool answer;
  } cases[] = {
      {"the state itself", 0.24436124178570395, 18.014060551456037, 277.44602679371235, true},
      {"to 8.4e-10 of P", 5.2939216986423077, 17.969386178703967, 276.44654394805877, true},
      // 6.3e-9 MPa off: 1.2e-9 of P, within 1e-9 of P beyond a spread of 3.3e-9.
      {"to 1e-9 of P beyond the rounding", 5.2939216986423077, 17.969386178703967, 276.44647963334404, true},
      // 9.4e-10 MPa off, where the pressure spreads by 3.2e-9 MPa over the
      // four doubles either way, by 3.5e-10 over the next double only.
      {"within the rounding of four doubles", 0.24436124178570395, 18.014060551456037, 277.44591866852937, true},
      // 1.9e-9 MPa off, where the spread over four doubles either way is
      // 1.3e-9 MPa (over eight, 2.0e-9).
      {"beyond the rounding of four doubles", 0.24436124178570395, 18.014060551456037, 277.44609705836939, false},
      {"30 times the rounding off", 0.24436124178570395 + 1.5e-7, 18.014060551456037, 277.44602679371235, false},
      // States at which the equation gives P exactly, but no water or
      // outside the range.
      {"two-phase", Globals::Haar_Pressure(540, 100), 100, 540, false},
      {"below 260 K", Globals::Haar_Pressure(259.9, 18), 18, 259.9, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(detail::IsAnswer(c.P, c.V, c.T), c.answer) << c.what;
  }
}

// The root the temperature search reaches from its start, refined, is the
// answer as it is wherever it is one, also where it gives P back only
// within the equation's rounding (a liquid at 1e-10 MPa): the isochore is
// scanned only where it is not, and the scan's answer may be another double
// of the same band, or another root.
TEST(StateSearch, TheSearchsOwnRootIsTheAnswerWhereItIsOne) {
  const struct {
    double P, V, start;
  } cases[] = {
      {1e-10, 18.294398320592489, 300},
      {1e-10, 18.294398320592489, 1000},
      {0.2, 16000, 401},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.P << " MPa, " << c.V << " cm3/mol from " << c.start << " K");
    const double root = detail::PolishedTemperature(c.P, c.V, Globals::Haar_Temperature(c.P, c.V, c.start));
    ASSERT_TRUE(detail::IsAnswer(c.P, c.V, root));
    EXPECT_EQ(From(c.P, c.V, c.start).value, root);
  }
}

// Where an isochore of ordinary water turns (its pressure minimum near
// 4 ˚C, at 0.1 to 10 MPa), the states Pressures and Molar Volume show come
// back from every first approach, each as an answer within the band of
// temperatures that give the pressure back. Also a pressure the isochore
// gives only within its rounding, and one a turn that the scan splits off a
// step gives exactly.
TEST(StateSearch, TemperaturesComeBackWhereOrdinaryWaterTurns) {
  const double top = Globals::Haar_HighestWindowTemperature();
  const struct {
    const char* what;
    std::function<double()> V;
    std::function<double(double V)> P;
    std::vector<double> roots;  // an answer lies within `tolerance` of one
    double tolerance;
  } cases[] = {
      {"Pressures, 277.446 K, 0.244 MPa", [] { return 18.014060551456037; },
       [](double V) { return StateStepPressure(277.44602679371235, V).value; }, {277.44602679371235}, 2e-3},
      {"Pressures, 277.469 K, 0.124 MPa", [] { return 18.01512812285733; },
       [](double V) { return StateStepPressure(277.4693854542918, V).value; }, {277.4693854542918}, 2e-3},
      // The isochore through 4 ˚C and 0.1 MPa turns at 277.47 K (the
      // equation's density maximum lies a third of a kelvin above the
      // measured 3.98 ˚C): 277.15 K and 277.7996 K both give 0.1 MPa.
      {"Molar Volume, 4 C, 0.1 MPa", [] { return VolumeFromApproach(277.15, 0.1, kAuto, 0).value; },
       [](double) { return 0.1; }, {277.15, 277.7996}, 1e-4},
      {"5.29 MPa, given back within the rounding only", [] { return 17.969386178703967; },
       [](double) { return 5.2939216986423077; }, {276.4465}, 2e-3},
      // The isochore turns 1e-5 K above a point of the scan (276.34529 K),
      // whose own pressure the rounding puts below P, and the equation
      // gives P exactly at the turn: the highest answer is the turn.
      {"exactly at a turn split off a step", [] { return 17.964967943296159; },
       [](double) { return 5.796180666423929; }, {276.34530464309216}, 2e-3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const double V = c.V();
    const double P = c.P(V);
    ASSERT_GT(P, 0);
    for (const double start : {0.0, 260.0, 277.0, 300.0, 1000.0, -1.0, top, 5000.0, 1e6}) {
      const Answer T = start == 0 ? TemperatureFromApproach(P, V, kAuto, 0) : From(P, V, start);
      ASSERT_TRUE(T.HasFigure()) << "from " << start << ": " << ReasonText(T.reason);
      const auto near = [&T, &c](double root) { return std::abs(T.value - root) <= c.tolerance; };
      EXPECT_TRUE(std::any_of(c.roots.begin(), c.roots.end(), near)) << "from " << start << ": " << T.value;
      EXPECT_TRUE(detail::IsAnswer(P, V, T.value)) << "from " << start;
    }
  }
  // The answer nearest a start far above is the turn itself, not the root a
  // hair below it that the step before brackets.
  EXPECT_EQ(From(5.796180666423929, 17.964967943296159, 1e6).value, 276.34530464309216);
}

// Where the state step's volume search starts: the side of the auxiliary
// saturation curve below 647.067 K, a fixed volume from it up.
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
