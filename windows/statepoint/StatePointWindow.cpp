#include "windows/statepoint/StatePointWindow.h"

#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

#include "thermo/Constants.h"
#include "thermo/SaturationGuide.h"
#include "thermo/StatePoint.h"
#include "ui/AnswerGuard.h"
#include "thermo/StateSearch.h"
#include "thermo/StateValues.h"
#include "windows/statepoint/StateLabels.h"
#include "windows/statepoint/TemperatureEntry.h"

using ui::ControlLayout;
using ui::Kind;

namespace {

constexpr ui::Font Sys(int size, bool italic = false) { return {.size = size, .italic = italic}; }

constexpr ControlLayout Label(const char* name, const char* text, int size, int left, int top,
                            int width, int height) {
  return {.kind = Kind::StaticText, .name = name, .left = left, .top = top, .width = width,
          .height = height, .text = text, .font = Sys(size)};
}

constexpr ControlLayout Radio(const char* name, const char* text, int size, bool on,
                            const char* parent, int left, int top, int width, int height) {
  return {.kind = Kind::RadioButton, .name = name, .left = left, .top = top, .width = width,
          .height = height, .text = text, .font = Sys(size), .value = on, .parent = parent};
}

// The skeleton block in creation order, at offset 0.
constexpr ControlLayout kSkeleton[] = {
    Label("Parameter", "parameter", 16, 20, 400, 130, 25),
    temperature_entry::Field("dataEntryPV", 160, 400),
    Label("Parameter1", "parameter", 16, 20, 500, 130, 25),
    Label("Unit1", "unit", 16, 290, 500, 75, 25),
    Label("UnitSup1", "", 12, 312, 499, 16, 20),
    {.kind = Kind::PushButton, .name = "PushButton1", .left = 135, .top = 455, .width = 171,
     .height = 25, .text = "calculation", .font = Sys(0)},
    {.kind = Kind::Line, .name = "Line1", .left = 20, .top = 600, .width = 420, .height = 0,
     .x1 = 20, .y1 = 600, .x2 = 440, .y2 = 600, .borderWidth = 1},
    {.kind = Kind::GroupBox, .name = "GroupBox1", .left = 20, .top = 150, .width = 292,
     .height = 95, .text = "Select Parameters", .font = Sys(16, true)},
    Radio("RadioButtonTP", " Temperature and Pressure", 14, false, "GroupBox1", 40, 179, 250, 25),
    Radio("RadioButtonTV", " Temperature and Molar Volume", 14, false, "GroupBox1", 40, 209, 250,
          25),
    Label("Unit0", "unit", 16, 290, 400, 75, 25),
    Label("Unitsup", "", 12, 312, 399, 16, 20),
    Label("ResultPV", "", 16, 160, 500, 120, 25),
    {.kind = Kind::Rectangle, .name = "Rectangle1", .left = 20, .top = 300, .width = 330,
     .height = 85, .fillColor = ui::White, .topLeftColor = ui::Black,
     .bottomRightColor = ui::Black, .borderWidth = 1},
    // Its text names the equation's critical temperature, in the unit of
    // the temperature entry: SaturationHeading.
    {.kind = Kind::StaticText, .name = "sat1", .left = 30, .top = 305, .width = 312, .height = 30,
     .text = "", .font = Sys(12), .multiline = true, .parent = "Rectangle1"},
    {.kind = Kind::StaticText, .name = "satliq", .left = 40, .top = 340, .width = 266,
     .height = 15, .text = "liquid", .font = Sys(12), .parent = "Rectangle1"},
    {.kind = Kind::StaticText, .name = "satvap", .left = 40, .top = 360, .width = 266,
     .height = 15, .text = "vapour", .font = Sys(12), .parent = "Rectangle1"},
    Label("Temperature", "Temperature", 16, 20, 260, 119, 25),
    temperature_entry::Field("dataEntryT", 145, 260),
    Label("StaticText1", "Kelvin", 16, 275, 260, 80, 25),
    {.kind = Kind::GroupBox, .name = "GroupBox2", .left = 365, .top = 250, .width = 70,
     .height = 54, .text = "", .font = Sys(0)},
    temperature_entry::KelvinRadio(372, 257, "GroupBox2"),
    Label("Density1", "corresponding density", 12, 160, 430, 280, 15),
    temperature_entry::CelsiusRadio(372, 257, "GroupBox2"),
    Label("Density2", "corresponding density", 12, 160, 530, 280, 15),
    {.kind = Kind::StaticText, .name = "warning", .left = 160, .top = 560, .width = 270,
     .height = 30, .text = "", .font = Sys(12), .textColor = ui::Red, .multiline = true},
    {.kind = Kind::PushButton, .name = "calculate", .left = 30, .top = 560, .width = 105,
     .height = 30, .text = "calculate", .font = Sys(18), .isDefault = true},
};

// Tab order: the temperature, its unit, the mode, the given quantity, the
// state step, calculate, the result units of members that have them, clear.
constexpr const char* kFocusOrder[] = {"dataEntryT", "Kelvin", "Celsius", "RadioButtonTP",
                                       "RadioButtonTV", "dataEntryPV", "PushButton1", "calculate",
                                       "Jmol", "kJkg", "Clear"};

// The line under a molar volume: its density in g/cm3. Empty where the
// volume has none (not above 0, or so small that the quotient overflows).
QString DensityText(double V) {
  const double rho = thermo::DensityGcm3(V);
  if (!(rho > 0)) return QString();
  return QStringLiteral("corresponding density = ") + ui::Str(rho) + QStringLiteral(" g/cm3");
}

const QString kNoNumber = QStringLiteral("warning: put a number for temperature, molar volume, and pressure");

// A state step's search running, in whichever window: no state step,
// "clear" or "calculate" of any calculator starts meanwhile.
ui::AnswerGuard stateStep;

// The saturation box's heading, with the equation's own critical
// temperature in kelvin or degrees Celsius.
QString SaturationHeading(bool celsius) {
  return QStringLiteral("Saturation properties below critical point (%1)\rLimits to molar volumes:")
      .arg(temperature_entry::UpperBoundText(thermo::GuideCriticalTemperature(), 3, celsius));
}

// The heading as the window opens, in kelvin.
const char* KelvinSaturationHeading() {
  static const std::string heading = SaturationHeading(false).toStdString();
  return heading.c_str();
}

QString VolumeText(const char* name, double V) {
  return QString::fromUtf8(name) + QStringLiteral(" = ") + ui::Str(V) + QStringLiteral(" cm3/mol");
}

}  // namespace

