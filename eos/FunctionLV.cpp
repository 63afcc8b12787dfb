#include "Globals.h"

namespace Globals {

double Function_LV(int, double, double) { return 0.0; }

}  // namespace Globals
