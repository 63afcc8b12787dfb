#include "windows/phase/BubbleDewPoint.h"

#include "catalogue/Pictures.h"
#include "thermo/Constants.h"
#include "thermo/Homogenization.h"
#include "thermo/PhaseFigures.h"
#include "windows/phase/SaturationLayout.h"
#include "windows/statepoint/TemperatureEntry.h"

#include <optional>

using ui::ControlLayout;
using ui::Kind;
using saturation_windows::Empty;
using saturation_windows::kText1;
using saturation_windows::kText11;
using saturation_windows::kText12;
using saturation_windows::Rule;
using saturation_windows::Text;

namespace {

// Tab order: the entry, its unit, the mode, the phase, calculate, clear.
constexpr const char* kFocusOrder[] = {"dataEntry", "Kelvin", "Celsius", "RadioButtonTh",
                                       "RadioButtonPh", "Vapour", "Liquid", "calculate", "Clear"};

// What "calculate" fills: the temperature or pressure, the warning, the rest.
constexpr const char* kFigures[] = {"Answer", "warning", "Tensions", "ResultText", "MolarV1", "MolarV2",
                                    "Dens1", "Dens2", "Fuga1", "Fuga2"};

constexpr ui::WindowLayout kWindow = ui::WithFigures(
    ui::WithFocusOrder(saturation_windows::Window(BubbleDewPoint::ClassName, "Bubble-Dew point", 565),
                       kFocusOrder),
    kFigures);

// The two columns of the phase grid: a white box whose border turns red for
// the phase the fluid homogenizes into.
constexpr ControlLayout Column(const char* name, int left) {
  return {.kind = Kind::Rectangle, .name = name, .left = left, .top = 376, .width = 130,
          .height = 140, .fillColor = ui::White, .topLeftColor = ui::White,
          .bottomRightColor = ui::White, .borderWidth = 1};
}

constexpr ControlLayout kControls[] = {
    Column("Rectangle1", 174),
    Column("Rectangle2", 309),
    {.kind = Kind::GroupBox, .name = "GroupBox6", .left = 20, .top = 85, .width = 290, .height = 95,
     .text = "Select", .font = {.size = 16, .italic = true}},
    {.kind = Kind::RadioButton, .name = "RadioButtonTh", .left = 35, .top = 115, .width = 260,
     .height = 25, .text = "Homogenization Temperature", .font = {.size = 16}, .parent = "GroupBox6"},
    {.kind = Kind::EditField, .name = "dataEntry", .left = 180, .top = 200, .width = 100, .height = 25,
     .text = "", .font = {.size = 16}},
    Text("unit1", 290, 200, 70, 25, "unit"),
    {.kind = Kind::RadioButton, .name = "RadioButtonPh", .left = 35, .top = 145, .width = 260,
     .height = 25, .text = "Homogenization Pressure", .font = {.size = 16}, .parent = "GroupBox6"},
    {.kind = Kind::PushButton, .name = "Clear", .left = 560, .top = 20, .width = 50, .height = 20,
     .text = "clear", .font = {.size = 10}},
    {.kind = Kind::PushButton, .name = "calculate", .left = 30, .top = 260, .width = 100, .height = 30,
     .text = "calculate", .font = {.size = 18}, .isDefault = true},
    Text("MolarVolume", 40, 410, 120, 25, "Molar Volume"),
    {.kind = Kind::StaticText, .name = "PhaseX1", .left = 180, .top = 380, .width = 103, .height = 20,
     .text = "liquid phase", .font = {.size = 14}, .parent = "Rectangle1"},
    Text("PhaseY1", 315, 380, 125, 20, "vapour phase", 14),
    Text("Parameter2", 20, 310, 240, 25, "parameter"),
    Text("Answer", 270, 310, 120, 25, ""),
    Text("Unit2", 400, 310, 70, 25, "unit"),
    Text("Fugacity", 40, 480, 125, 25, "Fugacity"),
    {.kind = Kind::StaticText, .name = "ResultText", .left = 40, .top = 525, .width = 540, .height = 30,
     .text = "", .font = {.size = 10}, .multiline = true},
    temperature_entry::KelvinRadio(532, 197),
    temperature_entry::CelsiusRadio(532, 197),
    {.kind = Kind::GroupBox, .name = "GroupBox1", .left = 525, .top = 190, .width = 70, .height = 54,
     .text = "", .font = {.size = 0}},
    {.kind = Kind::GroupBox, .name = "GroupBox4", .left = 325, .top = 85, .width = 270, .height = 85,
     .text = "Mode", .font = {.size = 16, .italic = true}},
    {.kind = Kind::RadioButton, .name = "Vapour", .left = 333, .top = 113, .width = 110, .height = 25,
     .text = " Vapour", .font = {.size = 16}, .parent = "GroupBox4"},
    {.kind = Kind::RadioButton, .name = "Liquid", .left = 333, .top = 136, .width = 110, .height = 25,
     .text = " Liquid", .font = {.size = 16}, .parent = "GroupBox4"},
    {.kind = Kind::ImageWell, .name = "ImageWell1", .left = 460, .top = 115, .width = 120, .height = 45,
     .visible = false, .parent = "GroupBox4", .picture = pictures::Liquid2},
    {.kind = Kind::ImageWell, .name = "ImageWell2", .left = 461, .top = 115, .width = 120, .height = 45,
     .visible = false, .parent = "GroupBox4", .picture = pictures::Vapour2},
    Text("Density", 40, 445, 120, 25, "Density"),
    {.kind = Kind::StaticText, .name = "MolarV1", .left = 180, .top = 410, .width = 120, .height = 25,
     .text = "", .font = {.size = 16}, .parent = "Rectangle1"},
    {.kind = Kind::StaticText, .name = "MolarV2", .left = 315, .top = 410, .width = 120, .height = 25,
     .text = "", .font = {.size = 16}, .parent = "Rectangle2"},
    {.kind = Kind::StaticText, .name = "Dens1", .left = 179, .top = 445, .width = 120, .height = 25,
     .text = "", .font = {.size = 16}, .parent = "Rectangle1"},
    {.kind = Kind::StaticText, .name = "Dens2", .left = 315, .top = 445, .width = 120, .height = 25,
     .text = "", .font = {.size = 16}, .parent = "Rectangle2"},
    {.kind = Kind::StaticText, .name = "Fuga1", .left = 179, .top = 480, .width = 120, .height = 25,
     .text = "", .font = {.size = 16}, .parent = "Rectangle1"},
    {.kind = Kind::StaticText, .name = "Fuga2", .left = 315, .top = 480, .width = 120, .height = 25,
     .text = "", .font = {.size = 16}, .parent = "Rectangle2"},
    Text("StaticText5", 450, 410, 75, 25, "cm /mol"),
    Text("StaticText6", 472, 409, 16, 20, "3", 12),
    Text("StaticText7", 450, 445, 55, 25, "g/cm"),
    Text("StaticText8", 490, 444, 16, 20, "3", 12),
    Text("StaticText9", 450, 480, 40, 25, "MPa"),
    kText1,
    kText11,
    kText12,
    Text("parameter1", 20, 200, 150, 25, "parameter"),
    Rule("Line1", 20, 300, 600),
    Text("Homogen22", 20, 340, 240, 25, "Surface Tension"),
    Text("Tensions", 270, 340, 120, 25, ""),
    Text("Dimension21", 400, 340, 70, 25, "N/m"),
    {.kind = Kind::StaticText, .name = "warning", .left = 160, .top = 260, .width = 435, .height = 30,
     .text = "", .font = {.size = 12}, .textColor = ui::Red, .multiline = true},
    Rule("Line2", 40, 405, 520),
    Rule("Line3", 40, 510, 520),
};

// One message for each thing missing before a calculation.
const QString kChooseInputWarning =
    QStringLiteral("warning: select homogenization temperature or pressure");
const QString kNumberWarning = QStringLiteral("warning: put a number for homogenization conditions");
const QString kModeWarning = QStringLiteral("warning: select mode");

}  // namespace