StatePointWindow::StatePointWindow(const StatePointLayout& layout)
    : layout_(layout), window_(ui::WithFocusOrder(layout.window, kFocusOrder)) {
  controls_.push_back({.kind = Kind::PushButton, .name = "Clear", .left = layout.clearLeft,
                       .top = layout.clearTop, .width = 50, .height = 20, .text = "clear",
                       .font = Sys(10)});
  controls_.insert(controls_.end(), layout.before.begin(), layout.before.end());
  for (ControlLayout c : kSkeleton) {
    if (std::string_view(c.name) == "sat1") c.text = KelvinSaturationHeading();
    c.top += layout.offset;
    c.y1 += layout.offset;
    c.y2 += layout.offset;
    controls_.push_back(c);
  }
  controls_.insert(controls_.end(), layout.after.begin(), layout.after.end());
  // What "calculate" fills, brought into view where the window scrolls:
  // the result set, in order. The warning beside the button lies between
  // the entries and the results, less than a hundred pixels above the
  // first, so a view that shows that figure shows the warning too.
  window_.figures = layout.results;
}

const ui::WindowLayout& StatePointWindow::Layout() const { return window_; }

std::span<const ControlLayout> StatePointWindow::Controls() const { return controls_; }

std::vector<ui::Handler> StatePointWindow::Handlers() {
  using ui::Event;
  std::vector<ui::Handler> handlers{
      {"Clear", Event::Action, [this] { Clear_Action(); }},
      {"dataEntryPV", Event::TextChange, [this] { dataEntryPV_TextChange(); }},
      {"PushButton1", Event::Action, [this] { PushButton1_Action(); }},
      {"RadioButtonTP", Event::Action, [this] { RadioButtonTP_Action(); }},
      {"RadioButtonTV", Event::Action, [this] { RadioButtonTV_Action(); }},
      {"dataEntryT", Event::TextChange, [this] { dataEntryT_TextChange(); }},
      {"calculate", Event::Action,
       [this] {
         if (!stateStep.Running()) calculate_Action();
       }},
  };
  for (ui::Handler& h : temperature_entry::Handlers(*this, "StaticText1", [this] { UnitChanged(); }))
    handlers.push_back(std::move(h));
  for (ui::Handler& h : MemberHandlers()) handlers.push_back(std::move(h));
  return handlers;
}

// ------------------------------------------------------------- for the hooks

