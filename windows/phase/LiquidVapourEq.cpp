#include "windows/phase/LiquidVapourEq.h"

#include "thermo/Constants.h"
#include "thermo/Homogenization.h"
#include "thermo/PhaseFigures.h"
#include "thermo/StatePoint.h"
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

const QString kVolumeWarning = QStringLiteral("warning: put a number for molar volume");
// A volume below the liquid's smallest on the curve (about 18.016
// cm3/mol), or above the vapour's at the triple point.
const QString kNoThWarning =
    QStringLiteral("warning: no Th, the volume is on no part of the liquid-vapour curve");

}  // namespace

namespace {

// What "calculate" fills: the pressure, the warning, the rest.
constexpr const char* kFigures[] = {"Answer", "warning", "tensions", "frac1", "frac2",
                                    "MolarV1", "MolarV2", "Dens1", "Dens2"};

constexpr ui::WindowLayout kWindow = ui::WithFigures(
    saturation_windows::Window(LiquidVapourEq::ClassName, "Liquid Vapour Equilibrium", 535), kFigures);

constexpr ControlLayout kControls[] = {
    Text("Temperature", 30, 235, 130, 25, "Temperature"),
    Text("StaticText12", 290, 235, 80, 25, "Kelvin"),
    temperature_entry::KelvinRadio(407, 242),
    temperature_entry::CelsiusRadio(407, 242),
    {.kind = Kind::GroupBox, .name = "GroupBox1", .left = 400, .top = 235, .width = 70, .height = 54,
     .text = "", .font = {.size = 0}},
    Text("MolarVolume", 40, 465, 120, 20, "Molar Volume"),
    Text("PhaseX1", 200, 405, 103, 20, "liquid phase", 14),
    Text("PhaseY1", 330, 405, 125, 20, "vapour phase", 14),
    Text("VolFrac", 40, 435, 134, 20, "Volume Fraction"),
    Text("denstext", 40, 495, 120, 20, "Density"),
    Text("MolarV1", 200, 465, 120, 20, ""),
    Text("MolarV2", 330, 465, 120, 20, ""),
    Text("Dens1", 200, 495, 120, 20, ""),
    Text("Dens2", 330, 495, 120, 20, ""),
    Text("frac1", 200, 435, 120, 20, ""),
    Text("frac2", 330, 435, 120, 20, ""),
    Text("StaticText5", 461, 465, 75, 20, "cm /mol"),
    Text("StaticText6", 483, 463, 16, 20, "3", 12),
    Text("StaticText7", 461, 495, 55, 20, "g/cm"),
    Text("StaticText8", 501, 493, 16, 20, "3", 12),
    {.kind = Kind::PushButton, .name = "Clear", .left = 555, .top = 20, .width = 50, .height = 20,
     .text = "clear", .font = {.size = 10}},
    {.kind = Kind::PushButton, .name = "calculate", .left = 30, .top = 280, .width = 100, .height = 30,
     .text = "calculate", .font = {.size = 18}, .isDefault = true},
    Text("Homogen2", 40, 335, 80, 20, "Pressure"),
    Text("Answer", 190, 335, 120, 20, ""),
    Text("Dimension2", 320, 335, 70, 20, "MPa"),
    Text("SurfaceTension", 40, 365, 130, 20, "Surface Tension"),
    Text("tensions", 190, 365, 120, 20, ""),
    Text("StaticText10", 320, 365, 65, 20, "N/m"),
    kText1,
    kText11,
    Text("MolarVolume1", 20, 85, 130, 25, "Molar Volume"),
    Text("StaticText1", 285, 85, 80, 25, "cm /mol"),
    Text("StaticText11", 307, 84, 16, 20, "3", 12),
    Text("CorTh", 20, 145, 313, 20, "Corresponding homogenization temperature:", 14),
    Text("nummerTh", 435, 145, 90, 20, "", 14),
    Text("KelvinTh", 530, 145, 70, 20, "˚Celsius", 14),
    {.kind = Kind::PushButton, .name = "calTh", .left = 340, .top = 145, .width = 70, .height = 20,
     .text = "calculate", .font = {.size = 12}},
    // Return in the volume asks for its Th; in the temperature, the
    // default button, for the equilibrium.
    ui::WithReturnButton(temperature_entry::Field("DataEntryV", 155, 85), "calTh"),
    Text("Density", 155, 115, 300, 15, "corresponding density", 12),
    Rule("Line1", 20, 185, 600),
    {.kind = Kind::StaticText, .name = "Text13", .left = 20, .top = 200, .width = 443, .height = 25,
     .text = "Select temperature below homogenization temperature:", .font = {.size = 16},
     .multiline = true},
    temperature_entry::Field("DataEntryT", 160, 235),
    Rule("Line2", 20, 325, 600),
    Rule("Line3", 40, 430, 530),
    {.kind = Kind::StaticText, .name = "warning", .left = 153, .top = 280, .width = 230, .height = 30,
     .text = "", .font = {.size = 12}, .textColor = ui::Red, .multiline = true},
    kText12,
};

}  // namespace

