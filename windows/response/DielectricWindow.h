// The dielectric-constant window: the static relative dielectric constant of
// water at the state point by the IAPS (1977) formulation, a pure number.
#pragma once

#include "windows/response/ResponseWindow.h"

class DielectricWindow : public ResponseWindow {
 public:
  static constexpr const char* ClassName = "DielectricWindow.DielectricWindow";
  DielectricWindow();
};
