// The fugacity window: the fugacity of water and its fugacity coefficient
// f / P at the state point completed by the state step.
#pragma once

#include "windows/statepoint/StatePointWindow.h"

class FugacityWindow : public StatePointWindow {
 public:
  static constexpr const char* ClassName = "FugacityWindow.FugacityWindow";
  FugacityWindow();

 protected:
  void calculate_Action() override;
};
