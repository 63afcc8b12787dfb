#include "windows/state/PressuresWindow.h"

#include "thermo/SaturationGuide.h"
#include "thermo/StatePoint.h"
#include "thermo/StateSearch.h"
#include "windows/statepoint/StateLabels.h"
#include "windows/statepoint/TemperatureEntry.h"
#include "windows/state/Isochore.h"
#include "catalogue/Pictures.h"

using ui::ControlLayout;
using ui::Kind;

namespace {

constexpr ui::WindowLayout kWindow{
    .className = PressuresWindow::ClassName,
    .title = "Pressures",
    .width = 470,
    .height = 389,
    .placement = ui::Placement::Default,
};

constexpr ControlLayout kControls[] = {
    {.kind = Kind::StaticText, .name = "PressureText", .left = 22, .top = 304, .width = 100, .height = 25,
     .text = "Pressure", .font = {.size = 16}},
    {.kind = Kind::StaticText, .name = "Result", .left = 155, .top = 304, .width = 120, .height = 25,
     .text = "", .font = {.size = 16}},
    {.kind = Kind::StaticText, .name = "StaticText1", .left = 290, .top = 304, .width = 45, .height = 25,
     .text = "MPa", .font = {.size = 16}},
    {.kind = Kind::StaticText, .name = "MolarVolume", .left = 20, .top = 80, .width = 130, .height = 25,
     .text = "Molar Volume", .font = {.size = 16}},
    {.kind = Kind::StaticText, .name = "Temperature", .left = 20, .top = 140, .width = 130, .height = 25,
     .text = "Temperature", .font = {.size = 16}},
    {.kind = Kind::EditField, .name = "dataEntry", .left = 155, .top = 80, .width = 120, .height = 25,
     .text = "", .font = {.size = 16}},
    {.kind = Kind::EditField, .name = "dataEntry1", .left = 155, .top = 140, .width = 120, .height = 25,
     .text = "", .font = {.size = 16}},
    {.kind = Kind::PushButton, .name = "calculate", .left = 30, .top = 244, .width = 105, .height = 30,
     .text = "calculate", .font = {.size = 18}, .isDefault = true},
    {.kind = Kind::StaticText, .name = "StaticText2", .left = 285, .top = 80, .width = 75, .height = 25,
     .text = "cm /mol", .font = {.size = 16}},
    {.kind = Kind::StaticText, .name = "StaticText3", .left = 307, .top = 79, .width = 16, .height = 20,
     .text = "3", .font = {.size = 12}},
    {.kind = Kind::StaticText, .name = "StaticText4", .left = 285, .top = 140, .width = 70, .height = 25,
     .text = "Kelvin", .font = {.size = 16}},
    temperature_entry::KelvinRadio(382, 147),
    temperature_entry::CelsiusRadio(382, 147),
    {.kind = Kind::GroupBox, .name = "GroupBox1", .left = 375, .top = 140, .width = 70, .height = 54,
     .text = "", .font = {.size = 0}},
    {.kind = Kind::PushButton, .name = "PushButton1", .left = 305, .top = 344, .width = 140, .height = 25,
     .text = "Isochore calculation", .font = {.size = 12}},
    {.kind = Kind::PushButton, .name = "Clear", .left = 399, .top = 20, .width = 50, .height = 20,
     .text = "clear", .font = {.size = 10}},
    {.kind = Kind::StaticText, .name = "DefPres", .left = 20, .top = 20, .width = 158, .height = 25,
     .text = "Definition Pressure:", .font = {.size = 16}},
    {.kind = Kind::Canvas, .name = "Canvas1", .left = 190, .top = 20, .width = 96, .height = 46,
     .picture = pictures::pressure},
    {.kind = Kind::StaticText, .name = "warning", .left = 160, .top = 244, .width = 270, .height = 30,
     .text = "", .font = {.size = 12}, .textColor = ui::Red, .multiline = true},
    {.kind = Kind::Line, .name = "Line1", .left = 20, .top = 289, .width = 430, .height = 0,
     .x1 = 20, .y1 = 289, .x2 = 450, .y2 = 289, .borderWidth = 1},
    {.kind = Kind::StaticText, .name = "Density", .left = 155, .top = 112, .width = 300, .height = 15,
     .text = "corresponding density", .font = {.size = 12}},
    {.kind = Kind::StaticText, .name = "temperaturelimit", .left = 40, .top = 175, .width = 310, .height = 16,
     .text = "", .font = {.size = 12}, .multiline = true},
    {.kind = Kind::StaticText, .name = "liquidlimit", .left = 40, .top = 195, .width = 310, .height = 16,
     .text = "", .font = {.size = 12}, .multiline = true},
    {.kind = Kind::StaticText, .name = "vapourlimit", .left = 40, .top = 215, .width = 310, .height = 16,
     .text = "", .font = {.size = 12}, .multiline = true},
};

}  // namespace

const ui::WindowLayout& PressuresWindow::Layout() const { return kWindow; }

std::span<const ControlLayout> PressuresWindow::Controls() const { return kControls; }

std::vector<ui::Handler> PressuresWindow::Handlers() {
  using ui::Event;
  std::vector<ui::Handler> handlers{
      {"dataEntry", Event::TextChange, [this] { dataEntry_TextChange(); }},
      {"dataEntry1", Event::TextChange, [this] { dataEntry1_TextChange(); }},
      {"calculate", Event::Action, [this] { calculate_Action(); }},
      {"PushButton1", Event::Action, [this] { PushButton1_Action(); }},
      {"Clear", Event::Action, [this] { Clear_Action(); }},
  };
  for (ui::Handler& h : temperature_entry::Handlers(*this, "StaticText4", [this] { UnitChanged(); }))
    handlers.push_back(std::move(h));
  return handlers;
}

