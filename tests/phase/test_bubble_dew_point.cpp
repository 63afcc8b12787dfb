// The homogenization window driven through its controls.
#include "tests/state/StateTest.h"

#include "thermo/Homogenization.h"
#include "windows/phase/BubbleDewPoint.h"

#include <QStringList>

#include <array>
#include <functional>

using namespace statetest;

namespace {

class BubbleDewPointTest : public WindowTest<BubbleDewPoint, PicturesTest> {
 protected:
  // Chooses the input, the unit and the mode, types the number and presses
  // "calculate".
  void Calculate(const char* input, const char* unit, const char* mode, const QString& number) {
    Press(w, input);
    Press(w, unit);
    Press(w, mode);
    Enter(w, "dataEntry", number);
    Press(w, "calculate");
  }
  ui::Rgb Border(const char* column) const {
    return guitest::Find<ui::Rectangle>(w, column)->TopLeftColor();
  }
  bool Shown(const char* name) const { return ui::Visible(guitest::FindControl(w, name)); }
  // The given quantity, its unit, the answer's quantity and its unit.
  QString Labels() const {
    const QStringList names{Text(w, "parameter1"), Text(w, "unit1"), Text(w, "Parameter2"), Text(w, "Unit2")};
    return names.join('|');
  }
};

int yields = 0;
void CountYield() { ++yields; }

bool IsRed(ui::Rgb c) { return c.r == 255 && c.g == 0 && c.b == 0; }
bool IsWhite(ui::Rgb c) { return c.r == 255 && c.g == 255 && c.b == 255; }

QString Sentence(int passes) {
  return QStringLiteral("Solution after ") + QString::number(passes) +
         QStringLiteral(" iterations, phase within red rectangle illustrate homogenization "
                        "conditions, whereas the other phase is coexistent and disappears at the "
                        "moment of homogenization");
}

TEST_F(BubbleDewPointTest, LabelsFollowTheInputAndTheUnit) {
  Press(w, "Celsius");
  Press(w, "RadioButtonTh");
  EXPECT_EQ(Labels(), "Temperature|˚Celsius|Homogenization Pressure|MPa");

  // The answer of a pressure input is a temperature, shifted with the unit.
  Press(w, "Kelvin");
  Calculate("RadioButtonPh", "Kelvin", "Liquid", "0.101325");
  EXPECT_EQ(Labels(), "Pressure|MPa|Homogenization Temperature|Kelvin");
  EXPECT_EQ(Text(w, "Answer"), "373.1507");
  Press(w, "Celsius");
  EXPECT_EQ(Text(w, "Unit2"), "˚Celsius");
  EXPECT_EQ(Text(w, "Answer"), ui::Str(373.1507 - 273.15));
  EXPECT_EQ(Text(w, "MolarV1"), "18.7974");
  Press(w, "Kelvin");
  EXPECT_EQ(Text(w, "Answer"), "373.1507");
}

// A unit switch shows the temperature as computed, not its rounded text
// shifted: below 100 ˚C the Celsius figure has a decimal more than the
// kelvin one, and switching back and forth changes neither.
TEST_F(BubbleDewPointTest, UnitSwitchesShowTheComputedTemperature) {
  Calculate("RadioButtonPh", "Kelvin", "Liquid", "0.01");
  const QString kelvin = Text(w, "Answer");
  const double T = thermo::HomogenizeAtPressure(Globals::NudgeVariable::Pressure, 0.01).X;
  ASSERT_EQ(kelvin, ui::Str(T));
  for (int round = 0; round < 3; ++round) {
    Press(w, "Celsius");
    EXPECT_EQ(Text(w, "Answer"), ui::Str(T - Globals::CelsiusOffset));
    Press(w, "Kelvin");
    EXPECT_EQ(Text(w, "Answer"), kelvin);
  }
}

// The mode shows its picture; the passes of the search's own answer are
// checked once, in NothingDuringTheSearchDisturbsIt.
TEST_F(BubbleDewPointTest, ShowsBothPhasesAndFramesTheOneHomogenizedInto) {
  const struct {
    const char* mode;
    const char* T;
    const char* shown;  // pressure, both volumes, both fugacities
    bool liquidFramed;
  } cases[] = {
      {"Liquid", "500", "2.637293 21.66749 1365.87 2.338272 2.338272", true},
      {"Vapour", "646.5", "21.89063 46.39152 71.31557 14.29355 14.29355", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.T);
    Calculate("RadioButtonTh", "Kelvin", c.mode, c.T);
    QStringList shown;
    for (const char* name : {"Answer", "MolarV1", "MolarV2", "Fuga1", "Fuga2"}) shown << Text(w, name);
    EXPECT_EQ(shown.join(' '), c.shown);
    // The saturation arrays hold the phases shown.
    EXPECT_EQ(Text(w, "Dens1"), ui::Str(Globals::MolarMassH2O / Globals::MolarVolumes[0]));
    EXPECT_EQ(Text(w, "Dens2"), ui::Str(Globals::MolarMassH2O / Globals::MolarVolumes[1]));
    EXPECT_EQ(Text(w, "Tensions"), ui::Str(Globals::Haar_SurfaceTension(ui::Val(c.T))));
    EXPECT_TRUE(Text(w, "ResultText").startsWith("Solution after "));
    const bool l = c.liquidFramed;  // frame and picture on the liquid's side, or on the vapour's
    EXPECT_EQ((std::array{IsRed(Border("Rectangle1")), Shown("ImageWell1"), IsRed(Border("Rectangle2")),
                          Shown("ImageWell2")}),
              (std::array{l, l, !l, !l}));
    EXPECT_EQ(Text(w, "warning"), "");
  }
  ExpectLook(w, "BubbleDewPoint-result");

  // Typing empties every result and whitens both frames.
  Enter(w, "dataEntry", "5");
  EXPECT_EQ(Text(w, "Answer") + Text(w, "ResultText") + Text(w, "Fuga2"), "");
  EXPECT_TRUE(IsWhite(Border("Rectangle1")) && IsWhite(Border("Rectangle2")));
}

TEST_F(BubbleDewPointTest, RefusesAtOnceWhatItCannotAnswer) {
  const char* chooseWarning = "warning: select homogenization temperature or pressure";
  const char* numberWarning = "warning: put a number for homogenization conditions";
  const char* modeWarning = "warning: select mode";
  const char* temperatureWarning =
      "warning: homogenization temperature outside the liquid-vapour curve, 273.16 - 647.1271 K";
  const char* pressureWarning =
      "warning: homogenization pressure outside the liquid-vapour curve, 0.000611657 - 22.05423 MPa";
  const struct {
    const char* input;  // nullptr: neither input button on
    const char* unit;
    const char* mode;   // nullptr: no mode
    const char* number;
    const char* warning;
  } cases[] = {
      {"RadioButtonTh", "Kelvin", "Liquid", "", numberWarning},
      {"RadioButtonTh", "Celsius", "Liquid", "abc", numberWarning},
      {"RadioButtonPh", "Kelvin", "Vapour", "", numberWarning},
      {"RadioButtonTh", "Kelvin", nullptr, "500", modeWarning},
      {nullptr, "Kelvin", "Liquid", "500", chooseWarning},
      // Below the triple point, whatever the unit.
      {"RadioButtonTh", "Celsius", "Liquid", "0",
       "warning: homogenization temperature outside the liquid-vapour curve, 0.01 - 373.9771 ˚C"},
      {"RadioButtonTh", "Kelvin", "Liquid", "273.15", temperatureWarning},
      {"RadioButtonTh", "Kelvin", "Liquid", "-5", temperatureWarning},
      // Above the equation's critical point.
      {"RadioButtonTh", "Kelvin", "Vapour", "647.1272", temperatureWarning},
      {"RadioButtonTh", "Kelvin", "Vapour", "647.12716", temperatureWarning},
      {"RadioButtonPh", "Kelvin", "Liquid", "22.05424", pressureWarning},
      {"RadioButtonPh", "Kelvin", "Liquid", "22.054234", pressureWarning},
      {"RadioButtonPh", "Celsius", "Liquid", "0", pressureWarning},
  };
  for (const auto& c : cases) {
    Press(w, "Clear");
    if (c.input != nullptr) {
      Press(w, c.input);
    } else {
      guitest::Find<ui::RadioButton>(w, "RadioButtonTh")->SetValue(false);
      guitest::Find<ui::RadioButton>(w, "RadioButtonPh")->SetValue(false);
    }
    Press(w, c.unit);
    if (c.mode != nullptr) Press(w, c.mode);
    Enter(w, "dataEntry", c.number);
    // Results left from before: the refusal empties them.
    guitest::Find<ui::StaticText>(w, "MolarV1")->SetText(QStringLiteral("18"));
    guitest::Find<ui::StaticText>(w, "Answer")->SetText(QStringLiteral("1"));
    yields = 0;
    Globals::SetBackgroundTask(&CountYield);
    Press(w, "calculate");
    Globals::SetBackgroundTask(nullptr);
    EXPECT_EQ(yields, 0) << c.number << " nothing is searched";
    EXPECT_EQ(Text(w, "warning"), c.warning) << c.number;
    EXPECT_EQ(Text(w, "Answer") + Text(w, "MolarV1") + Text(w, "ResultText"), "") << c.number;
    guitest::ExpectTextsFit(w);
  }
  guitest::SaveScreenshot(w, "BubbleDewPoint-refused");
}

// Every bound the refusals print is answered. At the top, the limits the
// messages print and the critical point as the program's documentation
// gives it (647.12715 K, 22.054233 MPa) are the equation's critical point
// itself: one fluid for both phases; the note at the top states the same
// point. At the bottom, the triple point's two phases.
TEST_F(BubbleDewPointTest, EveryPrintedBoundIsAnswered) {
  EXPECT_EQ(Text(w, "Text12").toStdString(),
            "critical temperature 647.127 K (373.977 ˚C)\ncritical pressure 22.054 MPa (220.54 bar)\n"
            "triple point: 273.16 K (0.01 ˚C), 0.000612 MPa");
  const struct {
    const char* input;
    const char* unit;
    const char* number;
    const char* answer;
    const char* liquid;  // cm3/mol
    const char* vapour;
  } cases[] = {
      {"RadioButtonTh", "Kelvin", "647.1271", "22.05423", "60.69091", "60.69091"},
      {"RadioButtonPh", "Kelvin", "22.05423", "647.1271", "60.69091", "60.69091"},
      {"RadioButtonTh", "Kelvin", "647.12715", "22.05423", "60.69091", "60.69091"},
      {"RadioButtonPh", "Kelvin", "22.054233", "647.1271", "60.69091", "60.69091"},
      {"RadioButtonTh", "Kelvin", "273.16", "0.000611744", "18.01928", "3710849"},
      {"RadioButtonPh", "Kelvin", "0.000611657", "273.158", "18.01928", "3711350"},
      {"RadioButtonTh", "Celsius", "373.9771", "22.05423", "60.69091", "60.69091"},
      {"RadioButtonTh", "Celsius", "0.01", "0.000611744", "18.01928", "3710849"},
  };
  for (const auto& c : cases) {
    Calculate(c.input, c.unit, "Vapour", c.number);
    EXPECT_EQ(Text(w, "warning"), "") << c.number;
    EXPECT_EQ(Text(w, "Answer"), c.answer) << c.number;
    EXPECT_EQ(Text(w, "MolarV1"), c.liquid) << c.number;
    EXPECT_EQ(Text(w, "MolarV2"), c.vapour) << c.number;
    if (QString(c.liquid) == c.vapour) {
      EXPECT_EQ(Text(w, "ResultText"), Sentence(0)) << c.number;
    }
  }
}

// Changing the mode after a result empties it: the answer and its frame
// belong to the mode they were calculated for.
TEST_F(BubbleDewPointTest, ModeChangeEmptiesTheResult) {
  Calculate("RadioButtonTh", "Kelvin", "Liquid", "500");
  ASSERT_EQ(Text(w, "Answer"), "2.637293");
  Press(w, "Vapour");
  EXPECT_EQ(Text(w, "Answer") + Text(w, "MolarV1") + Text(w, "ResultText"), "");
  EXPECT_TRUE(IsWhite(Border("Rectangle1")) && IsWhite(Border("Rectangle2")));
}

// Another window's evaluation during the search's yields overwrites the
// saturation arrays; the answer shown is still the search's own.
bool evaluating = false;
void EvaluateElsewhere() {
  if (evaluating) return;
  evaluating = true;
  Globals::Function_LV(0, 400.0, 0.2);
  evaluating = false;
}

TEST_F(BubbleDewPointTest, NothingDuringTheSearchDisturbsIt) {
  Globals::SetBackgroundTask(&EvaluateElsewhere);
  Calculate("RadioButtonTh", "Kelvin", "Liquid", "500");
  EXPECT_EQ(Text(w, "MolarV1"), "21.66749");
  EXPECT_EQ(Text(w, "MolarV2"), "1365.87");
  EXPECT_EQ(Text(w, "ResultText"), Sentence(28));

  // Presses of its own buttons during the search are ignored.
  PressDuringNextLoop(w, {"calculate", "Clear"});
  Press(w, "calculate");
  EXPECT_TRUE(PressesMade());
  EXPECT_EQ(Text(w, "dataEntry"), "500");
  EXPECT_EQ(Text(w, "ResultText"), Sentence(28));
  EXPECT_TRUE(IsOn(w, "Liquid"));
}

}  // namespace
