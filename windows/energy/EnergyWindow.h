// The energy-function windows on the state-point skeleton: the "calculate"
// hook that shows the window's function on its two scales, and the unit
// pair `Jmol` / `kJkg` that shows the figures per mole or per mass. A window
// of the family gives its layout, its function with its scales and its
// units; it adds nothing else.
#pragma once

#include "thermo/EnergyScales.h"
#include "windows/energy/EnergyFamily.h"
#include "windows/statepoint/StatePointWindow.h"

class EnergyWindow : public StatePointWindow {
 protected:
  EnergyWindow(const StatePointLayout& layout, const thermo::EnergyScale& scale,
               const energy_windows::Units& units);

  void calculate_Action() override;
  std::vector<ui::Handler> MemberHandlers() override;

 private:
  // `Jmol` (perMass false) or `kJkg` (true) has just been turned on.
  void UnitChosen(bool perMass);

  const thermo::EnergyScale& scale_;
  const energy_windows::Units& units_;
};
