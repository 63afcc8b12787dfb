#include "windows/energy/EnergyWindow.h"

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
  ShowFigures({figures->triplePoint, figures->refState});
}

void EnergyWindow::UnitChosen(bool perMass) {
  const QString unit = QString::fromUtf8(perMass ? function_.units->perMass : function_.units->perMole);
  Label("StaticText11")->SetText(unit);
  Label("StaticText12")->SetText(unit);
  ConvertShownResults(perMass);
}