std::optional<StatePointWindow::StatePoint> StatePointWindow::CheckedStatePoint() {
  if (!completed_) {
    const QString t = Field("dataEntryT")->Text().trimmed();
    const QString given = Field("dataEntryPV")->Text().trimmed();
    const bool mode = Radio("RadioButtonTP")->Value() || Radio("RadioButtonTV")->Value();
    if (t.isEmpty() && given.isEmpty()) {
      if (TakeProgramStatePoint() && !completed_) {
        EmptyResults();
        return std::nullopt;
      }
    } else if (mode && !t.isEmpty() && !given.isEmpty()) {
      // Typed but not yet completed: the state step first. Where it finds no
      // state it has said so in its own rows.
      PushButton1_Action();
      if (!completed_) {
        EmptyResults();
        return std::nullopt;
      }
    }
  }
  if (!completed_ || !completed_->Complete()) {
    Label("warning")->SetText(kNoNumber);
    EmptyResults();
    return std::nullopt;
  }
  calculatedFor_ = guard_.Take();
  return completed_;
}

bool StatePointWindow::TakeProgramStatePoint() {
  const thermo::State s = thermo::StatePoint::Get();
  if (!s.Complete()) return false;
  const bool tv = Radio("RadioButtonTV")->Value();
  if (!tv && !Radio("RadioButtonTP")->Value()) Radio("RadioButtonTP")->SetValue(true);
  // The temperature first: its change empties the given quantity. Each
  // entry shows the digits that read back as the state's own number, so
  // the window's step on what it shows gives this state back. The
  // temperature's saturation guide and the state rule let events run: where
  // an input changes meanwhile (a mode or unit chosen, an entry typed), the
  // take ends there, and the window is as that change leaves it.
  const double given = tv ? s.V : s.P;
  Field("dataEntryT")->SetText(temperature_entry::ShownExactly(*this, s.T));
  if (!guideUndisturbed_) return true;
  Field("dataEntryPV")->SetText(ui::ExactStr(given));
  const ui::AnswerGuard::Ticket shown = guard_.Take();
  // The state point holds only states a calculator accepts; one that is not
  // is refused here as the state step would refuse it.
  const thermo::Reason why = thermo::StateRefusal(s.T, s.P, s.V);
  if (!guard_.Current(shown)) return true;
  if (why != thermo::Reason::None) {
    state_windows::PaintNoResult(*this, "ResultPV");
    Label("warning")->SetText(temperature_entry::ReasonText(*this, why));
    return true;
  }
  if (temperature_entry::Read(*this, "dataEntryT") != s.T ||
      ui::Val(Field("dataEntryPV")->Text()) != given) {
    // No text in the unit chosen stands for this temperature exactly: the
    // state is that of the entries, completed by the window's own step,
    // which says why where it finds none.
    PushButton1_Action();
    return true;
  }
  SetResultPV(tv ? s.P : s.V);
  Label("Density2")->SetText(tv ? QString() : DensityText(s.V));
  completed_ = s;
  return true;
}

void StatePointWindow::InputsChanged() {
  guard_.Changed();
  completed_.reset();
  figures_.clear();
}

void StatePointWindow::ShowResults(std::initializer_list<QString> texts) {
  if (!InputsUnchanged()) return;
  figures_.clear();
  auto text = texts.begin();
  for (const char* name : layout_.results) {
    if (text == texts.end()) break;
    ui::StaticText* label = Label(name);
    label->SetTextColor(ui::Black);
    label->SetText(*text++);
  }
  Label("warning")->SetText(QString());
}

void StatePointWindow::ShowFigures(std::initializer_list<double> perMole) {
  if (!InputsUnchanged()) return;
  figures_.assign(perMole);
  ConvertShownResults(PerMass());
  Label("warning")->SetText(QString());
}

void StatePointWindow::ShowNoResult(const char* name, thermo::Reason why) {
  if (!InputsUnchanged()) return;
  state_windows::ShowNoResult(*this, name, why);
}

void StatePointWindow::ShowNoResults(thermo::Reason why) {
  if (!InputsUnchanged()) return;
  figures_.clear();
  for (const char* name : layout_.results) state_windows::PaintNoResult(*this, name);
  Label("warning")->SetText(temperature_entry::ReasonText(*this, why));
}

