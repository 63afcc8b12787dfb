#include "windows/energy/EnergyWindow.h"

#include "eos/Globals.h"

using energy_windows::Figures;

EnergyWindow::EnergyWindow(const StatePointLayout& layout,
                           const energy_windows::EnergyFunction& function)
    : StatePointWindow(layout), function_(function) {}

std::vector<ui::Handler> EnergyWindow::MemberHandlers() {
  using ui::Event;
  return {
      {"Jmol", Event::Action, [this] { UnitChosen(false); }},
      {"kJkg", Event::Action, [this] { UnitChosen(true); }},
  };
}

void EnergyWindow::calculate_Action() {
  const auto s = CheckedStatePoint();
  if (!s) return;
  const std::optional<Figures> figures = energy_windows::Evaluate(function_, s->T, s->V);
  if (!figures) {
    ShowNoResult("Result");
    ShowNoResult("Result1");
    Label("warning")->SetText(QString());
    return;
  }
  // Per mass the difference is taken first, then divided.
  const double divisor = Radio("kJkg")->Value() ? Globals::MolarMassH2O : 1.0;
  ShowResults({ui::Str(figures->triplePoint / divisor), ui::Str(figures->refState / divisor)});
}

// Runs only when its radio becomes the one that is on (a click on the radio
// already on raises no Action), so the shown figures are converted once.
void EnergyWindow::UnitChosen(bool perMass) {
  if (!Radio(perMass ? "kJkg" : "Jmol")->Value()) return;
  const QString unit = QString::fromUtf8(perMass ? function_.units->perMass : function_.units->perMole);
  Label("StaticText11")->SetText(unit);
  Label("StaticText12")->SetText(unit);
  ui::StaticText* result = Label("Result");
  ui::StaticText* result1 = Label("Result1");
  const energy_windows::Shown converted =
      energy_windows::Converted({result->Text(), result1->Text()}, perMass);
  result->SetText(converted.result);
  result1->SetText(converted.result1);
}
