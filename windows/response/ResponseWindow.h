// The response windows on the state-point skeleton: a "calculate" hook that
// shows one figure of the equation at the state point, or a red "no result"
// with the reason where there is none (thermo/ResponseValues.h), and, for the two heat
// capacities, the unit pair `Jmol` / `kJkg` that shows the figure per mole
// or per mass. A window gives its layout and its figure; it adds nothing
// else.
#pragma once

#include "thermo/Reason.h"
#include "windows/statepoint/StatePointWindow.h"

class ResponseWindow : public StatePointWindow {
 protected:
  // The window's figure at a temperature (K) and molar volume (cm3/mol).
  using Figure = thermo::Answer (*)(double T, double V);

  // `scale` multiplies the figure for display (1e6 shows Pa s as µPa s).
  ResponseWindow(const StatePointLayout& layout, Figure figure, double scale = 1.0);

  // Shows the figure in `Result`.
  void calculate_Action() override;
  // Writes the figure into `Result`, in the unit the window shows it in.
  virtual void ShowFigure(double figure) { ShowResults({ui::Str(figure * scale_)}); }

 private:
  Figure figure_;
  double scale_;
};

// Cv and Cp: J/(mol K) while `Jmol` is on, kJ/(kg K) while `kJkg` is on.
class HeatCapacityWindow : public ResponseWindow {
 protected:
  HeatCapacityWindow(const StatePointLayout& layout, Figure figure);

  std::vector<ui::Handler> MemberHandlers() override;
  void ShowFigure(double figure) override { ShowFigures({figure}); }

 private:
  // `Jmol` (perMass false) or `kJkg` (true) has just been turned on.
  void UnitChosen(bool perMass);
};