const ui::WindowLayout& BubbleDewPoint::Layout() const { return kWindow; }

std::span<const ControlLayout> BubbleDewPoint::Controls() const {
  static const auto controls = saturation_windows::WithCriticalPointNote(kControls);
  return controls;
}

std::vector<ui::Handler> BubbleDewPoint::Handlers() {
  using ui::Event;
  std::vector<ui::Handler> handlers{
      {"RadioButtonTh", Event::Action, [this] { RadioButtonTh_Action(); }},
      {"dataEntry", Event::TextChange, [this] { dataEntry_TextChange(); }},
      {"RadioButtonPh", Event::Action, [this] { RadioButtonPh_Action(); }},
      {"Clear", Event::Action, [this] { Clear_Action(); }},
      {"calculate", Event::Action, [this] { calculate_Action(); }},
      {"Vapour", Event::Action, [this] { Vapour_Action(); }},
      {"Liquid", Event::Action, [this] { Liquid_Action(); }},
      {"StaticText5", Event::KeyDown, [this] { StaticText5_KeyDown(); }},
  };
  for (ui::Handler& h : temperature_entry::Handlers(*this, nullptr, [this] { UnitChanged(); }))
    handlers.push_back(std::move(h));
  return handlers;
}

void BubbleDewPoint::SetBorders(ui::Rgb liquid, ui::Rgb vapour) {
  auto* column1 = Find<ui::Rectangle>("Rectangle1");
  auto* column2 = Find<ui::Rectangle>("Rectangle2");
  column1->SetTopLeftColor(liquid);
  column1->SetBottomRightColor(liquid);
  column2->SetTopLeftColor(vapour);
  column2->SetBottomRightColor(vapour);
}

