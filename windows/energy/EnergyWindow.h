// The energy-function windows on the state-point skeleton: the "calculate"
// hook that shows the window's function on its two scales, and the unit
// pair `Jmol` / `kJkg` that shows the figures per mole or per mass. A window of the
// family gives its layout and its function; it adds nothing else.
#pragma once

#include "windows/energy/EnergyFamily.h"
#include "windows/statepoint/StatePointWindow.h"

class EnergyWindow : public StatePointWindow {
 protected:
  EnergyWindow(const StatePointLayout& layout, const energy_windows::EnergyFunction& function);

  void calculate_Action() override;
  std::vector<ui::Handler> MemberHandlers() override;

 private:
  // `Jmol` (perMass false) or `kJkg` (true) has just been turned on.
  void UnitChosen(bool perMass);

  const energy_windows::EnergyFunction& function_;
};
