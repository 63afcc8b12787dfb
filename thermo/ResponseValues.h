// The figures the response windows show: heat capacities, speed of sound,
// Joule-Thomson coefficient, viscosity and static dielectric constant of the
// equation at a temperature (K) and molar volume (cm3/mol), or none, with
// the reason, where the equation's number is its failure value or describes
// no physical state. A window shows "no result" and the reason for none.
//
// Rules, each in one place:
//   - Cv, Cp, the speed of sound and the Joule-Thomson coefficient are
//     caloric figures: none above 3000 K, where the equation's ideal-gas
//     part no longer describes water (Cv 3407.9 J/(mol K) at 4500 K).
//     Viscosity and dielectric constant do not use that part.
//   - A heat capacity, a speed of sound or a viscosity is above 0. The
//     equation returns 0 outside its temperature window and where its sums
//     fail; far below the viscosity formulation's range its dilute-gas sum
//     turns negative.
//   - A static relative dielectric constant is at least 1 (vacuum); the
//     formulation drifts below that, even below 0, far from its range.
//   - Cp, the speed of sound and the Joule-Thomson coefficient need a
//     mechanically stable state, (dP/drho)_T > 0 and Cp > 0. Inside the
//     two-phase region the equation's loop gives (dP/drho)_T <= 0; its Cp
//     there is negative or huge, and a speed of sound or coefficient built
//     from it is a number without meaning.
//   - No figure is shown that is not finite.
#pragma once

#include "thermo/Reason.h"

namespace thermo {

Answer IsochoricHeatCapacity(double T, double V);    // J/(mol K)
Answer IsobaricHeatCapacity(double T, double V);     // J/(mol K)
Answer SpeedOfSound(double T, double V);             // m/s
Answer JouleThomsonCoefficient(double T, double V);  // K/MPa
Answer Viscosity(double T, double V);                // Pa s
Answer DielectricConstant(double T, double V);       // 1

}  // namespace thermo
