#include "thermo/StateValues.h"

#include "eos/Globals.h"

namespace thermo {

bool MechanicallyStable(double T, double V) { return Globals::Haar_dPdRho(T, V) > 0.0; }

}  // namespace thermo
