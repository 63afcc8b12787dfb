#include "Globals.h"

namespace Globals {

double SaturationP(double) { return 0.0; }
double SaturationV(int, double) { return 0.0; }
double SaturationT(double) { return 0.0; }
double SaturationTV(double) { return 0.0; }

}  // namespace Globals
