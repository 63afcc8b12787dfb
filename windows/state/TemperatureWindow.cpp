#include "windows/state/TemperatureWindow.h"

#include "thermo/SaturationGuide.h"
#include "thermo/StatePoint.h"
#include "thermo/StateSearch.h"
#include "windows/statepoint/StateLabels.h"
#include "windows/state/FirstApproach.h"
#include "windows/state/ZeroFunctionListing.h"
#include "windows/statepoint/TemperatureEntry.h"
#include "catalogue/Pictures.h"

using ui::ControlLayout;
using ui::Kind;

namespace {

// Tab order: the two entries, the first approach and its temperature, the
// listing, calculate, the result's unit, clear.
constexpr const char* kFocusOrder[] = {"dataEntry", "dataEntry1", "Choice0", "Choice1", "dataEntryT",
                                       "Analysis", "calculate", "Kelvin", "Celsius", "Clear"};

// What "calculate" fills.
constexpr const char* kFigures[] = {"Result", "warning"};

constexpr ui::WindowLayout kWindow{
    .className = TemperatureWindow::ClassName,
    .title = "Temperatures",
    .width = 470,
    .height = 590,
    .placement = ui::Placement::Centred,
    .visible = false,
    .focusOrder = kFocusOrder,
    .figures = kFigures,
};

constexpr ControlLayout kControls[] = {
    {.kind = Kind::StaticText, .name = "MolarVolume", .left = 20, .top = 90, .width = 130, .height = 25,
     .text = "Molar Volume", .font = {.size = 16}},
    {.kind = Kind::EditField, .name = "dataEntry", .left = 155, .top = 90, .width = 120, .height = 25,
     .text = "", .font = {.size = 16}},
    {.kind = Kind::StaticText, .name = "StaticText2", .left = 307, .top = 89, .width = 16, .height = 20,
     .text = "3", .font = {.size = 12}},
    {.kind = Kind::StaticText, .name = "StaticText1", .left = 285, .top = 90, .width = 80, .height = 25,
     .text = "cm /mol", .font = {.size = 16}},
    {.kind = Kind::StaticText, .name = "Pressure", .left = 20, .top = 145, .width = 130, .height = 25,
     .text = "Pressure", .font = {.size = 16}, .index = 1},
    {.kind = Kind::EditField, .name = "dataEntry1", .left = 155, .top = 145, .width = 120, .height = 25,
     .text = "", .font = {.size = 16}},
    {.kind = Kind::StaticText, .name = "StaticText3", .left = 285, .top = 145, .width = 80, .height = 25,
     .text = "MPa", .font = {.size = 16}},
    {.kind = Kind::StaticText, .name = "Temperature", .left = 30, .top = 520, .width = 115, .height = 25,
     .text = "Temperature", .font = {.size = 16}},
    {.kind = Kind::StaticText, .name = "Result", .left = 155, .top = 520, .width = 120, .height = 25,
     .text = "", .font = {.size = 16}},
    {.kind = Kind::StaticText, .name = "StaticText4", .left = 285, .top = 520, .width = 80, .height = 25,
     .text = "Kelvin", .font = {.size = 16}},
    temperature_entry::KelvinRadio(372, 527),
    temperature_entry::CelsiusRadio(372, 527),
    {.kind = Kind::GroupBox, .name = "GroupBox1", .left = 365, .top = 520, .width = 70, .height = 54,
     .text = "", .font = {.size = 0}},
    {.kind = Kind::PushButton, .name = "Clear", .left = 400, .top = 85, .width = 50, .height = 20,
     .text = "clear", .font = {.size = 10}},
    {.kind = Kind::StaticText, .name = "DefTemp", .left = 20, .top = 20, .width = 200, .height = 25,
     .text = "Definition Temperature:", .font = {.size = 16}},
    {.kind = Kind::StaticText, .name = "StaticText5", .left = 20, .top = 50, .width = 278, .height = 17,
     .text = "numerically extracted from pressure definition", .font = {.size = 12}, .multiline = true},
    {.kind = Kind::Canvas, .name = "Canvas1", .left = 310, .top = 20, .width = 96, .height = 46,
     .picture = pictures::pressure},
    {.kind = Kind::StaticText, .name = "Density", .left = 155, .top = 120, .width = 300, .height = 15,
     .text = "corresponding density", .font = {.size = 12}},
    {.kind = Kind::GroupBox, .name = "GroupBox2", .left = 45, .top = 250, .width = 380, .height = 195,
     .text = "Select a first approach", .font = {.size = 16, .italic = true}},
    {.kind = Kind::StaticText, .name = "StaticText6", .left = 65, .top = 280, .width = 340, .height = 31,
     .text = "The complexity of the equation of state can result in a variety of solutions for the temperature",
     .font = {.size = 12}, .multiline = true, .parent = "GroupBox2"},
    {.kind = Kind::RadioButton, .name = "Choice0", .left = 65, .top = 320, .width = 20, .height = 20,
     .text = "", .font = {.family = "palatino", .size = 18}, .value = false, .parent = "GroupBox2"},
    {.kind = Kind::StaticText, .name = "TextChoice0", .left = 90, .top = 320, .width = 180, .height = 20,
     .text = "automatic", .font = {.size = 14, .italic = true}, .parent = "GroupBox2"},
    {.kind = Kind::RadioButton, .name = "Choice1", .left = 65, .top = 345, .width = 20, .height = 20,
     .text = "", .font = {.family = "palatino", .size = 18}, .value = false, .parent = "GroupBox2"},
    {.kind = Kind::StaticText, .name = "TextChoice1", .left = 90, .top = 345, .width = 180, .height = 20,
     .text = "manual", .font = {.size = 14, .italic = true}, .parent = "GroupBox2"},
    {.kind = Kind::StaticText, .name = "MolarVolume1", .left = 105, .top = 370, .width = 100, .height = 20,
     .text = "Temperature", .font = {.size = 14}, .parent = "GroupBox2"},
    {.kind = Kind::EditField, .name = "dataEntryT", .left = 215, .top = 370, .width = 100, .height = 20,
     .text = "", .font = {.size = 14}, .parent = "GroupBox2"},
    {.kind = Kind::StaticText, .name = "StaticText7", .left = 325, .top = 370, .width = 75, .height = 20,
     .text = "Kelvin", .font = {.size = 14}, .parent = "GroupBox2"},
    {.kind = Kind::PushButton, .name = "Analysis", .left = 275, .top = 405, .width = 130, .height = 20,
     .text = "Mathematical Analysis", .font = {.size = 10}, .parent = "GroupBox2"},
    {.kind = Kind::PushButton, .name = "calculate", .left = 30, .top = 460, .width = 105, .height = 30,
     .text = "calculate", .font = {.size = 18}, .isDefault = true},
    {.kind = Kind::StaticText, .name = "warning", .left = 155, .top = 460, .width = 270, .height = 30,
     .text = "", .font = {.size = 12}, .textColor = ui::Red, .multiline = true},
    {.kind = Kind::Line, .name = "Line1", .left = 20, .top = 505, .width = 430, .height = 0,
     .x1 = 20, .y1 = 505, .x2 = 450, .y2 = 505, .borderWidth = 1},
    {.kind = Kind::StaticText, .name = "pressurelimit", .left = 40, .top = 180, .width = 310, .height = 16,
     .text = "", .font = {.size = 12}, .multiline = true},
    {.kind = Kind::StaticText, .name = "liquidlimit", .left = 40, .top = 200, .width = 310, .height = 16,
     .text = "", .font = {.size = 12}, .multiline = true},
    {.kind = Kind::StaticText, .name = "vapourlimit", .left = 40, .top = 220, .width = 310, .height = 16,
     .text = "", .font = {.size = 12}, .multiline = true},
};

}  // namespace

