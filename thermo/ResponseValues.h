// The figures the response windows show: heat capacities, speed of sound,
// Joule-Thomson coefficient, viscosity and static dielectric constant of the
// equation at a temperature (K) and molar volume (cm3/mol), or none
// (std::nullopt) where the equation's number is its failure value or
// describes no physical state. A window shows "no result" for none.
//
// Rules, each in one place:
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

#include <optional>

namespace thermo {

std::optional<double> IsochoricHeatCapacity(double T, double V);    // J/(mol K)
std::optional<double> IsobaricHeatCapacity(double T, double V);     // J/(mol K)
std::optional<double> SpeedOfSound(double T, double V);             // m/s
std::optional<double> JouleThomsonCoefficient(double T, double V);  // K/MPa
std::optional<double> Viscosity(double T, double V);                // Pa s
std::optional<double> DielectricConstant(double T, double V);       // 1

}  // namespace thermo
