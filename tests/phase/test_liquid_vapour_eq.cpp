// The liquid-vapour equilibrium window driven through its controls.
#include "tests/state/StateTest.h"

#include "windows/phase/LiquidVapourEq.h"

#include <functional>
#include <string>

using namespace statetest;

namespace {

class LiquidVapourTest : public WindowTest<LiquidVapourEq> {
 protected:
  // Types the bulk volume, asks for Th, types the temperature in the unit
  // given and presses "calculate"; or asks for both by Return in the entry.
  void Calculate(const QString& V, const char* unit, const QString& T, bool byReturn = false) {
    Enter(w, "DataEntryV", V);
    byReturn ? guitest::PressReturn(guitest::FindControl(w, "DataEntryV")) : Press(w, "calTh");
    Press(w, unit);
    Enter(w, "DataEntryT", T);
    byReturn ? guitest::PressReturn(guitest::FindControl(w, "DataEntryT")) : Press(w, "calculate");
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
    bool byReturn = false;  // Return in the volume asked for Th, and ran the equilibrium
  } cases[] = {
      {"30", "Kelvin", "500", "corresponding density = 600.5093 kg/m3", 616.1542, 2.637293, 0.71777},
      {"1000", "Celsius", "126.85", "corresponding density = 18.01528 kg/m3", 517.2704, 0.24553,
       0.017782},
      {"30", "Kelvin", "500", "corresponding density = 600.5093 kg/m3", 616.1542, 2.637293, 0.71777,
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.V) + (c.byReturn ? " by Return" : ""));
    Calculate(c.V, c.unit, c.T, c.byReturn);
    EXPECT_EQ(statetest::Shared().V, ui::Val(c.V));
    EXPECT_EQ(Text(w, "Density"), c.density);
    // Th is the equation's; the auxiliary curve's (c.Th) lies within 0.06 K.
    EXPECT_NEAR(ShownTh(), c.Th, 0.06);
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

// Th is the equation's own: below it two phases with their shares, at and
// above it the window's refusal, never one phase beside a pressure. 56
// cm3/mol is liquid of the equation from 646.9852 K up (the auxiliary curve
// would put Th at 647.096 K); 50 cm3/mol lies between the two liquid
// branches at the second loop's triple point, 646.687043 K.
TEST_F(LiquidVapourTest, TwoPhasesBelowThOnePhaseAbove) {
  const char* refusal = "warning: one phase at Th and above: take a temperature below Th";
  const struct {
    const char* V;
    const char* Th;  // ˚C, as shown; nullptr: not checked
    const char* T;   // K
    bool twoPhases;
  } cases[] = {
      {"56", nullptr, "646.98", true},      {"56", nullptr, "647", false},
      {"56", nullptr, "647.09", false},     {"50", "373.537", "646.687", true},
      {"50", "373.537", "646.6871", false}, {"60.69", nullptr, "647.12", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.V) + " " + c.T);
    Calculate(c.V, "Kelvin", c.T);
    if (c.Th != nullptr) {
      EXPECT_EQ(Text(w, "nummerTh").toStdString(), c.Th);
    }
    if (c.twoPhases) {
      EXPECT_EQ(Text(w, "warning"), "");
      EXPECT_NE(Text(w, "Answer"), "");
      const double phi = Number(w, "frac1");
      EXPECT_TRUE(phi >= 0.0 && phi <= 1.0) << phi;
      EXPECT_NEAR(phi + Number(w, "frac2"), 1.0, 1e-6);
      EXPECT_LT(Number(w, "MolarV1"), ui::Val(c.V));
      EXPECT_GT(Number(w, "MolarV2"), ui::Val(c.V));
    } else {
      EXPECT_EQ(Text(w, "warning"), refusal);
      EXPECT_EQ(Text(w, "Answer") + Text(w, "frac1") + Text(w, "MolarV1"), "");
    }
  }
  guitest::SaveScreenshot(w, "LiquidVapourEq-near-critical");
}

// Changing an entry or the unit empties the results.

TEST_F(LiquidVapourTest, ResultsOnlyBesideTheirInputs) {
  const struct {
    const char* what;
    std::function<void(ui::Window*)> change;
  } cases[] = {
      {"volume", [](ui::Window* w) { Enter(w, "DataEntryV", "1000"); }},
      {"temperature", [](ui::Window* w) { Enter(w, "DataEntryT", "510"); }},
      {"unit", [](ui::Window* w) { Press(w, "Celsius"); }},
  };
  const QString results[] = {"Answer", "MolarV1", "MolarV2", "Dens1", "frac1", "frac2", "tensions"};
  auto shown = [this, &results] {
    QString all;
    for (const QString& name : results) all += Text(w, name.toUtf8().constData());
    return all;
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Calculate("30", "Kelvin", "500");
    ASSERT_NE(Text(w, "frac1"), "");
    c.change(w);
    EXPECT_EQ(shown(), "");
  }
}

// A refusal says its cause, one message each, and leaves no result of
// before beside the new input.
TEST_F(LiquidVapourTest, EachRefusalSaysItsCause) {
  const char* noTh =
      "warning: no Th, the volume is on no part of the liquid-vapour curve";
  const struct {
    const char* V;
    bool askTh;
    const char* unit;
    const char* T;
    const char* warning;
  } cases[] = {
      {"30", false, "Kelvin", "500", "warning: calculate the homogenization temperature Th first"},
      {"30", true, "Kelvin", "617",
       "warning: one phase at Th and above: take a temperature below Th"},
      {"30", true, "Celsius", "0.01", "warning: temperature at or below the triple point, 0.01 ˚C"},
      {"30", true, "Kelvin", "abc", "warning: put a number for molar volume and temperature (below Th)"},
      {"", true, "Kelvin", "500", "warning: put a number for molar volume and temperature (below Th)"},
      {"18", true, "Kelvin", "500", noTh},  // denser than the liquid anywhere on the curve
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.V) + " " + c.T);
    Calculate("30", "Kelvin", "500");
    ASSERT_NE(Text(w, "frac1"), "");
    Enter(w, "DataEntryV", c.V);
    if (c.askTh) Press(w, "calTh");
    Press(w, c.unit);
    Enter(w, "DataEntryT", c.T);
    // Results of before stand beside the new input until "calculate".
    guitest::Find<ui::StaticText>(w, "Answer")->SetText(QStringLiteral("1"));
    Press(w, "calculate");
    EXPECT_EQ(Text(w, "warning"), c.warning);
    guitest::ExpectTextsFit(w);
    for (const char* name : {"Answer", "tensions", "frac1", "frac2", "MolarV1", "Dens2"})
      EXPECT_EQ(Text(w, name), "") << name;
  }
  // Th of a volume on no part of the curve is an error, and says why.
  Press(w, "calTh");
  EXPECT_EQ(Text(w, "nummerTh"), "error");
  EXPECT_EQ(guitest::LabelColour(guitest::FindControl(w, "nummerTh")), QColor(255, 0, 0));
  EXPECT_EQ(Text(w, "warning"), noTh);
  guitest::ExpectTextsFit(w);
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