const ui::WindowLayout& TemperatureWindow::Layout() const { return kWindow; }

std::span<const ControlLayout> TemperatureWindow::Controls() const { return kControls; }

std::vector<ui::Handler> TemperatureWindow::Handlers() {
  using ui::Event;
  std::vector<ui::Handler> handlers{
      {"dataEntry", Event::TextChange, [this] { dataEntry_TextChange(); }},
      {"dataEntry1", Event::TextChange, [this] { dataEntry1_TextChange(); }},
      {"Clear", Event::Action, [this] { Clear_Action(); }},
      {"Choice0", Event::Action, [this] { Choice0_Action(); }},
      {"Choice1", Event::Action, [this] { Choice1_Action(); }},
      {"dataEntryT", Event::TextChange, [this] { dataEntryT_TextChange(); }},
      {"Analysis", Event::Action, [this] { Analysis_Action(); }},
      {"calculate", Event::Action, [this] { calculate_Action(); }},
  };
  for (ui::Handler& h : temperature_entry::Handlers(*this, "StaticText4", [this] { ShowTemperature(); }))
    handlers.push_back(std::move(h));
  return handlers;
}

void TemperatureWindow::InputsChanged() {
  guard_.Changed();
  found_ = {};
  Label("Result")->SetText(QString());
  Label("warning")->SetText(QString());
}

void TemperatureWindow::dataEntry_TextChange() {
  InputsChanged();
  Radio("Choice0")->SetValue(false);
  Radio("Choice1")->SetValue(false);
  Field("dataEntryT")->SetText(QString());
  Label("Density")->SetText(state_windows::DensityLine(ui::Val(Field("dataEntry")->Text())));
}