// The temperature field in kelvin, with the unit radio that is on now. An
// empty or non-numeric entry is no temperature in either unit: 0 K, which
// "calculate" refuses (in ˚C it is not 0 ˚C).
double PressuresWindow::ReadTemperature() { return temperature_entry::Read(*this, "dataEntry1").value_or(0.0); }

void PressuresWindow::InputsChanged() {
  guard_.Changed();
  pressure_ = 0;
  resultNote_.clear();
  Label("Result")->SetText(QString());
  Label("warning")->SetText(QString());
}

void PressuresWindow::dataEntry_TextChange() {
  InputsChanged();
  Label("Density")->SetText(state_windows::DensityLine(ui::Val(Field("dataEntry")->Text())));
}

void PressuresWindow::dataEntry1_TextChange() {
  InputsChanged();
  ShowTemperatureLimits();
}

// The equation's own saturated volumes at the typed temperature, up to its
// critical point (there its one fluid for both); none below the triple
// point and above the critical point. The solve lets events run: limits
// for a temperature typed over meanwhile are not shown.
void PressuresWindow::ShowTemperatureLimits() {
  guide_.Changed();
  const ui::AnswerGuard::Ticket asked = guide_.Take();
  const thermo::SaturationGuide guide = thermo::SaturationGuideAtTemperature(ReadTemperature());
  if (!guide_.Current(asked)) return;
  // A guide without volumes (no saturated fluid there) shows no limits.
  state_windows::ShowLimits(*this, "temperaturelimit",
                            QStringLiteral("At temperatures below critical point (%1):")
                                .arg(temperature_entry::UpperBoundText(
                                    thermo::GuideCriticalTemperature(), 3, temperature_entry::Celsius(*this))),
                            guide.VL, guide.VV);
}

void PressuresWindow::calculate_Action() {
  if (guard_.Running()) return;  // a press during the evaluation's own yields
  const ui::AnswerGuard::Run run(guard_);
  const double T = ReadTemperature();
  const double V = ui::Val(Field("dataEntry")->Text());
  if (!(V > 0) || !(T > 0)) {
    Label("warning")->SetText(QStringLiteral("warning: put a number for temperature and molar volume"));
    return;
  }
  // The evaluation and the state rule let events run: a pressure for inputs
  // changed meanwhile is dropped. Where there is no pressure to show the
  // result is "no result" with the reason, and the state point has no
  // pressure either. The equation's own pressure is shown also where it is
  // no state a calculator accepts (between the spinodals, above 3000 MPa,
  // under tension): the warning line then says why, and that the state
  // point keeps the temperature and volume without it. The state is judged
  // as the calculators' T,V step judges it, so a state that step accepts
  // (a pressure a billionth above 3000 MPa is 3000) is shown and handed on
  // with the step's pressure.
  const ui::AnswerGuard::Ticket inputs = guard_.Take();
  const thermo::Answer step = thermo::StateStepPressure(T, V);
  const thermo::Answer p = step.HasFigure() ? step : thermo::PressureOfState(T, V);
  const thermo::Reason refused = p.HasFigure() ? step.reason : thermo::Reason::None;
  if (!guard_.Current(inputs)) return;
  // The store lets no events run: the answer written after it is still
  // that of the inputs just checked.
  thermo::StatePoint::Set(T, p.value, V, thermo::Computed::P);
  pressure_ = p.value;
  ui::StaticText* result = Label("Result");
  if (p.HasFigure()) {
    result->SetTextColor(ui::Black);
    result->SetTextSize(16);
    result->SetText(ui::Str(p.value));
    Label("warning")->SetText(state_windows::NotHandedOn(*this, refused));
  } else {
    result->SetTextSize(14);
    state_windows::ShowNoResult(*this, "Result", p.reason);
  }
  resultNote_ = Label("warning")->Text();
}

// The typed number is read in the unit now on: a pressure computed under
// the other unit is not that of the temperature the entry now means.
void PressuresWindow::UnitChanged() {
  InputsChanged();
  if (!Field("dataEntry1")->Text().isEmpty()) ShowTemperatureLimits();
}

// The isochore is that of the molar volume shown here, whatever another
// window has stored since "calculate": the state shown is handed over as
// "calculate" stores it, without a pressure the calculators refuse.
void PressuresWindow::PushButton1_Action() {
  thermo::StatePoint::Set(ReadTemperature(), pressure_, ui::Val(Field("dataEntry")->Text()),
                          thermo::Computed::P);
  ui::Shared<Isochore>()->Show();
}

void PressuresWindow::Clear_Action() {
  Field("dataEntry")->SetText(QString());
  Field("dataEntry1")->SetText(QString());
  Label("Result")->SetText(QString());
  temperature_entry::Reset(*this);
  Label("warning")->SetText(QString());
  state_windows::ClearLimits(*this, "temperaturelimit");
}

// A message about the entries goes; the reason beside the result shown
// stays with it.
void PressuresWindow::Event_Activate() {
  Label("warning")->SetText(resultNote_);
  state_windows::ClearLimits(*this, "temperaturelimit");
}
