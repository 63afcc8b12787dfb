#include "windows/response/ResponseWindow.h"

#include "eos/Globals.h"

ResponseWindow::ResponseWindow(const StatePointLayout& layout, Figure figure, double scale)
    : StatePointWindow(layout), figure_(figure), scale_(scale) {}

void ResponseWindow::calculate_Action() {
  const auto s = CheckedStatePoint();
  if (!s) return;
  // The figure's loops let events run; the unit pair is read only after it,
  // so a unit chosen meanwhile is the unit the figure is written in.
  const std::optional<double> figure = figure_(s->T, s->V);
  if (!figure) {
    ShowNoResult("Result");
    Label("warning")->SetText(QString());
    return;
  }
  ShowResults({ui::Str(InShownUnit(*figure))});
}

HeatCapacityWindow::HeatCapacityWindow(const StatePointLayout& layout, Figure figure)
    : ResponseWindow(layout, figure) {}

std::vector<ui::Handler> HeatCapacityWindow::MemberHandlers() {
  using ui::Event;
  return {
      {"Jmol", Event::Action, [this] { UnitChosen(false); }},
      {"kJkg", Event::Action, [this] { UnitChosen(true); }},
  };
}

// J/(mol K) over g/mol is J/(g K), that is kJ/(kg K).
double HeatCapacityWindow::InShownUnit(double figure) const {
  return Radio("kJkg")->Value() ? figure / Globals::MolarMassH2O : figure;
}

// Runs only when its radio becomes the one that is on (a click on the radio
// already on raises no Action), so the shown figure is converted once. The
// figure is read back from its text: there is no other copy of it. A text
// that reads as 0 (none, or "no result") leaves nothing to convert.
void HeatCapacityWindow::UnitChosen(bool perMass) {
  if (!Radio(perMass ? "kJkg" : "Jmol")->Value()) return;
  Label("StaticText11")->SetText(perMass ? QStringLiteral("kJ/kg K") : QStringLiteral("J/mol K"));
  ui::StaticText* result = Label("Result");
  const double shown = ui::Val(result->Text());
  if (shown == 0) {
    result->SetText(QString());
    return;
  }
  result->SetText(ui::Str(perMass ? shown / Globals::MolarMassH2O : shown * Globals::MolarMassH2O));
}
