// Every red "no result" says why: one row per cause, driven through the
// windows by their controls; the warning line shows the message of the
// reason the calculation gives.
#include "tests/state/StateTest.h"

#include <QRegularExpression>

#include <functional>

#include "windows/energy/InternalEnergyWindow.h"
#include "windows/state/PressuresWindow.h"
#include "windows/state/TemperatureWindow.h"
#include "windows/state/VolumeWindow.h"

using namespace statetest;

namespace {

using MessageTest = PicturesTest;

// Pressures: molar volume and temperature, then "calculate".
ui::Window* Pressures(const char* V, const QString& T, const char* unit = "Kelvin") {
  auto* w = Open<PressuresWindow>();
  Press(w, unit);
  Enter(w, "dataEntry", V);
  Enter(w, "dataEntry1", T);
  Press(w, "calculate");
  return w;
}

// Molar Volume: temperature and pressure, the first approach ("Choice0"
// automatic, "Choice1" manual with the start, or nullptr), then "calculate".
ui::Window* Volume(const QString& T, const char* P, const char* choice, const char* start = "",
                   const char* unit = "Kelvin") {
  auto* w = Open<VolumeWindow>();
  Press(w, unit);
  Enter(w, "dataEntryT", T);
  Enter(w, "dataEntryP", P);
  if (choice != nullptr) Press(w, choice);
  if (*start != '\0') Enter(w, "dataEntryV", start);
  Press(w, "calculate");
  return w;
}

// Temperatures: molar volume and pressure, the first approach, "calculate".
ui::Window* Temperatures(const char* V, const char* P, const char* choice, const char* start = "") {
  auto* w = Open<TemperatureWindow>();
  Enter(w, "dataEntry", V);
  Enter(w, "dataEntry1", P);
  if (choice != nullptr) Press(w, choice);
  if (*start != '\0') Enter(w, "dataEntryT", start);
  Press(w, "calculate");
  return w;
}

// A calculator's state step, and "calculate" after it where `calculate`.
ui::Window* Calculator(const char* mode, const QString& T, const char* given, bool calculate,
                       const char* unit = "Kelvin") {
  auto* w = Open<InternalEnergyWindow>();
  Press(w, unit);
  StateStep(w, mode, T, given);
  if (calculate) Press(w, "calculate");
  return w;
}

TEST_F(MessageTest, EachNoResultShowsItsReason) {
  const struct {
    const char* what;
    std::function<ui::Window*()> act;
    const char* label;  // the label that shows the red "no result"
    Reason why;
  } cases[] = {
      {"Pressures, 10 cm3/mol", [] { return Pressures("10", "300"); }, "Result", Reason::VolumeBelowRange},
      {"Pressures, 250 K", [] { return Pressures("18", "250"); }, "Result", Reason::TemperatureBelowRange},
      {"Pressures, 6000 K", [] { return Pressures("18", "6000"); }, "Result",
       Reason::TemperatureAboveRange},
      {"Molar Volume, 1e6 MPa", [] { return Volume("300", "1e6", "Choice0"); }, "Result",
       Reason::PressureAboveRange},
      {"Molar Volume, 1e308 K", [] { return Volume("1e308", "1", "Choice0"); }, "Result",
       Reason::OutsideTemperatureWindow},
      {"Molar Volume, unstable root from 100 cm3/mol",
       [] { return Volume("573.15", "8.216134", "Choice1", "100"); }, "Result", Reason::UnstableRoot},
      {"Molar Volume, no first approach", [] { return Volume("300", "1", nullptr); }, "Result",
       Reason::NoApproachChosen},
      {"Temperatures, inside the two-phase region", [] { return Temperatures("100", "1", "Choice0"); },
       "Result", Reason::TwoPhaseState},
      {"Temperatures, 1e308 cm3/mol", [] { return Temperatures("1e308", "1", "Choice0"); }, "Result",
       Reason::NoTemperatureForPressure},
      {"Temperatures, 1e308 MPa", [] { return Temperatures("100", "1e308", "Choice0"); }, "Result",
       Reason::PressureAboveRange},
      {"Temperatures, 18 cm3/mol and 0.001 MPa: only below 260 K",
       [] { return Temperatures("18", "0.001", "Choice1", "-1"); }, "Result", Reason::TemperatureBelowRange},
      {"Molar Volume, 260 K, 1e-6 MPa from 40 cm3/mol: between the spinodals",
       [] { return Volume("260", "1e-6", "Choice1", "40"); }, "Result", Reason::TwoPhaseRoot},
      {"Temperatures, no first approach", [] { return Temperatures("20", "10", nullptr); }, "Result",
       Reason::NoApproachChosen},
      {"Temperatures, 0.1 MPa and 60 cm3/mol: between the spinodals, no other root",
       [] { return Temperatures("60", "0.1", "Choice0"); }, "Result", Reason::TwoPhaseState},
      {"Temperatures, 0.004 MPa and 79 cm3/mol: two-phase, and a root below 260 K",
       [] { return Temperatures("79", "0.004", "Choice0"); }, "Result", Reason::TwoPhaseState},
      {"Temperatures, 3500 MPa", [] { return Temperatures("20", "3500", "Choice0"); }, "Result",
       Reason::PressureAboveRange},
      {"Temperatures, 14.9 cm3/mol", [] { return Temperatures("14.9", "1000", "Choice0"); }, "Result",
       Reason::VolumeBelowRange},
      {"Temperatures, 18 cm3/mol and 1 MPa from 290 K: a root at 201.5 K",
       [] { return Temperatures("18", "1", "Choice1", "290"); }, "Result", Reason::TemperatureBelowRange},
      {"state step, 600 K and 60 cm3/mol", [] { return Calculator("RadioButtonTV", "600", "60", false); },
       "ResultPV", Reason::TwoPhaseState},
      {"state step, 300 K and 50 cm3/mol: the equation's loop",
       [] { return Calculator("RadioButtonTV", "300", "50", false); }, "ResultPV", Reason::TwoPhaseState},
      {"state step, 632.12 K and 1e117 cm3/mol",
       [] { return Calculator("RadioButtonTV", "632.12", "1e117", false); }, "ResultPV", Reason::PressureBelowRange},
      {"Molar Volume, 1e-100 MPa", [] { return Volume("273.15", "1e-100", "Choice0"); }, "Result",
       Reason::PressureBelowRange},
      {"state step, 250 K and 18 cm3/mol", [] { return Calculator("RadioButtonTV", "250", "18", false); },
       "ResultPV", Reason::TemperatureBelowRange},
      {"state step, 1e6 MPa", [] { return Calculator("RadioButtonTP", "300", "1e6", false); }, "ResultPV",
       Reason::PressureAboveRange},
      {"internal energy at 3500 K", [] { return Calculator("RadioButtonTP", "3500", "0.1", true); }, "Result",
       Reason::AboveCaloricRange},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ui::Window* w = c.act();
    EXPECT_EQ(Text(w, c.label), "no result");
    EXPECT_TRUE(IsRed(w, c.label));
    EXPECT_EQ(Text(w, "warning"), Why(c.why));
    guitest::SaveScreenshot(w, QString("message, ") + c.what);
  }
}

// Every temperature bound a message prints is in the unit of the entry and
// is answered as printed (a refusal has a warning, an answer none, or, for
// a volume below 260 K, only that its state is not handed on).
TEST_F(MessageTest, EveryPrintedTemperatureBoundIsAnswered) {
  const std::pair<std::function<ui::Window*(const QString&, const char*)>, std::vector<double>> cases[] = {
      {[](auto T, auto u) { return Pressures("1e8", T, u); }, {100, 6000}},
      {[](auto T, auto u) { return Volume(T, "1", "Choice0", "", u); }, {100}},
      {[](auto T, auto u) { return Calculator("RadioButtonTP", T, "1", false, u); }, {100, 6000}},
      {[](auto T, auto u) { return Calculator("RadioButtonTP", T, "1", true, u); }, {3500}},
  };
  const QRegularExpression bound(QStringLiteral("-?[0-9.]+(?=( - -?[0-9.]+)? (K|˚C)$)"));
  for (const auto& [act, refused] : cases)
    for (const double T : refused)
      for (const char* unit : {"Kelvin", "Celsius"}) {
        const bool celsius = unit[0] == 'C';
        const QString warning = Text(act(ui::Str(T - (celsius ? 273.15 : 0)), unit), "warning");
        SCOPED_TRACE(warning.toStdString());
        EXPECT_TRUE(warning.endsWith(celsius ? " ˚C" : " K") && bound.match(warning).hasMatch());
        for (auto m = bound.globalMatch(warning); m.hasNext();) {
          const QString answered = Text(act(m.next().captured(), unit), "warning");
          EXPECT_TRUE(answered.isEmpty() || answered.startsWith("not handed on")) << answered.toStdString();
        }
      }
}

// At 373.15 K and 0.101325 MPa the liquid is the stable phase (the
// equation's own saturation pressure there is 0.1013225 MPa): the state
// step gives it, and its internal energy is that of the saturated liquid at
// 100 ˚C in the steam tables, 418.94 to 419.06 kJ/kg by edition; no warning.
TEST_F(MessageTest, TheStableLiquidAtTheNormalBoilingPoint) {
  ui::Window* w = Calculator("RadioButtonTP", "373.15", "0.101325", true);
  EXPECT_NEAR(Number(w, "ResultPV"), 18015.28 / 958.35, 0.002);
  EXPECT_NEAR(Number(w, "Result"), 419.0 * 18.01528, 0.12 * 18.01528);
  EXPECT_EQ(Text(w, "warning"), "");
  guitest::SaveScreenshot(w, "Internal energy, liquid at the normal boiling point");
}

}  // namespace