void TemperatureWindow::dataEntry1_TextChange() {
  InputsChanged();
  Radio("Choice0")->SetValue(false);
  Radio("Choice1")->SetValue(false);
  // The equation's own saturated volumes at the typed pressure, up to its
  // critical point (there its one fluid for both). The solve lets events
  // run: limits for a pressure typed over meanwhile are not shown.
  guide_.Changed();
  const ui::AnswerGuard::Ticket asked = guide_.Take();
  const thermo::SaturationGuide guide =
      thermo::SaturationGuideAtPressure(ui::Val(Field("dataEntry1")->Text()));
  if (!guide_.Current(asked)) return;
  // A guide without volumes (no saturated fluid there) shows no limits.
  state_windows::ShowLimits(*this, "pressurelimit",
                            QStringLiteral("At pressures below critical point (%1 MPa):")
                                .arg(thermo::GuideCriticalPressure(), 0, 'f', 3),
                            guide.VL, guide.VV);
}

void TemperatureWindow::calculate_Action() {
  if (guard_.Running()) return;  // a press during the search's own yields
  const ui::AnswerGuard::Run run(guard_);
  const double V = ui::Val(Field("dataEntry")->Text());
  const double P = ui::Val(Field("dataEntry1")->Text());
  if (!(V > 0) || !(P > 0)) {
    Label("warning")->SetText(QStringLiteral("warning: put a number for molar volume and pressure"));
    return;
  }
  Label("warning")->SetText(QString());
  // The searches let events run: a temperature for inputs changed meanwhile
  // is dropped.
  const ui::AnswerGuard::Ticket inputs = guard_.Take();

  // The first approach chosen, and the search from it: a temperature at
  // which the calculators' rule accepts the state, or none and the reason.
  const thermo::Approach approach = state_windows::ChosenApproach(*this);
  const thermo::Answer T =
      thermo::TemperatureFromApproach(P, V, approach, ui::Val(Field("dataEntryT")->Text()));
  if (!guard_.Current(inputs)) return;
  // The store lets no events run: the answer written after it is still
  // that of the inputs just checked.
  thermo::StatePoint::Set(T.value, P, V, thermo::Computed::T);
  found_ = T;
  ShowTemperature();
  if (!T.HasFigure()) state_windows::ShowNoResult(*this, "Result", T.reason);
}

void TemperatureWindow::ShowTemperature() {
  // With none found the label keeps what it shows: nothing, or the red "no
  // result" beside its reason, which is worded anew for the unit now on.
  ui::StaticText* warning = Label("warning");
  if (!found_.HasFigure() && !warning->Text().isEmpty())
    warning->SetText(temperature_entry::ReasonText(*this, found_.reason));
  if (!(found_.value > 0)) return;
  ui::StaticText* result = Label("Result");
  result->SetTextColor(ui::Black);
  result->SetText(temperature_entry::Shown(*this, found_.value));
}

void TemperatureWindow::Choice0_Action() {
  if (Radio("Choice0")->Value()) {
    Field("dataEntryT")->SetText(QString());
    InputsChanged();
  }
}

void TemperatureWindow::Choice1_Action() {
  if (Radio("Choice1")->Value()) InputsChanged();
}

void TemperatureWindow::dataEntryT_TextChange() { InputsChanged(); }

// The listing is that of the molar volume and pressure shown here, whatever
// another window has stored since "calculate": the state shown is handed
// over as "calculate" stores it, without a temperature the calculators
// refuse. The unit radios change only how the temperature is shown.
void TemperatureWindow::Analysis_Action() {
  thermo::StatePoint::Set(found_.value, ui::Val(Field("dataEntry1")->Text()),
                          ui::Val(Field("dataEntry")->Text()), thermo::Computed::T);
  ui::Shared<MathAnalT>()->Show();
}

void TemperatureWindow::Clear_Action() {
  Radio("Choice0")->SetValue(false);
  Radio("Choice1")->SetValue(false);
  temperature_entry::Reset(*this);
  Field("dataEntry")->SetText(QString());
  Field("dataEntry1")->SetText(QString());
  Label("Result")->SetText(QString());
  Label("warning")->SetText(QString());
  Label("Density")->SetText(QStringLiteral("corresponding density"));
  state_windows::ClearLimits(*this, "pressurelimit");
}

// A message about the entries goes; the reason beside a red "no result"
// stays with it.
void TemperatureWindow::Event_Activate() {
  ui::StaticText* warning = Label("warning");
  warning->SetText(found_.HasFigure() ? QString() : temperature_entry::ReasonText(*this, found_.reason));
  state_windows::ClearLimits(*this, "pressurelimit");
}
