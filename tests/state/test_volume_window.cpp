#include "tests/state/StateTest.h"

#include "windows/state/ZeroFunctionListing.h"
#include "windows/state/VolumeWindow.h"

using namespace statetest;

namespace {

class VolumeTest : public StateTest {
 protected:
  void SetUp() override {
    StateTest::SetUp();
    w = ui::Shared<VolumeWindow>();
    ASSERT_TRUE(guitest::ShowAndWait(w));
  }
  void State(const char* temperature, const char* pressure) {
    Enter(w, "dataEntryT", temperature);
    Enter(w, "dataEntryP", pressure);
  }
  VolumeWindow* w = nullptr;
};

TEST_F(VolumeTest, EmptyInputWarnsAndStoresNothing) {
  thermo::StatePoint::Set(500, 5, 21);
  Press(w, "calculate");
  EXPECT_EQ(Text(w, "warning"), "warning: put a number for temperature and pressure");
  const thermo::State s = statetest::Shared();
  EXPECT_TRUE(s.T == 500 && s.P == 5 && s.V == 21);
}

// An empty or non-numeric temperature is no temperature in ˚C either: it
// used to be read as 0 ˚C and computed.
TEST_F(VolumeTest, CelsiusEntryThatIsNoNumberIsRefused) {
  Press(w, "Celsius");
  for (const char* text : {"", "abc", "12 C"}) {
    State(text, "10");
    Press(w, "Choice0");
    Press(w, "calculate");
    EXPECT_EQ(Text(w, "warning"), "warning: put a number for temperature and pressure") << text;
    EXPECT_EQ(Text(w, "Result"), "") << text;
  }
  State("1", "10");
  Press(w, "Choice0");
  Press(w, "calculate");
  EXPECT_EQ(Text(w, "warning"), "");
  EXPECT_DOUBLE_EQ(statetest::Shared().T, 274.15);
}

// NBS/NRC Steam Tables: 298.15 K and 10 MPa, 1001.475 kg/m3 (liquid side of
// the saturation curve).
TEST_F(VolumeTest, AutomaticStartOnTheLiquidSide) {
  State("298.15", "10");
  Press(w, "Choice0");
  Press(w, "calculate");
  EXPECT_EQ(Text(w, "warning"), "");
  EXPECT_NEAR(Number(w, "Result"), kDensityFactor / 1001.475, 2e-5);
  EXPECT_NEAR(Number(w, "DensityResult"), 1.001475, 2e-6);
}

// Low-pressure steam follows its second virial coefficient: at 363.15 K the
// NBS/NRC Steam Tables give B = -27.81 cm3/g, so at 0.001 MPa (far below the
// saturation pressure, 0.0701 MPa) V = RT/P + B within about 1 cm3/mol.
TEST_F(VolumeTest, AutomaticStartOnTheVapourSide) {
  State("363.15", "0.001");
  Press(w, "Choice0");
  Press(w, "calculate");
  const double ideal = Globals::GasConstantR * 363.15 / 0.001;
  EXPECT_NEAR(Number(w, "Result"), ideal - 27.81 * Globals::MolarMassH2O, 3);
}

// NBS/NRC Steam Tables: 500 ˚C and 10 MPa, 30.503 kg/m3 (above the critical
// temperature the search starts from the ideal gas).
TEST_F(VolumeTest, SteamAboveTheCriticalTemperature) {
  Press(w, "Celsius");
  State("500", "10");
  Press(w, "Choice0");
  Press(w, "calculate");
  EXPECT_NEAR(Number(w, "Result"), kDensityFactor / 30.503, 0.01);
  EXPECT_NEAR(Number(w, "DensityResult"), 0.030503, 5e-7);
  guitest::ExpectTextsFit(w);
  guitest::SaveScreenshot(w, "VolumeWindow-result");
  const thermo::State s = statetest::Shared();
  EXPECT_TRUE(s.T == 773.15 && s.P == 10 && ui::Str(s.V) == Text(w, "Result"));
}

TEST_F(VolumeTest, ManualStartAndFailedSearches) {
  State("298.15", "10");
  Press(w, "Choice1");
  Enter(w, "dataEntryV", "18");
  EXPECT_TRUE(IsOn(w, "Choice1")) << "typing a start volume keeps the choice";
  Press(w, "calculate");
  EXPECT_NEAR(Number(w, "Result"), kDensityFactor / 1001.475, 2e-5);

  Enter(w, "dataEntryV", "-1");
  Press(w, "calculate");
  EXPECT_EQ(Text(w, "warning"), Why(Reason::NoRootFromApproach));
  EXPECT_EQ(Text(w, "Result"), "no result");
  EXPECT_TRUE(statetest::IsRed(w, "Result"));
  EXPECT_EQ(Text(w, "DensityResult"), "");
  // At 346 ˚C and 206 MPa the search from the automatic start ends on a tiny
  // step far from the root (the pressure there is 988 MPa); the search goes
  // on from other starts to the stable liquid, whose pressure is 206 MPa.
  State("619.15", "206");
  Press(w, "Choice0");
  Press(w, "calculate");
  EXPECT_EQ(Text(w, "warning"), "");
  EXPECT_NEAR(Globals::Haar_Pressure(619.15, Number(w, "Result")), 206, 0.01);
  EXPECT_LT(Number(w, "Result"), Globals::SaturationV(Globals::SaturationPhase::Liquid, 619.15));
}

// A volume the window finds where the calculators refuse the state stands,
// with the reason it is not handed on; the reason stays when the window
// comes back to the front, as does that of a red "no result".
TEST_F(VolumeTest, AVolumeOfNoStateOfWaterSaysWhy) {
  const struct { const char *T, *P; Reason why; bool figure; } cases[] = {
      {"230", "100", Reason::TemperatureBelowRange, true}, {"596.44", "3000", Reason::VolumeBelowRange, true},
      {"298.15", "3500", Reason::PressureAboveRange, false}, {"298.15", "0.1", Reason::None, true},
      {"600", "1595.4738522503492", Reason::None, true}};  // 15 cm3/mol, handed on by Pressures
  for (const auto& c : cases) {
    State(c.T, c.P);
    Press(w, "Choice0");
    Press(w, "calculate");
    const QString warning = Text(w, "warning");
    EXPECT_EQ(Text(w, "Result") != "no result", c.figure) << c.T << " K, " << c.P << " MPa";
    const QString notHandedOn = "not handed on to other windows: " + Why(c.why).remove("no result: ");
    EXPECT_EQ(warning, c.why == Reason::None ? "" : c.figure ? notHandedOn : Why(c.why));
    EXPECT_EQ(statetest::Shared().V > 0, c.why == Reason::None);
    Press(w, "Analysis");
    ASSERT_TRUE(guitest::ShowAndWait(w));
    EXPECT_EQ(Text(w, "warning"), warning);
  }
}

// With no first approach chosen there is no start to search from: the
// window asks for one.
TEST_F(VolumeTest, NoFirstApproachChosenAsksForOne) {
  State("298.15", "10");
  Press(w, "Choice1");
  Enter(w, "dataEntryV", "18");
  Enter(w, "dataEntryP", "10.0");  // switches the choice off again
  ASSERT_FALSE(IsOn(w, "Choice1"));
  Press(w, "calculate");
  EXPECT_EQ(Text(w, "warning"), Why(Reason::NoApproachChosen));
  EXPECT_EQ(Text(w, "Result"), "no result");
}

TEST_F(VolumeTest, TypingTheStateSwitchesTheFirstApproachOff) {
  State("298.15", "10");
  Press(w, "Choice1");
  Enter(w, "dataEntryV", "18");
  Enter(w, "dataEntryP", "11");
  EXPECT_FALSE(IsOn(w, "Choice0"));
  EXPECT_FALSE(IsOn(w, "Choice1"));
  EXPECT_EQ(Text(w, "dataEntryV"), "18");
  Press(w, "Choice0");
  EXPECT_EQ(Text(w, "dataEntryV"), "") << "automatic empties the manual start";
  Enter(w, "dataEntryT", "300");
  EXPECT_FALSE(IsOn(w, "Choice0"));
}

// Typing stores nothing; "calculate" stores the state whole, with no volume
// where the search finds none; "Mathematical Analysis" hands over what is
// typed when "calculate" has not stored it.
TEST_F(VolumeTest, StatePointIsStoredWholeByCalculate) {
  thermo::StatePoint::Set(500, 5, 21);
  Press(w, "Celsius");
  Enter(w, "dataEntryT", "25");
  Enter(w, "dataEntryP", "10");
  EXPECT_EQ(statetest::Shared().T, 500) << "typing stores nothing";
  Press(w, "Choice1");
  Enter(w, "dataEntryV", "1e6");
  Press(w, "calculate");
  ASSERT_EQ(Text(w, "warning"), Why(Reason::NoRootFromApproach));
  thermo::State s = statetest::Shared();
  EXPECT_TRUE(s.T == 298.15 && s.P == 10 && s.V == 0);
  Press(w, "Choice0");
  Press(w, "calculate");
  s = statetest::Shared();
  EXPECT_TRUE(s.T == 298.15 && s.P == 10 && ui::Str(s.V) == Text(w, "Result"));
  // The unit radios give the typed number another meaning: the results go.
  Press(w, "Kelvin");
  EXPECT_EQ(Text(w, "StaticText8"), "Kelvin");
  EXPECT_EQ(Text(w, "Result") + Text(w, "DensityResult"), "");
  // The listing is that of the entries now shown: 25 K and 10 MPa.
  Press(w, "Analysis");
  s = statetest::Shared();
  EXPECT_TRUE(s.T == 25 && s.P == 10 && s.V == 0);
  // The listing opens once however often it is asked for.
  ASSERT_TRUE(guitest::ShowAndWait(w));
  Press(w, "Analysis");
  guitest::Settle();
  EXPECT_EQ(ShownWindows<MathAnal>(), 1);
}

TEST_F(VolumeTest, ClearKeepsTheUnits) {
  Press(w, "Celsius");
  State("25", "10");
  Press(w, "Choice1");
  Enter(w, "dataEntryV", "18");
  Press(w, "calculate");
  Press(w, "Clear");
  for (const char* name : {"dataEntryT", "dataEntryP", "dataEntryV", "Result", "DensityResult", "warning"})
    EXPECT_EQ(Text(w, name), "") << name;
  EXPECT_FALSE(IsOn(w, "Choice0"));
  EXPECT_FALSE(IsOn(w, "Choice1"));
  EXPECT_TRUE(IsOn(w, "Celsius"));
  EXPECT_EQ(Text(w, "StaticText8"), "˚Celsius");
}

}  // namespace
