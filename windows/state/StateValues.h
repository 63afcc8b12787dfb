// Values the state windows derive for display: the mass density of a molar
// volume, the pressure shown for a state, and the saturation limit lines beside a typed temperature or
// pressure, with the labels that show them.
#pragma once

#include <QString>

#include <cmath>

#include "eos/Globals.h"
#include "ui/Window.h"

namespace state_windows {

// Mass density in kg/m3 (18015.28 / V) or g/cm3 (18.01528 / V). There is
// none (0) unless V is above 0, and none where V is so small that the
// quotient overflows: a typed 1e-310 cm3/mol has no density to show.
inline double Density(double factor, double V) {
  if (!(V > 0)) return 0.0;
  const double rho = factor / V;
  return std::isfinite(rho) ? rho : 0.0;
}

// kg/m3 from cm3/mol: 1000 times the molar mass over the molar volume.
inline double DensityKgM3(double V) { return Density(1000.0 * Globals::MolarMassH2O, V); }
// g/cm3 from cm3/mol.
inline double DensityGcm3(double V) { return Density(Globals::MolarMassH2O, V); }

// The pressure the state windows show for (T, V), or none (0): the equation
// is not used below 15 cm3/mol or 260 K, and it gives no pressure (0)
// outside its temperature window (above about 5070 ˚C).
inline double ShownPressure(double T, double V) {
  if (!(V >= Globals::MinMolarVol && T >= Globals::MinTempKelvin)) return 0.0;
  return Globals::Haar_Pressure(T, V);
}

// A saturation limit line, the prefix then the volume ("  Vm (liquid) < "
// "18.0695 cm3/mol"). Where the curve has no volume (0: below the triple
// point, or nothing typed) a limit of 0 would be no limit, and the line
// stays empty.
inline QString LimitLine(const char* prefix, double V) {
  if (!(V > 0)) return QString();
  return QString::fromUtf8(prefix) + ui::Str(V) + QStringLiteral(" cm3/mol");
}

// The line under a typed molar volume: "corresponding density = 1000.849
// kg/m3", or the bare caption where the volume has no density.
inline QString DensityLine(double V) {
  const double rho = DensityKgM3(V);
  if (!(rho > 0)) return QStringLiteral("corresponding density");
  return QStringLiteral("corresponding density = ") + ui::Str(rho) + QStringLiteral(" kg/m3");
}

// The three limit labels of a window: the heading (the label `headingName`)
// and the lines "liquidlimit" and "vapourlimit" with the saturated volumes.
inline void ShowLimits(const ui::Window& w, const char* headingName, const QString& heading,
                       double liquid, double vapour) {
  w.Label(headingName)->SetText(heading);
  w.Label("liquidlimit")->SetText(LimitLine("  Vm (liquid) < ", liquid));
  w.Label("vapourlimit")->SetText(LimitLine("  Vm (vapour) > ", vapour));
}

// Empties the three limit labels: above the critical point, and whenever
// the window is cleared or activated.
inline void ClearLimits(const ui::Window& w, const char* headingName) {
  w.Label(headingName)->SetText(QString());
  w.Label("liquidlimit")->SetText(QString());
  w.Label("vapourlimit")->SetText(QString());
}

}  // namespace state_windows
