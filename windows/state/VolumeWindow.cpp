#include "windows/state/VolumeWindow.h"

#include "thermo/StateSearch.h"
#include "thermo/StatePoint.h"
#include "thermo/StateValues.h"
#include "windows/state/FirstApproach.h"
#include "windows/statepoint/StateLabels.h"
#include "windows/state/ZeroFunctionListing.h"
#include "windows/statepoint/TemperatureEntry.h"
#include "catalogue/Pictures.h"

using ui::ControlLayout;
using ui::Kind;

namespace {

// Tab order: pressure, temperature and its unit, the first approach and its
// volume, the listing, calculate, clear.
constexpr const char* kFocusOrder[] = {"dataEntryP", "dataEntryT", "Kelvin", "Celsius", "Choice0",
                                       "Choice1", "dataEntryV", "Analysis", "calculate", "Clear"};

// What "calculate" fills.
constexpr const char* kFigures[] = {"Result", "warning"};

constexpr ui::WindowLayout kWindow{
    .className = VolumeWindow::ClassName,
    .title = "Molar Volume",
    .width = 460,
    .height = 545,
    .placement = ui::Placement::Default,
    .focusOrder = kFocusOrder,
    .figures = kFigures,
};

constexpr ControlLayout kControls[] = {
    {.kind = Kind::StaticText, .name = "DefVol", .left = 20, .top = 20, .width = 200, .height = 25,
     .text = "Definition Molar Volume:", .font = {.size = 16}},
    {.kind = Kind::StaticText, .name = "StaticText10", .left = 20, .top = 50, .width = 278, .height = 17,
     .text = "numerically extracted from pressure definition", .font = {.size = 12}, .multiline = true},
    {.kind = Kind::Canvas, .name = "Canvas1", .left = 315, .top = 20, .width = 96, .height = 46,
     .picture = pictures::pressure},
    {.kind = Kind::StaticText, .name = "PressureText", .left = 20, .top = 90, .width = 130, .height = 25,
     .text = "Pressure", .font = {.size = 16}},
    {.kind = Kind::EditField, .name = "dataEntryP", .left = 155, .top = 90, .width = 120, .height = 25,
     .text = "", .font = {.size = 16}},
    {.kind = Kind::StaticText, .name = "StaticText7", .left = 285, .top = 90, .width = 80, .height = 25,
     .text = "MPa", .font = {.size = 16}},
    {.kind = Kind::StaticText, .name = "Temperature", .left = 20, .top = 130, .width = 130, .height = 25,
     .text = "Temperature", .font = {.size = 16}},
    {.kind = Kind::EditField, .name = "dataEntryT", .left = 155, .top = 130, .width = 120, .height = 25,
     .text = "", .font = {.size = 16}},
    {.kind = Kind::StaticText, .name = "StaticText8", .left = 285, .top = 130, .width = 80, .height = 25,
     .text = "Kelvin", .font = {.size = 16}},
    {.kind = Kind::PushButton, .name = "Clear", .left = 390, .top = 90, .width = 50, .height = 20,
     .text = "clear", .font = {.size = 10}},
    {.kind = Kind::GroupBox, .name = "GroupBox1", .left = 370, .top = 130, .width = 70, .height = 54,
     .text = "", .font = {.size = 0}},
    temperature_entry::KelvinRadio(377, 137, "GroupBox1"),
    temperature_entry::CelsiusRadio(377, 137, "GroupBox1"),
    {.kind = Kind::GroupBox, .name = "GroupBox2", .left = 40, .top = 200, .width = 380, .height = 195,
     .text = "Select a first approach", .font = {.size = 16, .italic = true}},
    {.kind = Kind::StaticText, .name = "StaticText9", .left = 60, .top = 230, .width = 340, .height = 31,
     .text = "The complexity of the equation of state can result in a variety of solutions for the molar volume",
     .font = {.size = 12}, .multiline = true, .parent = "GroupBox2"},
    {.kind = Kind::RadioButton, .name = "Choice0", .left = 60, .top = 270, .width = 20, .height = 20,
     .text = "", .font = {.family = "palatino", .size = 18}, .value = false, .parent = "GroupBox2"},
    {.kind = Kind::StaticText, .name = "TextChoice0", .left = 85, .top = 270, .width = 180, .height = 20,
     .text = "automatic", .font = {.size = 14, .italic = true}, .parent = "GroupBox2"},
    {.kind = Kind::RadioButton, .name = "Choice1", .left = 60, .top = 295, .width = 20, .height = 20,
     .text = "", .font = {.family = "palatino", .size = 18}, .value = false, .parent = "GroupBox2"},
    {.kind = Kind::StaticText, .name = "TextChoice1", .left = 85, .top = 295, .width = 180, .height = 20,
     .text = "manual", .font = {.size = 14, .italic = true}, .parent = "GroupBox2"},
    {.kind = Kind::StaticText, .name = "MolarVolume1", .left = 100, .top = 320, .width = 100, .height = 20,
     .text = "Molar Volume", .font = {.size = 14}, .parent = "GroupBox2"},
    {.kind = Kind::EditField, .name = "dataEntryV", .left = 210, .top = 320, .width = 100, .height = 20,
     .text = "", .font = {.size = 14}, .parent = "GroupBox2"},
    {.kind = Kind::StaticText, .name = "StaticText3", .left = 320, .top = 320, .width = 75, .height = 20,
     .text = "cm /mol", .font = {.size = 14}, .parent = "GroupBox2"},
    {.kind = Kind::StaticText, .name = "StaticText4", .left = 339, .top = 316, .width = 16, .height = 20,
     .text = "3", .font = {.size = 11}, .parent = "GroupBox2"},
    {.kind = Kind::PushButton, .name = "Analysis", .left = 270, .top = 355, .width = 130, .height = 20,
     .text = "Mathematical Analysis", .font = {.size = 10}, .parent = "GroupBox2"},
    {.kind = Kind::PushButton, .name = "calculate", .left = 30, .top = 410, .width = 105, .height = 30,
     .text = "calculate", .font = {.size = 18}, .isDefault = true},
    {.kind = Kind::StaticText, .name = "warning", .left = 160, .top = 410, .width = 270, .height = 30,
     .text = "", .font = {.size = 12}, .textColor = ui::Red, .multiline = true},
    {.kind = Kind::Line, .name = "Line1", .left = 20, .top = 455, .width = 420, .height = 0,
     .x1 = 20, .y1 = 455, .x2 = 440, .y2 = 455, .borderWidth = 1},
    {.kind = Kind::StaticText, .name = "Result", .left = 220, .top = 470, .width = 120, .height = 25,
     .text = "", .font = {.size = 16}},
    {.kind = Kind::StaticText, .name = "StaticText1", .left = 350, .top = 470, .width = 75, .height = 25,
     .text = "cm /mol", .font = {.size = 16}},
    {.kind = Kind::StaticText, .name = "StaticText2", .left = 372, .top = 469, .width = 16, .height = 20,
     .text = "3", .font = {.size = 12}},
    {.kind = Kind::StaticText, .name = "MolarVolume", .left = 30, .top = 470, .width = 180, .height = 25,
     .text = "Molar Volume", .font = {.size = 16}},
    {.kind = Kind::StaticText, .name = "Density", .left = 30, .top = 500, .width = 180, .height = 25,
     .text = "Density", .font = {.size = 16}},
    {.kind = Kind::StaticText, .name = "DensityResult", .left = 220, .top = 500, .width = 120, .height = 25,
     .text = "", .font = {.size = 16}},
    {.kind = Kind::StaticText, .name = "StaticText5", .left = 350, .top = 500, .width = 55, .height = 25,
     .text = "g/cm", .font = {.size = 16}},
    {.kind = Kind::StaticText, .name = "StaticText6", .left = 390, .top = 499, .width = 16, .height = 20,
     .text = "3", .font = {.size = 12}},
};

}  // namespace

