#include "tests/state/StateTest.h"

#include "windows/state/ZeroFunctionListing.h"
#include "windows/state/TemperatureWindow.h"


using namespace statetest;

namespace {

class TemperatureTest : public StateTest {
 protected:
  void SetUp() override {
    StateTest::SetUp();
    w = ui::Shared<TemperatureWindow>();
    ASSERT_TRUE(guitest::ShowAndWait(w));
  }
  void State(const QString& volume, const QString& pressure) {
    Enter(w, "dataEntry", volume);
    Enter(w, "dataEntry1", pressure);
  }
  TemperatureWindow* w = nullptr;
};

TEST(TemperatureWindowBuild, BuiltHiddenUntilShown) {
  ui::ReleaseAllShared();
  auto* w = ui::Shared<TemperatureWindow>();
  EXPECT_FALSE(w->isVisible());
  ASSERT_TRUE(guitest::ShowAndWait(w));
  EXPECT_TRUE(w->isVisible());
  // The caption "Pressure" is member 1 of the control array of that name.
  auto* caption = dynamic_cast<TemperatureWindow::Pressure*>(w->Control("Pressure", 1));
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(caption->Text(), "Pressure");
  EXPECT_EQ(w->Control("Pressure"), nullptr);
  guitest::ExpectTextsFit(w);
  ui::ReleaseAllShared();
}

TEST_F(TemperatureTest, EmptyInputWarnsAndStoresNothing) {
  thermo::StatePoint::Set(300, 5, 18);
  Press(w, "calculate");
  // The entries this window reads are the molar volume and the pressure.
  EXPECT_EQ(Text(w, "warning"), "warning: put a number for molar volume and pressure");
  guitest::ExpectTextsFit(w);
  const thermo::State s = statetest::Shared();
  EXPECT_TRUE(s.T == 300 && s.P == 5 && s.V == 18);
}

// NBS/NRC Steam Tables at 10 MPa: 871.032 kg/m3 at 473.15 K (a volume below
// the saturated liquid's, so the search starts 1 K below the saturation
// temperature) and 37.867 kg/m3 at 673.15 K (above the saturated vapour's).
TEST_F(TemperatureTest, AutomaticStartOnBothSidesOfTheSaturationCurve) {
  State(ui::Str(kDensityFactor / 871.032), "10");
  Press(w, "Choice0");
  Press(w, "calculate");
  EXPECT_EQ(Text(w, "warning"), "");
  EXPECT_NEAR(Number(w, "Result"), 473.15, 0.002);
  EXPECT_EQ(ui::Str(statetest::Shared().T), Text(w, "Result"));
  EXPECT_EQ(statetest::Shared().P, 10);
  guitest::SaveScreenshot(w, "TemperatureWindow-result");

  Enter(w, "dataEntry", ui::Str(kDensityFactor / 37.867));
  Press(w, "Choice0");
  Press(w, "calculate");
  EXPECT_NEAR(Number(w, "Result"), 673.15, 0.01);
}

// NBS/NRC Steam Tables: 273.15 K and 100 MPa, 1045.306 kg/m3. Above the
// critical pressure the search starts at 800 K.
TEST_F(TemperatureTest, AutomaticStartAboveTheCriticalPressure) {
  State(ui::Str(kDensityFactor / 1045.306), "100");
  EXPECT_EQ(Text(w, "pressurelimit"), "");
  Press(w, "Choice0");
  Press(w, "calculate");
  EXPECT_NEAR(Number(w, "Result"), 273.15, 0.01);
}

TEST_F(TemperatureTest, ManualStartIsKelvinWhateverTheUnit) {
  State(ui::Str(kDensityFactor / 871.032), "10");
  Press(w, "Celsius");
  Press(w, "Choice1");
  Enter(w, "dataEntryT", "470");
  Press(w, "calculate");
  EXPECT_NEAR(Number(w, "Result"), 200.0, 0.002);
  Press(w, "Kelvin");
  EXPECT_EQ(Text(w, "Result"), ui::Str(statetest::Shared().T));
  EXPECT_NEAR(Number(w, "Result"), 473.15, 0.002);
}

// A start from which the search reaches no root still gets the isochore's
// accepted temperature; where the isochore has none, the reason stays
// beside the red "no result", worded in the unit on.
TEST_F(TemperatureTest, AnyStartFindsTheIsochoresTemperatureElseTheReason) {
  State("20", "10");
  Press(w, "Choice1");
  Enter(w, "dataEntryT", "-1");
  Press(w, "calculate");
  EXPECT_NEAR(Number(w, "Result"), 445.5714, 1e-4);
  EXPECT_EQ(Text(w, "Result"), ui::Str(statetest::Shared().T));

  // Ordinary water where its isochore turns near 4 ˚C, as Pressures shows
  // it for 277.44602679371235 K.
  State("18.014060551456037", "0.24436124178570395");
  Press(w, "Choice1");
  Enter(w, "dataEntryT", "-1");
  Press(w, "calculate");
  EXPECT_NEAR(Number(w, "Result"), 277.446, 2e-3);
  EXPECT_EQ(Text(w, "warning"), "");

  State("18", "0.001");
  Press(w, "Choice1");
  Enter(w, "dataEntryT", "-1");
  Press(w, "calculate");
  EXPECT_EQ(Text(w, "warning"), Why(Reason::TemperatureBelowRange));
  EXPECT_EQ(Text(w, "Result"), "no result");
  const thermo::State s = statetest::Shared();
  EXPECT_TRUE(s.T == 0 && s.P == 0.001 && s.V == 18) << "no temperature found, none stored";
  Press(w, "Celsius");
  EXPECT_EQ(Text(w, "Result"), "no result");
  EXPECT_EQ(Text(w, "warning"), QString::fromUtf8(thermo::ReasonText(Reason::TemperatureBelowRange,
                                                                     thermo::TemperatureUnit::Celsius)));
  Press(w, "Kelvin");
  EXPECT_EQ(Text(w, "Result"), "no result");
  // Nor does the window coming back to the front part them.
  Press(w, "Analysis");
  ASSERT_TRUE(guitest::ShowAndWait(w));
  EXPECT_EQ(Text(w, "warning"), Why(Reason::TemperatureBelowRange));
}

// With no first approach chosen there is no start to search from: the
// window asks for one.
TEST_F(TemperatureTest, NoFirstApproachChosenAsksForOne) {
  State(ui::Str(kDensityFactor / 871.032), "10");
  Press(w, "calculate");
  EXPECT_EQ(Text(w, "warning"), Why(Reason::NoApproachChosen));
  EXPECT_EQ(Text(w, "Result"), "no result");
  EXPECT_EQ(statetest::Shared().T, 0);
}

TEST_F(TemperatureTest, TypingSwitchesTheFirstApproachOff) {
  State("20", "10");
  Press(w, "Choice1");
  Enter(w, "dataEntryT", "470");
  EXPECT_TRUE(IsOn(w, "Choice1"));
  Enter(w, "dataEntry1", "11");
  EXPECT_FALSE(IsOn(w, "Choice1"));
  EXPECT_EQ(Text(w, "dataEntryT"), "470") << "a pressure keeps the manual start";
  Press(w, "Choice1");
  Enter(w, "dataEntry", "21");
  EXPECT_FALSE(IsOn(w, "Choice0"));
  EXPECT_FALSE(IsOn(w, "Choice1"));
  EXPECT_EQ(Text(w, "dataEntryT"), "") << "a molar volume empties the manual start";
}

// Typing stores nothing, and the unit radios show only the temperature
// found here; "Mathematical Analysis" hands over what is typed when
// "calculate" has not stored it.
TEST_F(TemperatureTest, StatePointWrittenOnlyWhole) {
  thermo::StatePoint::Set(321, 5, 18);
  Enter(w, "dataEntry", "18");
  EXPECT_EQ(Text(w, "Density"), "corresponding density = 1000.849 kg/m3");
  Enter(w, "dataEntry1", "10");
  EXPECT_EQ(statetest::Shared().T, 321) << "typing stores nothing";
  Press(w, "Celsius");
  EXPECT_EQ(Text(w, "Result"), "") << "another window's temperature is not shown";
  Press(w, "Kelvin");
  EXPECT_EQ(Text(w, "Result"), "");
  Press(w, "Analysis");
  const thermo::State s = statetest::Shared();
  EXPECT_TRUE(s.T == 0 && s.P == 10 && s.V == 18);
  for (const char* text : {"0", "-5", "", "1e-310"}) {
    Enter(w, "dataEntry", text);
    EXPECT_EQ(Text(w, "Density"), "corresponding density") << text;
  }
  // The listing opens once however often it is asked for.
  Press(w, "Analysis");
  ASSERT_TRUE(guitest::ShowAndWait(w));
  Press(w, "Analysis");
  guitest::Settle();
  EXPECT_EQ(ShownWindows<MathAnalT>(), 1);
}

// The limits are the equation's own saturated volumes: at 0.101325 MPa within
// 0.1 % of the IAPWS auxiliary curve's 958.365 and 0.597586 kg/m3; the
// critical point's one fluid up to 22.054233 MPa, the point as printed.
// Above it, below the triple-point pressure and for no pressure no limits,
// and no heading standing alone.
TEST_F(TemperatureTest, SaturationLimitsAreTheEquationsOwnCurve) {
  const QString heading = "At pressures below critical point (22.054 MPa):";
  const struct {
    const char* P;
    double liquid = 0, vapour = 0;  // cm3/mol; 0: no limits
    double tolerance = 0;           // relative
  } cases[] = {
      {"0.101325", kDensityFactor / 958.365, kDensityFactor / 0.597586, 1e-3},
      {"22.05423", 60.69091, 60.69091, 1e-7}, {"22.054233", 60.69091, 60.69091, 1e-7},
      {"22.054234"}, {"22.064"}, {"0.0001"}, {"-1"}, {"0"}, {""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.P);
    Enter(w, "dataEntry1", c.P);
    const auto [liquid, vapour] = Limits(w, "pressurelimit", heading);
    EXPECT_NEAR(ui::Val(liquid), c.liquid, c.tolerance * c.liquid);
    EXPECT_NEAR(ui::Val(vapour), c.vapour, c.tolerance * c.vapour);
  }
  guitest::ExpectTextsFit(w);
}

TEST_F(TemperatureTest, ClearResetsUnitsAndChoices) {
  Press(w, "Celsius");
  State("20", "10");
  Press(w, "Choice1");
  Enter(w, "dataEntryT", "470");
  Press(w, "Clear");
  EXPECT_TRUE(IsOn(w, "Kelvin"));
  EXPECT_FALSE(IsOn(w, "Celsius"));
  EXPECT_FALSE(IsOn(w, "Choice0"));
  EXPECT_FALSE(IsOn(w, "Choice1"));
  EXPECT_EQ(Text(w, "StaticText4"), "Kelvin");
  for (const char* name : {"dataEntry", "dataEntry1", "Result", "warning", "pressurelimit", "liquidlimit",
                           "vapourlimit"})
    EXPECT_EQ(Text(w, name), "") << name;
  EXPECT_EQ(Text(w, "Density"), "corresponding density");
}

}  // namespace
