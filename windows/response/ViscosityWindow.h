// The viscosity window: the dynamic viscosity of water at the state point by
// the IAPS formulation, in µPa s.
#pragma once

#include "windows/response/ResponseWindow.h"

class ViscosityWindow : public ResponseWindow {
 public:
  static constexpr const char* ClassName = "ViscosityWindow.ViscosityWindow";
  ViscosityWindow();
};