std::vector<ui::Handler> StatePointWindow::UnitPairHandlers(std::function<void(bool perMass)> chosen) {
  auto when = [this, chosen](bool perMass) {
    return [this, chosen, perMass] {
      if (Radio(perMass ? "kJkg" : "Jmol")->Value()) chosen(perMass);
    };
  };
  return {{"Jmol", ui::Event::Action, when(false)}, {"kJkg", ui::Event::Action, when(true)}};
}

bool StatePointWindow::PerMass() const { return Radio("kJkg")->Value(); }

void StatePointWindow::ConvertShownResults(bool perMass) {
  std::size_t i = 0;
  for (const char* name : layout_.results) {
    ui::StaticText* label = Label(name);
    if (i >= figures_.size()) {
      label->SetText(QString());
      continue;
    }
    const double figure = figures_[i++];
    label->SetTextColor(ui::Black);
    label->SetText(ui::Str(perMass ? figure / thermo::MolarMass : figure));
  }
}

void StatePointWindow::EmptyResults() {
  figures_.clear();
  for (const char* name : layout_.results) Label(name)->SetText(QString());
}

void StatePointWindow::SetResultPV(double value) {
  if (value == 0 || !std::isfinite(value)) {
    state_windows::PaintNoResult(*this, "ResultPV");
    return;
  }
  ui::StaticText* label = Label("ResultPV");
  label->SetTextColor(ui::Black);
  label->SetText(ui::Str(value));
}

// ------------------------------------------------------------- handlers

void StatePointWindow::Clear_Action() {
  if (stateStep.Running()) return;
  Field("dataEntryT")->SetText(QString());
  Field("dataEntryPV")->SetText(QString());
  Label("ResultPV")->SetText(QString());
  Label("satliq")->SetText(QStringLiteral("liquid"));
  Label("satvap")->SetText(QStringLiteral("vapour"));
  Label("Density1")->SetText(QString());
  Label("Density2")->SetText(QString());
  EmptyResults();
  Label("warning")->SetText(QString());
  InputsChanged();
  thermo::StatePoint::Clear();
}

void StatePointWindow::dataEntryPV_TextChange() {
  InputsChanged();
  Label("ResultPV")->SetText(QString());
  EmptyResults();
  Label("warning")->SetText(QString());
  if (Radio("RadioButtonTV")->Value()) {
    // A volume without a density (nothing, not above 0, or so small that
    // the quotient overflows) shows the bare caption.
    const QString density = DensityText(ui::Val(Field("dataEntryPV")->Text()));
    Label("Density1")->SetText(density.isEmpty() ? QStringLiteral("corresponding density") : density);
  }
  if (Radio("RadioButtonTP")->Value())
    Label("Density2")->SetText(QStringLiteral("corresponding density"));
}

void StatePointWindow::PushButton1_Action() {
  if (stateStep.Running()) return;
  const ui::AnswerGuard::Run run(stateStep);

  const bool tp = Radio("RadioButtonTP")->Value();
  const bool tv = Radio("RadioButtonTV")->Value();
  if (!tp && !tv) return;  // no mode: no given quantity either
  const std::optional<double> kelvin =
      temperature_entry::Read(*this, "dataEntryT");
  const double given = ui::Val(Field("dataEntryPV")->Text());
  if (!kelvin || !(*kelvin > 0) || !(given > 0)) {
    if (tp) Label("warning")->SetText(QStringLiteral("warning: put a number for temperature and pressure"));
    if (tv) Label("warning")->SetText(QStringLiteral("warning: put a number for temperature and molar volume"));
    return;
  }
  Label("warning")->SetText(QString());
  const double T = *kelvin;
  // The step completes the state anew (from a state taken from another
  // window it may find another phase): the figures of the state the window
  // held go, and a "calculate" still running for it writes none.
  InputsChanged();
  EmptyResults();
  // The searches let events run: an answer for entries changed meanwhile
  // is dropped.
  const ui::AnswerGuard::Ticket inputs = guard_.Take();

  // Given the pressure, a stable root, or the failure value 0 and the
  // reason. Given the molar volume, no pressure below 15 cm3/mol or 260 K,
  // above 3000 MPa, not above 0 (liquid under tension) or below the 1e-30
  // MPa floor, inside the two-phase region, nor where the equation declines
  // the state: the state point then has none either.
  const thermo::Answer found = tp ? thermo::StateStepVolume(T, given) : thermo::StateStepPressure(T, given);
  if (!guard_.Current(inputs)) return;
  const StatePoint state{.T = T, .P = tp ? given : found.value, .V = tp ? found.value : given};
  SetResultPV(found.value);
  Label("warning")->SetText(temperature_entry::ReasonText(*this, found.reason));
  Label("Density2")->SetText(tp ? DensityText(found.value) : QString());

  // The store lets no events run: the state kept is still that of the
  // entries checked above.
  thermo::StatePoint::Set(state, tp ? thermo::Computed::V : thermo::Computed::P);
  if (state.Complete()) {
    completed_ = state;
  } else {
    completed_.reset();
  }
}

