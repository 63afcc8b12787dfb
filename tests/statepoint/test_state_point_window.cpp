// The calculator skeleton, driven through a small member of its own.
#include "tests/state/StateTest.h"
#include "windows/statepoint/StatePointWindow.h"

#include <string>
#include <utility>

namespace {

using statetest::Enter;
using statetest::Press;
using statetest::Text;

int hookRuns = 0;

constexpr ui::ControlLayout kOwn[] = {
    {.kind = ui::Kind::StaticText, .name = "Result", .left = 210, .top = 610, .width = 230,
     .height = 25, .font = {.size = 16}},
};
constexpr const char* kResults[] = {"Result"};

// A member that shows the state point it was given.
class Probe : public StatePointWindow {
 public:
  static constexpr const char* ClassName = "Probe.Probe";
  Probe() : StatePointWindow(kLayout) {}

 protected:
  void calculate_Action() override {
    const auto s = CheckedStatePoint();
    if (!s) return;
    ++hookRuns;
    ShowResults({ui::Str(s->T) + " " + ui::Str(s->P) + " " + ui::Str(s->V)});
  }

 private:
  static constexpr StatePointLayout kLayout{
      .window = {.className = ClassName, .title = "Probe", .width = 460, .height = 685,
                 .placement = ui::Placement::Centred},
      .before = kOwn,
      .results = kResults};
};

// A second member, for the state point that windows share.
class OtherProbe : public Probe {
 public:
  static constexpr const char* ClassName = "OtherProbe.OtherProbe";
};

class StatePointTest : public statetest::WindowTest<Probe> {
 protected:
  void SetUp() override {
    hookRuns = 0;
    WindowTest::SetUp();
  }
  void Step(const char* mode, const QString& T, const QString& given) { statetest::StateStep(w, mode, T, given); }
  bool ResultIsRed() const { return statetest::IsRed(w, "ResultPV"); }
};

const QString kStepWarningTP = "warning: put a number for temperature and pressure";
const QString kStepWarningTV = "warning: put a number for temperature and molar volume";
const QString kHookWarning = "warning: put a number for temperature, molar volume, and pressure";

// The box names the equation's critical temperature and shows its own
// saturated volumes (at the triple point within 0.1 % of the auxiliary
// curve's 999.789 and 0.00485426 kg/m3), the critical point's one fluid up
// to 647.12715 K, the point as printed. Outside them a sentence; for 0 K
// and below it keeps what it showed.
TEST_F(StatePointTest, SaturationBoxShowsTheEquationsOwnCurve) {
  EXPECT_EQ(Text(w, "sat1"), "Saturation properties below critical point (647.127 K)\nLimits to molar volumes:");
  const struct {
    const char* entry;
    double liquid, vapour;  // cm3/mol; 0: the sentence instead
    double tolerance;       // relative
    const char* sentence;
  } cases[] = {
      {"273.16", 18015.28 / 999.789, 18015.28 / 0.00485426, 1e-3, ""},
      {"647", 56.24954, 65.29574, 1e-7, ""},       {"647.1271", 60.69091, 60.69091, 1e-7, ""},
      {"647.12715", 60.69091, 60.69091, 1e-7, ""}, {"273.15", 0, 0, 0, "sub-triple fluid conditions (ice)"},
      {"647.12716", 0, 0, 0, "super-critical fluid conditions"},
  };
  Press(w, "RadioButtonTP");
  for (const auto& c : cases) {
    Enter(w, "dataEntryT", c.entry);
    const QString liquid = Text(w, "satliq"), vapour = Text(w, "satvap");
    if (c.liquid == 0) {
      EXPECT_EQ(liquid + "|" + vapour, QString(c.sentence) + "|") << c.entry;
      continue;
    }
    ASSERT_TRUE(liquid.startsWith("liquid = ") && liquid.endsWith(" cm3/mol")) << liquid.toStdString();
    ASSERT_TRUE(vapour.startsWith("vapour = ") && vapour.endsWith(" cm3/mol")) << vapour.toStdString();
    EXPECT_NEAR(ui::Val(liquid.mid(9).chopped(8)), c.liquid, c.tolerance * c.liquid) << c.entry;
    EXPECT_NEAR(ui::Val(vapour.mid(9).chopped(8)), c.vapour, c.tolerance * c.vapour) << c.entry;
  }
  for (const char* entry : {"0", "-5", ""}) {
    Enter(w, "dataEntryT", entry);
    EXPECT_EQ(Text(w, "satliq"), "super-critical fluid conditions") << entry;
  }
  guitest::ExpectTextsFit(w);
}

// The state step accepts a number in either unit whose kelvin value is
// above 0 (so 0 ˚C and -10 ˚C), and refuses an empty or non-numeric entry
// in either unit, without touching the state point.
TEST_F(StatePointTest, TemperatureEntryIsANumberInEitherUnitAboveZeroKelvin) {
  Press(w, "Celsius");
  EXPECT_EQ(Text(w, "StaticText1"), "˚Celsius");
  for (const char* entry : {"0", "-10", "25"}) {
    Step("RadioButtonTP", entry, "0.1");
    EXPECT_EQ(Text(w, "warning"), "") << entry;
    EXPECT_DOUBLE_EQ(statetest::Shared().T, ui::Val(entry) + 273.15) << entry;
    EXPECT_NEAR(statetest::Shared().V, 18.05, 0.1) << entry << " is liquid water";
  }
  thermo::StatePoint::Set(300, 7, 18);
  for (const char* entry : {"", "abc", "-300"}) {
    Step("RadioButtonTV", entry, "18");
    EXPECT_EQ(Text(w, "warning"), kStepWarningTV) << entry;
    EXPECT_EQ(statetest::Shared().P, 7.0) << entry;
  }
  // An empty entry in ˚C is no temperature as it is none in K: the box stays.
  const QString box = Text(w, "satliq");
  Enter(w, "dataEntryT", "");
  EXPECT_EQ(Text(w, "satliq"), box);
  Press(w, "Kelvin");
  Step("RadioButtonTP", "0", "0.1");
  EXPECT_EQ(Text(w, "warning"), kStepWarningTP);
}

// A pressure only from 15 cm3/mol and 260 K (both included); outside them,
// and above the equation's temperature window, a red "no result" and no
// pressure in the state point, whatever an earlier step left there.
TEST_F(StatePointTest, PressureOnlyFrom15cm3molAnd260KInclusive) {
  const struct {
    const char* V;
    const char* T;
    bool computed;
  } cases[] = {
      {"15", "260", true},     {"14.99", "260", false}, {"15", "259.99", false},
      {"18", "298.15", true},  {"100", "6000", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.V) + " cm3/mol " + c.T + " K");
    thermo::StatePoint::Set(300, 5, 18);
    Step("RadioButtonTV", c.T, c.V);
    const thermo::State s = statetest::Shared();
    EXPECT_EQ(s.V, ui::Val(c.V));
    EXPECT_EQ(Text(w, "Density2"), "");
    EXPECT_TRUE(c.computed ? s.P > 0 : s.P == 0);
    EXPECT_EQ(Text(w, "ResultPV"), c.computed ? ui::Str(s.P) : "no result");
    EXPECT_EQ(ResultIsRed(), !c.computed);
  }
}

