// The saturation limit lines the state windows show beside a typed
// temperature or pressure, the density line under a typed molar volume and
// the red "no result" with its reason, with the labels that show them:
// shared by the state and phase windows.
#pragma once

#include <QString>

#include "thermo/Reason.h"
#include "thermo/StateValues.h"
#include "ui/Window.h"
#include "windows/statepoint/TemperatureEntry.h"

namespace state_windows {

// A red "no result" in the label `name`.
inline void PaintNoResult(const ui::Window& w, const char* name) {
  ui::StaticText* label = w.Label(name);
  label->SetTextColor(ui::Red);
  label->SetText(QStringLiteral("no result"));
}

// A red "no result" in the label `name`, and the reason in the window's
// warning line, in the unit of its temperature.
inline void ShowNoResult(const ui::Window& w, const char* name, thermo::Reason why) {
  PaintNoResult(w, name);
  w.Label("warning")->SetText(temperature_entry::ReasonText(w, why));
}

// The warning beside a figure the window shows whose state the calculators
// refuse (a loop pressure, a volume below 15 cm3/mol): the rule's reason,
// worded as beside a red "no result" but without those words, since the
// figure stands, and that the state is not handed on; nothing for an
// accepted state (Reason::None).
inline QString NotHandedOn(const ui::Window& w, thermo::Reason why) {
  if (why == thermo::Reason::None) return QString();
  QString reason = temperature_entry::ReasonText(w, why);
  const QString noResult = QStringLiteral("no result: ");
  if (reason.startsWith(noResult)) reason.remove(0, noResult.size());
  return QStringLiteral("not handed on to other windows: ") + reason;
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
  const double rho = thermo::DensityKgM3(V);
  if (!(rho > 0)) return QStringLiteral("corresponding density");
  return QStringLiteral("corresponding density = ") + ui::Str(rho) + QStringLiteral(" kg/m3");
}

// The three limit labels of a window: the heading (the label `headingName`)
// and the lines "liquidlimit" and "vapourlimit" with the saturated volumes.
// Where the curve has neither volume (below the triple point, or no
// temperature or pressure above 0) there is no limit, and no heading.
inline void ShowLimits(const ui::Window& w, const char* headingName, const QString& heading,
                       double liquid, double vapour) {
  w.Label(headingName)->SetText(liquid > 0 || vapour > 0 ? heading : QString());
  w.Label("liquidlimit")->SetText(LimitLine("  Vm (liquid) < ", liquid));
  w.Label("vapourlimit")->SetText(LimitLine("  Vm (vapour) > ", vapour));
}

// Empties the three limit labels, when the window is cleared or activated.
inline void ClearLimits(const ui::Window& w, const char* headingName) {
  w.Label(headingName)->SetText(QString());
  w.Label("liquidlimit")->SetText(QString());
  w.Label("vapourlimit")->SetText(QString());
}

}  // namespace state_windows