const ui::WindowLayout& VolumeWindow::Layout() const { return kWindow; }

std::span<const ControlLayout> VolumeWindow::Controls() const { return kControls; }

std::vector<ui::Handler> VolumeWindow::Handlers() {
  using ui::Event;
  std::vector<ui::Handler> handlers{
      {"dataEntryP", Event::TextChange, [this] { dataEntryP_TextChange(); }},
      {"dataEntryT", Event::TextChange, [this] { dataEntryT_TextChange(); }},
      {"Clear", Event::Action, [this] { Clear_Action(); }},
      {"Choice0", Event::Action, [this] { Choice0_Action(); }},
      {"Choice1", Event::Action, [this] { Choice1_Action(); }},
      {"dataEntryV", Event::TextChange, [this] { dataEntryV_TextChange(); }},
      {"Analysis", Event::Action, [this] { Analysis_Action(); }},
      {"calculate", Event::Action, [this] { calculate_Action(); }},
  };
  for (ui::Handler& h : temperature_entry::Handlers(*this, "StaticText8", [this] { UnitChanged(); }))
    handlers.push_back(std::move(h));
  return handlers;
}

// The temperature field in kelvin, converted with the unit radio that is on
// now. An empty or non-numeric entry is no temperature in either unit: 0 K,
// which "calculate" refuses (in ˚C it is not 0 ˚C).
double VolumeWindow::ReadTemperature() { return temperature_entry::Read(*this, "dataEntryT").value_or(0.0); }