// A volume the search cannot find (the equation declines 6000 K) is no
// volume: red "no result", no density, 0 in the state point. Below the
// triple point the search starts where the root is: supercooled liquid at
// 0.1 MPa, vapour below the triple-point pressure.
TEST_F(StatePointTest, AFailedVolumeSearchShowsNoResultAndStoresZero) {
  Step("RadioButtonTP", "500", "10");
  EXPECT_NEAR(statetest::Shared().V, 21.49359, 1e-4);
  EXPECT_EQ(Text(w, "Density2"), "corresponding density = " + ui::Str(18.01528 / statetest::Shared().V) + " g/cm3");
  Step("RadioButtonTP", "6000", "10");
  EXPECT_EQ(statetest::Shared().V, 0.0);
  EXPECT_EQ(Text(w, "ResultPV"), "no result");
  EXPECT_TRUE(ResultIsRed());
  EXPECT_EQ(Text(w, "Density2"), "");
  Step("RadioButtonTP", "270", "0.1");
  EXPECT_FALSE(ResultIsRed()) << "a number is black again";
  EXPECT_NEAR(statetest::Shared().V, 18.02, 0.02);
  EXPECT_NEAR(statetest::Number(w, "ResultPV"), statetest::Shared().V, 1e-4);
  Step("RadioButtonTP", "270", "0.0001");
  EXPECT_NEAR(statetest::Shared().V, 8.314472 * 270 / 0.0001, 0.001 * statetest::Shared().V);
}

