// The response windows: figures, "no result", units and the unit pair.
#include <QColor>

#include <array>
#include <cmath>
#include <iterator>

#include "tests/state/StateTest.h"
#include "windows/response/CPWindow.h"
#include "windows/response/CVWindow.h"
#include "windows/response/DielectricWindow.h"
#include "windows/response/JouleWindow.h"
#include "windows/response/SoundWindow.h"
#include "windows/response/ViscosityWindow.h"

namespace {

using statetest::Number;
using statetest::Open;
using statetest::Press;
using statetest::StateStep;
using statetest::Text;

using ResponseTest = statetest::PicturesTest;

// The check states: liquid at 25 ˚C, the liquid at the triple point (its
// saturation pressure gives the vapour in T,P mode, so by its volume),
// compressed liquid at 500 K, steam at 500 ˚C.
struct CheckState {
  const char* mode;
  const char* T;
  const char* given;
};
constexpr CheckState kStates[] = {
    {"RadioButtonTP", "298.15", "0.1"},
    {"RadioButtonTV", "273.16", "18.0192779"},
    {"RadioButtonTP", "500", "10"},
    {"RadioButtonTP", "773.15", "10"},
};

// The figure at each check state to the seven digits shown, the first also
// against the published one; its unit label (none for a pure number); a look.
template <class W>
void ExpectFigures(const std::array<double, 4>& expected, double published, double tolerance,
                   const char* unit) {
  ui::Window* w = Open<W>();
  for (std::size_t i = 0; i < std::size(kStates); ++i) {
    const CheckState& s = kStates[i];
    StateStep(w, s.mode, s.T, s.given);
    Press(w, "calculate");
    const double shown = Number(w, "Result");
    EXPECT_NEAR(shown, expected[i], 1e-6 * std::abs(expected[i])) << s.T << " K " << s.given;
    if (i == 0) {
      EXPECT_NEAR(shown, published, tolerance) << "published";
    }
    EXPECT_EQ(guitest::LabelColour(w->Label("Result")), QColor(Qt::black));
  }
  if (unit != nullptr) {
    EXPECT_EQ(Text(w, "StaticText11"), QString::fromUtf8(unit));
  } else {
    EXPECT_EQ(w->Control("StaticText11"), nullptr);
  }
  statetest::ExpectLook(w, W::ClassName);
}

// Published at 25 ˚C: Cp 4.18 kJ/(kg K) (4.1813 in IAPWS-95; this equation
// gives 4.18297), speed of sound 1497 m/s, viscosity 890.8 µPa s, dielectric
// constant 78.4.
TEST_F(ResponseTest, CVWindowCheckValues) {
  ExpectFigures<CVWindow>({74.55554, 76.11514, 57.92506, 33.2592}, 74.56, 0.01, "J/mol K");
}
TEST_F(ResponseTest, CPWindowCheckValues) {
  ExpectFigures<CPWindow>({75.35733, 76.17758, 82.69627, 46.55638}, 4.18 * 18.01528, 0.1, "J/mol K");
}
TEST_F(ResponseTest, SoundWindowCheckValues) {
  ExpectFigures<SoundWindow>({1497.28, 1400.876, 1270.154, 647.6611}, 1497, 0.5, "m/s");
}
TEST_F(ResponseTest, JouleWindowCheckValues) {
  ExpectFigures<JouleWindow>({-0.2212237, -0.2417406, -0.05718162, 4.820548}, -0.221, 0.001, "K/MPa");
}
TEST_F(ResponseTest, ViscosityWindowCheckValues) {
  ExpectFigures<ViscosityWindow>({890.7982, 1791.36, 119.0476, 28.89536}, 890.8, 0.05, "µPa s");
}
TEST_F(ResponseTest, DielectricWindowCheckValues) {
  ExpectFigures<DielectricWindow>({78.44797, 87.80618, 30.83775, 1.11356}, 78.4, 0.05, nullptr);
}

// Where the equation gives no figure the window says so in red, with the
// reason in the warning line; the next figure is black again, with no
// warning. The state point is shared, so one state step serves every
// window whose entries are empty. (Which states have no figure is the
// response values' test.)
TEST_F(ResponseTest, NoResultWhereTheEquationGivesNoFigure) {
  using statetest::Reason;
  std::array<ui::Window*, 6> windows{Open<CVWindow>(),   Open<CPWindow>(),        Open<SoundWindow>(),
                                     Open<JouleWindow>(), Open<ViscosityWindow>(), Open<DielectricWindow>()};
  constexpr Reason kFigure = Reason::None;
  constexpr Reason kCaloric = Reason::AboveCaloricRange;
  const struct {
    const char* state;
    const char* T;
    const char* V;
    std::array<Reason, 6> why;  // why each window shows "no result", in the order above
  } cases[] = {
      // The ideal-gas part no longer describes water: no caloric figure.
      {"3200 K", "3200", "1000", {kCaloric, kCaloric, kCaloric, kCaloric, kFigure, kFigure}},
      // The dielectric formulation gives no constant above 1.
      {"dielectric constant below 1", "2500", "18",
       {kFigure, kFigure, kFigure, kFigure, kFigure, Reason::NoValue}},
      {"liquid at 25 C", "298.15", "18.06838", {kFigure, kFigure, kFigure, kFigure, kFigure, kFigure}},
  };
  for (const auto& c : cases) {
    for (ui::Window* w : windows) Press(w, "Clear");
    StateStep(windows[0], "RadioButtonTV", c.T, c.V);
    ASSERT_GT(statetest::Shared().P, 0) << c.state;
    for (std::size_t i = 0; i < windows.size(); ++i) {
      ui::Window* w = windows[i];
      Press(w, "calculate");
      const bool none = c.why[i] != kFigure;
      const QString shown = Text(w, "Result");
      EXPECT_EQ(shown == "no result", none) << c.state << ": " << w->windowTitle().toStdString();
      EXPECT_EQ(guitest::LabelColour(w->Label("Result")), none ? QColor(Qt::red) : QColor(Qt::black));
      EXPECT_NE(shown, "0") << c.state;
      EXPECT_EQ(Text(w, "warning"), statetest::Why(c.why[i]))
          << c.state << ": " << w->windowTitle().toStdString();
    }
    if (c.why[1] != kFigure) guitest::SaveScreenshot(windows[1], "CPWindow no result");
  }
}

// The heat capacities' unit pair writes a new figure in the unit that is
// on and converts the figure as computed when switched; its repeated click
// and emptying are the skeleton's, tested with the energy windows.
TEST_F(ResponseTest, HeatCapacityUnitPair) {
  ui::Window* w = Open<CPWindow>();
  StateStep(w, "RadioButtonTP", "298.15", "0.1");
  Press(w, "kJkg");
  EXPECT_EQ(Text(w, "StaticText11"), "kJ/kg K");
  Press(w, "calculate");
  EXPECT_NEAR(Number(w, "Result"), 4.182967, 1e-6);
  Press(w, "Jmol");
  EXPECT_EQ(Text(w, "StaticText11"), "J/mol K");
  const QString perMole = Text(w, "Result");
  EXPECT_NEAR(ui::Val(perMole), 75.35733, 1e-4);
  Press(w, "kJkg");
  Press(w, "Jmol");
  EXPECT_EQ(Text(w, "Result"), perMole);
}

}  // namespace
