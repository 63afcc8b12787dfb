#include "eos/Globals.h"

namespace Globals {

void InitSaturationArrays() {
  Fugacity.fill(0.0);
  MolarVolumes.fill(0.0);
}

void ExitSaturationArrays() {
  Fugacity.fill(0.0);
  MolarVolumes.fill(0.0);
}

void SetBackgroundTask(BackgroundTaskHook hook) { detail::backgroundTask = hook; }

}  // namespace Globals
