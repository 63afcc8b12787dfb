#include "thermo/Constants.h"

#include "eos/Globals.h"

// The layer's constants are the equation's: a change of one is a change of
// both.
static_assert(thermo::MolarMass == Globals::MolarMassH2O);
static_assert(thermo::CelsiusOffset == Globals::CelsiusOffset);
static_assert(thermo::TriplePointTemperature == Globals::TriplePointTemp);
static_assert(thermo::TriplePointPressure == Globals::TriplePointPres);
static_assert(thermo::MinMolarVolume == Globals::MinMolarVol);
static_assert(thermo::NudgePressure == Globals::NudgeVariable::Pressure);
static_assert(thermo::NudgeTemperature == Globals::NudgeVariable::Temperature);