const ui::WindowLayout& LiquidVapourEq::Layout() const { return kWindow; }

std::span<const ControlLayout> LiquidVapourEq::Controls() const {
  static const auto controls = saturation_windows::WithCriticalPointNote(kControls);
  return controls;
}

std::vector<ui::Handler> LiquidVapourEq::Handlers() {
  using ui::Event;
  std::vector<ui::Handler> handlers{
      {"Clear", Event::Action, [this] { Clear_Action(); }},
      {"calculate", Event::Action, [this] { calculate_Action(); }},
      {"calTh", Event::Action, [this] { calTh_Action(); }},
      {"DataEntryV", Event::TextChange, [this] { DataEntryV_TextChange(); }},
      {"DataEntryT", Event::TextChange, [this] { DataEntryT_TextChange(); }},
  };
  for (ui::Handler& h : temperature_entry::Handlers(*this, "StaticText12", [this] { UnitChanged(); }))
    handlers.push_back(std::move(h));
  return handlers;
}

void LiquidVapourEq::EmptyResults() {
  Empty(*this, {"Answer", "MolarV1", "MolarV2", "Dens1", "Dens2", "frac1", "frac2", "tensions"});
}

void LiquidVapourEq::DataEntryV_TextChange() {
  thGuard_.Changed();
  guard_.Changed();
  // A bulk volume of liquid and vapour: handed over as a state point with
  // no temperature or pressure, never beside another window's.
  const double V = ui::Val(Field("DataEntryV")->Text());
  thermo::StatePoint::Set(0, 0, V);
  Label("Density")->SetText(state_windows::DensityLine(V));
  th_ = 0.0;
  thAsked_ = false;
  Label("nummerTh")->SetText(QString());
  Field("DataEntryT")->SetText(QString());
  EmptyResults();
}

// The results belong to the temperature they were calculated at; Th does
// not depend on it.
void LiquidVapourEq::DataEntryT_TextChange() {
  guard_.Changed();
  EmptyResults();
  Label("warning")->SetText(QString());
}

void LiquidVapourEq::calTh_Action() {
  if (Running()) return;
  const ui::AnswerGuard::Run run(thGuard_);
  const ui::AnswerGuard::Ticket inputs = thGuard_.Take();
  const double V = ui::Val(Field("DataEntryV")->Text());
  const std::optional<double> Th = thermo::HomogenizationTemperatureOfVolume(V);
  if (!thGuard_.Current(inputs)) return;  // the volume changed meanwhile
  th_ = Th.value_or(0.0);
  thAsked_ = true;
  ui::StaticText* shown = Label("nummerTh");
  if (Th) {
    shown->SetTextColor(ui::Black);
    shown->SetText(ui::Str(*Th - thermo::CelsiusOffset));
    Label("warning")->SetText(QString());
  } else {
    shown->SetTextColor(ui::Red);
    shown->SetText(QStringLiteral("error"));
    Label("warning")->SetText(V > 0 ? kNoThWarning : kVolumeWarning);
  }
}

