#include "windows/response/ResponseWindow.h"

ResponseWindow::ResponseWindow(const StatePointLayout& layout, Figure figure, double scale)
    : StatePointWindow(layout), figure_(figure), scale_(scale) {}

void ResponseWindow::calculate_Action() {
  const auto s = CheckedStatePoint();
  if (!s) return;
  // The figure's loops let events run; the unit pair is read only after it,
  // so a unit chosen meanwhile is the unit the figure is written in.
  const thermo::Answer figure = figure_(s->T, s->V);
  if (!figure.HasFigure()) {
    ShowNoResults(figure.reason);
    return;
  }
  ShowFigure(figure.value);
}

HeatCapacityWindow::HeatCapacityWindow(const StatePointLayout& layout, Figure figure)
    : ResponseWindow(layout, figure) {}

std::vector<ui::Handler> HeatCapacityWindow::MemberHandlers() {
  return UnitPairHandlers([this](bool perMass) { UnitChosen(perMass); });
}

void HeatCapacityWindow::UnitChosen(bool perMass) {
  Label("StaticText11")->SetText(perMass ? QStringLiteral("kJ/kg K") : QStringLiteral("J/mol K"));
  ConvertShownResults(perMass);
}
