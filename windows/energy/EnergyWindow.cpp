#include "windows/energy/EnergyWindow.h"

#include "eos/Globals.h"

using energy_windows::Figures;

EnergyWindow::EnergyWindow(const StatePointLayout& layout,
                           const energy_windows::EnergyFunction& function)
    : StatePointWindow(layout), function_(function) {}

std::vector<ui::Handler> EnergyWindow::MemberHandlers() {
  return UnitPairHandlers([this](bool perMass) { UnitChosen(perMass); });
}

void EnergyWindow::calculate_Action() {
  const auto s = CheckedStatePoint();
  if (!s) return;
  const std::optional<Figures> figures = energy_windows::Evaluate(function_, s->T, s->V);
  if (!figures) {
    ShowNoResults();
    return;
  }
  // Per mass the difference is taken first, then divided.
  const double divisor = PerMass() ? Globals::MolarMassH2O : 1.0;
  ShowResults({ui::Str(figures->triplePoint / divisor), ui::Str(figures->refState / divisor)});
}

void EnergyWindow::UnitChosen(bool perMass) {
  const QString unit = QString::fromUtf8(perMass ? function_.units->perMass : function_.units->perMole);
  Label("StaticText11")->SetText(unit);
  Label("StaticText12")->SetText(unit);
  ConvertShownResults(perMass);
}