void VolumeWindow::InputsChanged() {
  guard_.Changed();
  volume_ = 0;
  resultNote_.clear();
  Label("Result")->SetText(QString());
  Label("DensityResult")->SetText(QString());
  Label("warning")->SetText(QString());
}

void VolumeWindow::dataEntryP_TextChange() {
  InputsChanged();
  Radio("Choice0")->SetValue(false);
  Radio("Choice1")->SetValue(false);
}

void VolumeWindow::dataEntryT_TextChange() {
  InputsChanged();
  Radio("Choice0")->SetValue(false);
  Radio("Choice1")->SetValue(false);
}

void VolumeWindow::dataEntryV_TextChange() { InputsChanged(); }

void VolumeWindow::calculate_Action() {
  if (guard_.Running()) return;  // a press during the search's own yields
  const ui::AnswerGuard::Run run(guard_);
  const double T = ReadTemperature();
  const double P = ui::Val(Field("dataEntryP")->Text());
  if (!(P > 0) || !(T > 0)) {
    Label("warning")->SetText(QStringLiteral("warning: put a number for temperature and pressure"));
    return;
  }
  Label("warning")->SetText(QString());
  // The search lets events run: a volume for inputs changed meanwhile is
  // dropped.
  const ui::AnswerGuard::Ticket inputs = guard_.Take();

  // The first approach chosen, and the search from it: a stable root, or
  // none and the reason.
  const thermo::Approach approach = state_windows::ChosenApproach(*this);
  const thermo::Answer V =
      thermo::VolumeFromApproach(T, P, approach, ui::Val(Field("dataEntryV")->Text()));
  // The window searches the equation's whole temperature window and shows
  // a volume also where the calculators refuse its state (below 260 K,
  // below 15 cm3/mol): the warning line then says so.
  const thermo::Reason refused = V.HasFigure() ? thermo::StateRefusal(T, P, V.value) : thermo::Reason::None;
  if (!guard_.Current(inputs)) return;
  // The store lets no events run: the answer written after it is still
  // that of the inputs just checked.
  thermo::StatePoint::Set(T, P, V.value, thermo::Computed::V);
  volume_ = V.value;
  if (V.HasFigure()) {
    ui::StaticText* result = Label("Result");
    result->SetTextColor(ui::Black);
    result->SetText(ui::Str(V.value));
    Label("DensityResult")->SetText(ui::Str(thermo::DensityGcm3(V.value)));
    Label("warning")->SetText(state_windows::NotHandedOn(*this, refused));
  } else {
    state_windows::ShowNoResult(*this, "Result", V.reason);
    Label("DensityResult")->SetText(QString());
  }
  resultNote_ = Label("warning")->Text();
}

// The typed temperature is read in the unit now on: a volume found under the
// other unit is not that of the temperature the entry now means.
void VolumeWindow::UnitChanged() { InputsChanged(); }

void VolumeWindow::Choice0_Action() {
  if (Radio("Choice0")->Value()) {
    Field("dataEntryV")->SetText(QString());
    InputsChanged();
  }
}

void VolumeWindow::Choice1_Action() {
  if (Radio("Choice1")->Value()) InputsChanged();
}

// The listing is that of the temperature and pressure shown here, whatever
// another window has stored since "calculate": the state shown is handed
// over as "calculate" stores it, without a volume the calculators refuse.
void VolumeWindow::Analysis_Action() {
  thermo::StatePoint::Set(ReadTemperature(), ui::Val(Field("dataEntryP")->Text()), volume_,
                          thermo::Computed::V);
  ui::Shared<MathAnal>()->Show();
}

void VolumeWindow::Clear_Action() {
  Field("dataEntryT")->SetText(QString());
  Field("dataEntryP")->SetText(QString());
  Field("dataEntryV")->SetText(QString());
  Label("Result")->SetText(QString());
  Label("DensityResult")->SetText(QString());
  Radio("Choice0")->SetValue(false);
  Radio("Choice1")->SetValue(false);
  Label("warning")->SetText(QString());
}

// A message about the entries goes; the reason beside the result shown
// stays with it.
void VolumeWindow::Event_Activate() { Label("warning")->SetText(resultNote_); }
