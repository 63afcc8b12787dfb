#include "thermo/BackgroundTask.h"

#include "eos/Globals.h"

namespace thermo {

void RunBackgroundTask() { Globals::RuntimeBackgroundTask(); }

}  // namespace thermo
