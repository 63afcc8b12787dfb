// The entropy window: S of water at the state point, per mole and kelvin or
// per kilogram and kelvin, relative to the saturated liquid at the triple
// point and as the equation gives it (69.95 J/(mol K) for the liquid at
// 25 ˚C and 0.1 MPa).
#pragma once

#include "windows/energy/EnergyWindow.h"

class EntropyWindow : public EnergyWindow {
 public:
  static constexpr const char* ClassName = "EntropyWindow.EntropyWindow";
  EntropyWindow();
};