void BubbleDewPoint::EmptyResults() {
  answerKelvin_ = 0.0;
  Empty(*this, {"Answer", "Tensions", "ResultText", "MolarV1", "MolarV2", "Dens1", "Dens2", "Fuga1",
                "Fuga2"});
}

void BubbleDewPoint::RadioButtonTh_Action() {
  if (!Radio("RadioButtonTh")->Value()) return;
  guard_.Changed();
  Field("dataEntry")->SetText(QString());
  Label("parameter1")->SetText(QStringLiteral("Temperature"));
  Label("unit1")->SetText(temperature_entry::UnitText(*this));
  Label("Parameter2")->SetText(QStringLiteral("Homogenization Pressure"));
  Label("Unit2")->SetText(QStringLiteral("MPa"));
}

void BubbleDewPoint::RadioButtonPh_Action() {
  if (!Radio("RadioButtonPh")->Value()) return;
  guard_.Changed();
  Field("dataEntry")->SetText(QString());
  Label("parameter1")->SetText(QStringLiteral("Pressure"));
  Label("unit1")->SetText(QStringLiteral("MPa"));
  Label("Parameter2")->SetText(QStringLiteral("Homogenization Temperature"));
  Label("Unit2")->SetText(temperature_entry::UnitText(*this));
}

void BubbleDewPoint::dataEntry_TextChange() {
  guard_.Changed();
  EmptyResults();
  Label("warning")->SetText(QString());
  SetBorders(ui::White, ui::White);
}

void BubbleDewPoint::Clear_Action() {
  if (guard_.Running()) return;
  Field("dataEntry")->SetText(QString());
  EmptyResults();
  Label("warning")->SetText(QString());
  Radio("Liquid")->SetValue(false);
  Radio("Vapour")->SetValue(false);
  ui::SetVisible(Control("ImageWell1"), false);
  ui::SetVisible(Control("ImageWell2"), false);
}

// A change of the temperature unit: where the typed number is a temperature
// it is discarded with every result; where the answer is one, it is shown
// anew, from the temperature as computed, in the new unit. Only in the
// first case is it a change of the calculation's input: an answer to a
// pressure still being calculated is shown in the unit on when it ends.
void BubbleDewPoint::UnitChanged() {
  if (Radio("RadioButtonTh")->Value()) {
    guard_.Changed();
    Label("unit1")->SetText(temperature_entry::UnitText(*this));
    Field("dataEntry")->SetText(QString());
    EmptyResults();
    Label("warning")->SetText(QString());
  }
  if (Radio("RadioButtonPh")->Value()) {
    Label("Unit2")->SetText(temperature_entry::UnitText(*this));
    ShowTemperatureAnswer();
  }
}

// The homogenization temperature of a given pressure, in the unit selected
// now, as the unit label says; nothing where none was computed.
void BubbleDewPoint::ShowTemperatureAnswer() {
  if (!(answerKelvin_ > 0)) return;
  Label("Answer")->SetText(temperature_entry::Shown(*this, answerKelvin_));
}


// A change of mode: the answer and its frame belong to the mode they were
// calculated for.
void BubbleDewPoint::ModeChanged() {
  guard_.Changed();
  EmptyResults();
  SetBorders(ui::White, ui::White);
  Label("warning")->SetText(QString());
}

