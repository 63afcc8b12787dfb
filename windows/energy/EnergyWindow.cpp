#include "windows/energy/EnergyWindow.h"

using thermo::Figures;

EnergyWindow::EnergyWindow(const StatePointLayout& layout, const thermo::EnergyScale& scale,
                           const energy_windows::Units& units)
    : StatePointWindow(layout), scale_(scale), units_(units) {}

std::vector<ui::Handler> EnergyWindow::MemberHandlers() {
  return UnitPairHandlers([this](bool perMass) { UnitChosen(perMass); });
}

void EnergyWindow::calculate_Action() {
  const auto s = CheckedStatePoint();
  if (!s) return;
  const Figures figures = thermo::Evaluate(scale_, s->T, s->V);
  if (!figures.HasFigures()) {
    ShowNoResults(figures.reason);
    return;
  }
  // Per mass the difference is taken first, then divided.
  ShowFigures({figures.triplePoint, figures.refState});
}

void EnergyWindow::UnitChosen(bool perMass) {
  const QString unit = QString::fromUtf8(perMass ? units_.perMass : units_.perMole);
  Label("StaticText11")->SetText(unit);
  Label("StaticText12")->SetText(unit);
  ConvertShownResults(perMass);
}
