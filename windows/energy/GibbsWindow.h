// The Gibbs-energy window: G = A + P V of water at the state point, with P
// the equation's own pressure at (T, V), per mole or per mass, on the
// scales of the Helmholtz-energy window: 0.01102 J/mol (the P V of the
// liquid) for the saturated liquid at the triple point, -306686.2 J/mol for
// the liquid at 25 ˚C and 0.1 MPa.
#pragma once

#include "windows/energy/EnergyWindow.h"

class GibbsWindow : public EnergyWindow {
 public:
  static constexpr const char* ClassName = "GibbsWindow.GibbsWindow";
  GibbsWindow();
};
