// The constants of water and of the program's ranges that the windows show,
// convert with or check against, and the two nudges of the liquid-minus-
// vapour function. They are the equation's own values (Constants.cpp holds
// them equal), here so that a window needs no header of the equation.
#pragma once

namespace thermo {

inline constexpr double MolarMass = 18.01528;             // g/mol
inline constexpr double CelsiusOffset = 273.15;           // K
inline constexpr double TriplePointTemperature = 273.16;  // K
// The triple-point pressure of the auxiliary saturation curve.
inline constexpr double TriplePointPressure = 0.000611657;  // MPa
// The lowest molar volume a calculation takes.
inline constexpr double MinMolarVolume = 15.0;  // cm3/mol

// Which variable the liquid-minus-vapour function's retries shift when a
// root lands on the wrong side: the pressure (homogenization into the
// liquid) or the temperature (into the vapour).
inline constexpr int NudgePressure = 0;
inline constexpr int NudgeTemperature = 1;

}  // namespace thermo
