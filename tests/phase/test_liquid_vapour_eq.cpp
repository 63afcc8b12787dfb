// The liquid-vapour equilibrium window driven through its controls.
#include "state/StateTest.h"

#include "windows/phase/LiquidVapourEq.h"

using namespace statetest;

namespace {

class LiquidVapourTest : public WindowTest<LiquidVapourEq> {
 protected:
  // Types the bulk volume, asks for Th, types the temperature in the unit
  // given and presses "calculate".
  void Calculate(const QString& V, const char* unit, const QString& T) {
    Enter(w, "DataEntryV", V);
    Press(w, "calTh");
    Press(w, unit);
    Enter(w, "DataEntryT", T);
    Press(w, "calculate");
  }
  // Th in kelvin as the window shows it, in degrees Celsius.
  double ShownTh() const { return Number(w, "nummerTh") + Globals::CelsiusOffset; }
};

TEST_F(LiquidVapourTest, PhasesAndTheirSharesBelowTheHomogenizationTemperature) {
  guitest::ExpectTextsFit(w);
  const struct {
    const char* V;
    const char* unit;
    const char* T;
    const char* density;
    double Th, P, frac1;
  } cases[] = {
      {"30", "Kelvin", "500", "corresponding density = 600.5093 kg/m3", 616.1542, 2.637293, 0.71777},
      {"1000", "Celsius", "126.85", "corresponding density = 18.01528 kg/m3", 517.2704, 0.24553,
       0.017782},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.V);
    Calculate(c.V, c.unit, c.T);
    EXPECT_EQ(statetest::Shared().V, ui::Val(c.V));
    EXPECT_EQ(Text(w, "Density"), c.density);
    EXPECT_NEAR(ShownTh(), c.Th, 0.00006);
    EXPECT_NEAR(Number(w, "Answer"), c.P, 0.000006);
    EXPECT_NEAR(Number(w, "frac1"), c.frac1, 0.000006);
    EXPECT_NEAR(Number(w, "frac1") + Number(w, "frac2"), 1.0, 1e-6);
    // The saturation arrays hold the phases shown.
    EXPECT_EQ(Text(w, "MolarV1"), ui::Str(Globals::MolarVolumes[0]));
    EXPECT_EQ(Text(w, "Dens2"), ui::Str(Globals::MolarMassH2O / Globals::MolarVolumes[1]));
    EXPECT_EQ(Text(w, "tensions"), ui::Str(Globals::Haar_SurfaceTension(c.Th < 600 ? 400.0 : 500.0)));
    EXPECT_EQ(Text(w, "warning"), "");
  }
  guitest::SaveScreenshot(w, "LiquidVapourEq-result");
}

// Th comes from the auxiliary curve, the phases from the equation: close to
// the critical point a bulk volume just below its Th is one phase of the
// equation, with no share to show.
TEST_F(LiquidVapourTest, OnePhaseBelowThShowsNoFractions) {
  Enter(w, "DataEntryV", "49");
  Press(w, "calTh");
  ASSERT_NEAR(ShownTh(), 646.887, 0.0005);
  Calculate("49", "Kelvin", QString::number(ShownTh() - 0.0001, 'f', 6));
  EXPECT_EQ(Text(w, "warning"), "single phase at this temperature");
  EXPECT_EQ(Text(w, "frac1") + Text(w, "frac2"), "");
  EXPECT_GT(Number(w, "MolarV1"), 49.0);
  EXPECT_NE(Text(w, "Answer"), "");
  guitest::SaveScreenshot(w, "LiquidVapourEq-one-phase");

  // A two-phase state afterwards shows its shares again, in black.
  Calculate("49", "Kelvin", "640");
  EXPECT_EQ(Text(w, "warning"), "");
  EXPECT_TRUE(Number(w, "frac1") > 0.0 && Number(w, "frac1") < 1.0);
}

TEST_F(LiquidVapourTest, RefusesATemperatureNotBelowTh) {
  const char* warning = "warning: put a number for molar volume and temperature (below Th)";
  const struct {
    const char* V;
    bool askTh;
    const char* unit;
    const char* T;
  } cases[] = {
      {"30", false, "Kelvin", "500"},         // no Th asked for
      {"30", true, "Kelvin", "617"},          // above Th
      {"30", true, "Celsius", "0.01"},        // 273.15999... K
      {"", true, "Kelvin", "500"},            // no volume: Th is "error"
  };
  for (const auto& c : cases) {
    Calculate("30", "Kelvin", "500");
    ASSERT_NE(Text(w, "frac1"), "") << c.T;
    Enter(w, "DataEntryV", c.V);
    if (c.askTh) Press(w, "calTh");
    Press(w, c.unit);
    Enter(w, "DataEntryT", c.T);
    // Results of before stand beside the new input until "calculate".
    guitest::Find<ui::StaticText>(w, "Answer")->SetText(QStringLiteral("1"));
    Press(w, "calculate");
    EXPECT_EQ(Text(w, "warning"), warning) << c.T;
    for (const char* name : {"Answer", "tensions", "frac1", "frac2", "MolarV1", "Dens2"})
      EXPECT_EQ(Text(w, name), "") << c.T << " " << name;
  }
  EXPECT_EQ(Text(w, "nummerTh"), "error");
  EXPECT_EQ(guitest::LabelColour(guitest::FindControl(w, "nummerTh")), QColor(255, 0, 0));
}

TEST_F(LiquidVapourTest, PressesDuringTheSearchAreIgnored) {
  Enter(w, "DataEntryV", "30");
  Press(w, "calTh");
  Enter(w, "DataEntryT", "500");
  PressDuringNextLoop(w, {"calculate", "Clear", "calTh"});
  Press(w, "calculate");
  EXPECT_TRUE(PressesMade());
  EXPECT_EQ(Text(w, "DataEntryV"), "30");
  EXPECT_EQ(Text(w, "Answer"), "2.637293");
  EXPECT_NE(Text(w, "frac1"), "");
}

}  // namespace