void BubbleDewPoint::Vapour_Action() {
  const bool on = Radio("Vapour")->Value();
  if (on) ModeChanged();
  ui::SetVisible(Control("ImageWell2"), on);
  if (on) ui::SetVisible(Control("ImageWell1"), false);
  Label("warning")->SetText(QString());
}

void BubbleDewPoint::Liquid_Action() {
  const bool on = Radio("Liquid")->Value();
  if (on) ModeChanged();
  ui::SetVisible(Control("ImageWell1"), on);
  if (on) ui::SetVisible(Control("ImageWell2"), false);
  Label("warning")->SetText(QString());
}

// Keys reported for the "cm /mol" label are left to the window.
void BubbleDewPoint::StaticText5_KeyDown() {}

void BubbleDewPoint::calculate_Action() {
  if (guard_.Running()) return;  // a press during the calculation's own yields
  const ui::AnswerGuard::Run run(guard_);

  // What the number is, taken once: a switch during the calculation does
  // not turn a temperature into a pressure halfway.
  const bool givenT = Radio("RadioButtonTh")->Value();
  const bool givenP = Radio("RadioButtonPh")->Value();
  const bool intoVapour = Radio("Vapour")->Value();
  const bool intoLiquid = Radio("Liquid")->Value();
  const bool celsius = temperature_entry::Celsius(*this);
  const std::optional<double> number =
      givenT ? temperature_entry::Read(*this, "dataEntry") : ui::EnteredNumber(Field("dataEntry")->Text());
  QString missing;
  if (!(givenT || givenP)) {
    missing = kChooseInputWarning;
  } else if (!number) {
    missing = kNumberWarning;
  } else if (!(intoVapour || intoLiquid)) {
    missing = kModeWarning;
  }
  if (!missing.isEmpty()) {
    Label("warning")->SetText(missing);
    EmptyResults();
    return;
  }
  const int mode = intoVapour ? thermo::NudgeTemperature : thermo::NudgePressure;

  const ui::AnswerGuard::Ticket inputs = guard_.Take();
  const thermo::Homogenization h =
      givenT ? thermo::HomogenizeAtTemperature(mode, *number) : thermo::HomogenizeAtPressure(mode, *number);
  // Inputs changed while the search let events run: the answer belongs to
  // none of them, and their handlers have emptied the results.
  if (!guard_.Current(inputs)) return;

  if (h.status == thermo::HomogenizationStatus::OutsideCurve) {
    // The bounds in the unit of the entry, each answered as printed: the
    // triple point (0.01 ˚C lands a rounding error below 273.16 K, within
    // the calculation's tolerance) and the critical point rounded down.
    Label("warning")->SetText(
        givenT ? QStringLiteral("warning: homogenization temperature outside the liquid-vapour "
                                "curve, ") +
                     (celsius ? QStringLiteral("0.01 - ") : QStringLiteral("273.16 - ")) +
                     temperature_entry::UpperBoundText(thermo::EquationCriticalPoint().T, 4, celsius)
               : QStringLiteral("warning: homogenization pressure outside the liquid-vapour "
                                "curve, 0.000611657 - ") +
                     saturation_windows::CriticalPressureLimit() + QStringLiteral(" MPa"));
    EmptyResults();
    return;
  }
  if (h.status != thermo::HomogenizationStatus::Solved) {
    EmptyResults();
    Label("warning")->SetText(QString());
    Label("Answer")->SetText(QStringLiteral("no solution"));
    return;
  }

  if (givenP) {
    answerKelvin_ = h.X;
    ShowTemperatureAnswer();
  }
  if (givenT) Label("Answer")->SetText(ui::Str(h.X));
  const thermo::Coexistence& c = h.state;
  saturation_windows::ShowPhases(*this, c);
  Label("Fuga1")->SetText(ui::Str(c.fL));
  Label("Fuga2")->SetText(ui::Str(c.fV));
  Label("ResultText")
      ->SetText(QStringLiteral("Solution after ") + ui::Str(h.iterations) +
                QStringLiteral(" iterations, phase within red rectangle illustrate homogenization "
                               "conditions, whereas the other phase is coexistent and disappears "
                               "at the moment of homogenization"));
  if (mode == thermo::NudgePressure) {
    SetBorders(ui::Red, ui::White);
  } else {
    SetBorders(ui::White, ui::Red);
  }
  Label("Tensions")->SetText(ui::Str(thermo::SurfaceTension(c.T)));
}
