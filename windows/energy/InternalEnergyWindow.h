// The internal-energy window: U of water at the state point, per mole or per
// mass, relative to the saturated liquid at the triple point and on the
// 25 ˚C, 0.1 MPa scale (where the liquid has U = -285831.8 J/mol, the
// figure the enthalpy window quotes for H).
#pragma once

#include "windows/energy/EnergyWindow.h"

class InternalEnergyWindow : public EnergyWindow {
 public:
  static constexpr const char* ClassName = "InternalEnergyWindow.InternalEnergyWindow";
  InternalEnergyWindow();
};
