// The isochoric heat-capacity window: Cv of water at the state point, in
// J/(mol K) or kJ/(kg K).
#pragma once

#include "windows/response/ResponseWindow.h"

class CVWindow : public HeatCapacityWindow {
 public:
  static constexpr const char* ClassName = "CVWindow.CVWindow";
  CVWindow();
};