TEST_F(StatePointTest, ClearEmptiesEntriesAndResultsAndZeroesTheStatePoint) {
  Press(w, "Celsius");
  Step("RadioButtonTV", "25", "18.06838");
  Press(w, "calculate");
  ASSERT_NE(Text(w, "Result"), "");
  Press(w, "Clear");
  for (const char* name : {"dataEntryT", "dataEntryPV", "ResultPV", "Density1", "Density2",
                           "Result", "warning"})
    EXPECT_EQ(Text(w, name), "") << name;
  EXPECT_EQ(Text(w, "satliq"), "liquid");
  EXPECT_EQ(Text(w, "satvap"), "vapour");
  const thermo::State s = statetest::Shared();
  EXPECT_TRUE(s.T == 0 && s.P == 0 && s.V == 0);
  // Mode, unit and their labels stay.
  EXPECT_TRUE(statetest::IsOn(w, "RadioButtonTV") && statetest::IsOn(w, "Celsius"));
  EXPECT_EQ(w->Button("PushButton1")->Caption(), "pressure calculation");
}

// The given quantity is the first row, the computed one the second; the
// switch empties both entries and writes no global.
TEST_F(StatePointTest, ModeSwitchRelabelsTheGivenAndComputedRows) {
  Step("RadioButtonTP", "500", "10");
  const double volume = statetest::Shared().V;
  for (const auto& [mode, rows] :
       {std::pair{"RadioButtonTV", "Molar Volume|Pressure|pressure calculation"},
        std::pair{"RadioButtonTP", "Pressure|Molar Volume|volume calculation"}}) {
    Press(w, mode);
    const QString shown = Text(w, "Parameter") + "|" + Text(w, "Parameter1") + "|";
    EXPECT_EQ(shown + w->Button("PushButton1")->Caption(), rows);
    // The temperature belongs to either mode and stays; the given quantity
    // belongs to one.
    EXPECT_EQ(Text(w, "dataEntryT") + "|" + Text(w, "dataEntryPV"), "500|");
    EXPECT_EQ(statetest::Shared().V, volume);
  }
  EXPECT_EQ(Text(w, "Density2"), "corresponding density");
  guitest::ExpectTextsFit(w);
}

// The hook takes no state point with a volume, temperature or pressure
// not above 0: nothing computed, nothing left from an earlier state.
TEST_F(StatePointTest, TheHookRefusesAnIncompleteOrStaleStatePoint) {
  Press(w, "calculate");
  EXPECT_EQ(Text(w, "warning"), kHookWarning);
  EXPECT_EQ(hookRuns, 0);
  Step("RadioButtonTV", "298.15", "18");
  Press(w, "calculate");
  EXPECT_EQ(hookRuns, 1);
  EXPECT_EQ(Text(w, "warning"), "");
  // A step that finds no pressure leaves none behind for the next calculate:
  // the step's own "no result" says why there is no figure.
  Step("RadioButtonTV", "250", "18");
  Press(w, "calculate");
  EXPECT_EQ(hookRuns, 1);
  EXPECT_EQ(Text(w, "ResultPV"), "no result");
  EXPECT_EQ(Text(w, "Result"), "");
}

// Presses of the state step, clear and calculate made while a search lets
// events run are ignored, in this window and in any other on the skeleton;
// closing the window meanwhile is harmless.
TEST_F(StatePointTest, PressesDuringTheSearchAreIgnoredAndClosingIsSafe) {
  OtherProbe* other = statetest::Open<OtherProbe>();
  Press(w, "RadioButtonTP");
  Enter(w, "dataEntryT", "500");
  Enter(w, "dataEntryPV", "10");
  statetest::DoDuringNextLoop([this] {
    for (const char* name : {"Clear", "calculate", "PushButton1"}) Press(w, name);
    statetest::Press(ui::FindShared(OtherProbe::ClassName), "Clear");
    ui::FindShared(Probe::ClassName)->close();
  });
  Press(w, "PushButton1");
  Globals::SetBackgroundTask(nullptr);
  EXPECT_TRUE(statetest::PressesMade());
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(hookRuns, 0);
  EXPECT_EQ(statetest::Shared().T, 500.0);
  EXPECT_EQ(statetest::Shared().P, 10.0);
  EXPECT_NEAR(statetest::Shared().V, 21.49359, 1e-4);
  EXPECT_EQ(Text(w, "dataEntryT"), "500");
  // Another window's "calculate" uses the state point it completed.
  Press(other, "calculate");
  EXPECT_EQ(hookRuns, 1);
  EXPECT_EQ(Text(other, "Result"), "500 10 " + ui::Str(statetest::Shared().V));
}

}  // namespace
