// The first approach of the Molar Volume and Temperatures searches, as the
// window's radio pair `Choice0` (automatic) / `Choice1` (manual) says.
#pragma once

#include "thermo/StateSearch.h"
#include "ui/Window.h"

namespace state_windows {

inline thermo::Approach ChosenApproach(const ui::Window& w) {
  if (w.Radio("Choice0")->Value()) return thermo::Approach::Automatic;
  if (w.Radio("Choice1")->Value()) return thermo::Approach::Manual;
  return thermo::Approach::None;
}

}  // namespace state_windows
