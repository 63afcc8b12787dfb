// The isobaric heat-capacity window: Cp of water at the state point, in
// J/(mol K) or kJ/(kg K), beside the definitions of the two pressure
// derivatives it is built from.
#pragma once

#include "windows/response/ResponseWindow.h"

class CPWindow : public HeatCapacityWindow {
 public:
  static constexpr const char* ClassName = "CPWindow.CPWindow";
  CPWindow();
};