void StatePointWindow::RadioButtonTP_Action() {
  // Given pressure, computed molar volume.
  SwitchMode("RadioButtonTP", {"Pressure", "MPa", "", "", "Molar Volume", "cm /mol", "3",
                               "corresponding density", "volume calculation"});
}

void StatePointWindow::RadioButtonTV_Action() {
  // Given molar volume, computed pressure.
  SwitchMode("RadioButtonTV", {"Molar Volume", "cm /mol", "3", "corresponding density",
                               "Pressure", "MPa", "", "", "pressure calculation"});
}

void StatePointWindow::SwitchMode(const char* radio, const ModeTexts& texts) {
  if (!Radio(radio)->Value()) return;
  InputsChanged();
  Label("ResultPV")->SetText(QString());
  EmptyResults();
  // The temperature is that of either mode: it stays, with its saturation
  // limits, so that a mode chosen after the temperature (as Tab leads from
  // the temperature to the mode) does not lose it.
  Field("dataEntryPV")->SetText(QString());
  Label("Parameter")->SetText(QString::fromUtf8(texts.parameter));
  Label("Unit0")->SetText(QString::fromUtf8(texts.unit));
  Label("Unitsup")->SetText(QString::fromUtf8(texts.unitSup));
  Label("Density1")->SetText(QString::fromUtf8(texts.density));
  Label("Parameter1")->SetText(QString::fromUtf8(texts.parameter1));
  Label("Unit1")->SetText(QString::fromUtf8(texts.unit1));
  Label("UnitSup1")->SetText(QString::fromUtf8(texts.unitSup1));
  Label("Density2")->SetText(QString::fromUtf8(texts.density2));
  Button("PushButton1")->SetCaption(QString::fromUtf8(texts.step));
}

void StatePointWindow::dataEntryT_TextChange() {
  InputsChanged();
  guide_.Changed();
  const ui::AnswerGuard::Ticket asked = guide_.Take();
  Field("dataEntryPV")->SetText(QString());
  Label("ResultPV")->SetText(QString());
  Label("warning")->SetText(QString());
  EmptyResults();
  const ui::AnswerGuard::Ticket cleared = guard_.Take();

  // An entry that is no number is no temperature, in either unit.
  const double T =
      temperature_entry::Read(*this, "dataEntryT").value_or(0.0);

  // The equation's own saturated volumes; at the critical point its one
  // fluid twice. The solve lets events run: a guide for a temperature
  // typed over meanwhile is not shown.
  const thermo::SaturationGuide guide = thermo::SaturationGuideAtTemperature(T);
  guideUndisturbed_ = guard_.Current(cleared);
  if (!guide_.Current(asked)) return;
  QString liquid, vapour;
  switch (guide.region) {
    case thermo::GuideRegion::TwoPhases:
    case thermo::GuideRegion::CriticalPoint:
      liquid = VolumeText("liquid", guide.VL);
      vapour = VolumeText("vapour", guide.VV);
      break;
    case thermo::GuideRegion::Supercritical:
      liquid = QStringLiteral("super-critical fluid conditions");
      break;
    case thermo::GuideRegion::BelowTriplePoint:
      liquid = QStringLiteral("sub-triple fluid conditions (ice)");
      break;
    case thermo::GuideRegion::NoAnswer:
      liquid = QStringLiteral("no saturated volumes found");
      break;
    case thermo::GuideRegion::None:
      // At 0 K and below (nothing typed, or a negative entry) the box keeps
      // what it showed.
      return;
  }
  Label("satliq")->SetText(liquid);
  Label("satvap")->SetText(vapour);
}

// The typed temperature means another one in the new unit: it is emptied
// with everything computed from it.
void StatePointWindow::UnitChanged() {
  InputsChanged();
  Field("dataEntryT")->SetText(QString());
  Label("ResultPV")->SetText(QString());
  EmptyResults();
  Label("sat1")->SetText(SaturationHeading(temperature_entry::Celsius(*this)));
  Label("satliq")->SetText(QStringLiteral("liquid"));
  Label("satvap")->SetText(QStringLiteral("vapour"));
}
