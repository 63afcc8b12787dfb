// The Helmholtz-energy window: A of water at the state point, per mole or
// per mass, on the scale on which the saturated liquid at the triple point
// has U = 0 and S = 0 (so A = U - T S there as in the internal-energy and
// entropy windows), and on the 25 ˚C, 0.1 MPa scale (A = -306688.0 J/mol
// for the liquid there).
#pragma once

#include "windows/energy/EnergyWindow.h"

class HelmholtzWindow : public EnergyWindow {
 public:
  static constexpr const char* ClassName = "HelmholtzWindow.HelmholtzWindow";
  HelmholtzWindow();
};