// A unit switch changes the temperature the entry stands for (not Th,
// which is shown in ˚C).
void LiquidVapourEq::UnitChanged() {
  guard_.Changed();
  EmptyResults();
  Label("warning")->SetText(QString());
}

void LiquidVapourEq::Clear_Action() {
  if (Running()) return;
  Label("warning")->SetText(QString());
  Field("DataEntryV")->SetText(QString());
  Field("DataEntryT")->SetText(QString());
  Label("nummerTh")->SetText(QString());
  EmptyResults();
}

void LiquidVapourEq::calculate_Action() {
  if (Running()) return;  // a press during the calculation's own yields
  const ui::AnswerGuard::Run run(guard_);

  const double V = ui::Val(Field("DataEntryV")->Text());
  // Th as calculated for this volume (0 when none was, or none exists), not
  // as rounded for showing.
  const double Th = th_;
  // An entry that is no number is no temperature, in either unit.
  const double T =
      temperature_entry::Read(*this, "DataEntryT").value_or(0.0);
  // One message per cause: no numbers, no Th asked for or none for this
  // volume, a temperature at or above Th (one phase) or at or below the
  // triple point.
  QString refusal;
  if (!(V > 0) || !(T > 0)) {
    refusal = QStringLiteral("warning: put a number for molar volume and temperature (below Th)");
  } else if (!thAsked_) {
    refusal = QStringLiteral("warning: calculate the homogenization temperature Th first");
  } else if (!(Th > 0)) {
    refusal = kNoThWarning;
  } else if (!(T < Th)) {
    refusal = QStringLiteral("warning: one phase at Th and above: take a temperature below Th");
  } else if (!(T > thermo::TriplePointTemperature)) {
    refusal = temperature_entry::Celsius(*this)
                  ? QStringLiteral("warning: temperature at or below the triple point, 0.01 ˚C")
                  : QStringLiteral("warning: temperature at or below the triple point, 273.16 K");
  }
  if (!refusal.isEmpty()) {
    Label("warning")->SetText(refusal);
    EmptyResults();
    return;
  }
  Label("warning")->SetText(QString());

  const ui::AnswerGuard::Ticket inputs = guard_.Take();
  const thermo::CoexistenceAnswer a =
      thermo::CoexistenceAtTemperature(thermo::NudgePressure, T);
  // Inputs changed while the search let events run: the answer belongs to
  // none of them, and their handlers have emptied the results.
  if (!guard_.Current(inputs)) return;
  ui::StaticText* answer = Label("Answer");
  if (!a.found) {
    // Nothing of an earlier calculation stays beside it.
    EmptyResults();
    answer->SetTextColor(ui::Red);
    answer->SetText(QStringLiteral("no solution"));
    return;
  }
  const thermo::Coexistence& c = a.state;
  answer->SetTextColor(ui::Black);
  answer->SetText(ui::Str(c.P));
  saturation_windows::ShowPhases(*this, c);
  // Below Th the bulk volume lies between the two phases' volumes; should
  // rounding ever put it outside them, it is one phase, and no share of it
  // is liquid or vapour.
  double phi = 0;
  ui::StaticText* frac1 = Label("frac1");
  if (thermo::LiquidVolumeFraction(V, c.VL, c.VV, phi)) {
    frac1->SetTextColor(ui::Black);
    frac1->SetText(ui::Str(phi));
    Label("frac2")->SetText(ui::Str(1 - phi));
  } else {
    Empty(*this, {"frac1", "frac2"});
    Label("warning")->SetText(QStringLiteral("single phase at this temperature"));
  }
  Label("tensions")->SetText(ui::Str(thermo::SurfaceTension(T)));
}
