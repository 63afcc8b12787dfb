// The enthalpy window: H of water at the state point, per mole or per mass,
// relative to the saturated liquid at the triple point and on the 25 ˚C,
// 0.1 MPa scale (where the liquid has H = -285831.8 J/mol).
#pragma once

#include "windows/energy/EnergyWindow.h"

class EnthalpyWindow : public EnergyWindow {
 public:
  static constexpr const char* ClassName = "EnthalpyWindow.EnthalpyWindow";
  EnthalpyWindow();
};
