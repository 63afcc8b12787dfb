#include "windows/statepoint/TemperatureEntry.h"

#include <cmath>

#include "thermo/Constants.h"

namespace temperature_entry {

std::optional<double> Kelvin(const QString& text, bool celsius) {
  const std::optional<double> value = ui::EnteredNumber(text);
  if (!value) return std::nullopt;
  return celsius ? *value + thermo::CelsiusOffset : *value;
}

bool Celsius(const ui::Window& w) { return w.Radio("Celsius")->Value(); }

std::optional<double> Read(const ui::Window& w, const char* entry) {
  return Kelvin(w.Field(entry)->Text(), Celsius(w));
}

QString Shown(const ui::Window& w, double kelvin) {
  return ui::Str(Celsius(w) ? kelvin - thermo::CelsiusOffset : kelvin);
}

QString ShownExactly(const ui::Window& w, double kelvin) {
  if (!Celsius(w)) return ui::ExactStr(kelvin);
  // The difference to the fewest significant digits whose sum with the
  // offset is the temperature again: -13.15 for 260 K, where the difference
  // itself is -13.149999999999977.
  const double nearest = kelvin - thermo::CelsiusOffset;
  for (int digits = 1; digits <= 17; ++digits) {
    const QString text = ui::ExactStr(ui::Val(QString::number(nearest, 'g', digits)));
    if (Kelvin(text, true) == kelvin) return text;
  }
  // Else a neighbour of the difference that gives it.
  double below = nearest, above = nearest;
  for (int step = 0; step < 4; ++step) {
    for (const double c : {above, below}) {
      const QString text = ui::ExactStr(c);
      if (Kelvin(text, true) == kelvin) return text;
    }
    below = std::nextafter(below, -HUGE_VAL);
    above = std::nextafter(above, HUGE_VAL);
  }
  return ui::ExactStr(nearest);
}

QString UnitText(const ui::Window& w) {
  return Celsius(w) ? QStringLiteral("˚Celsius") : QStringLiteral("Kelvin");
}

QString ReasonText(const ui::Window& w, thermo::Reason why) {
  const thermo::TemperatureUnit unit =
      Celsius(w) ? thermo::TemperatureUnit::Celsius : thermo::TemperatureUnit::Kelvin;
  return QString::fromUtf8(thermo::ReasonText(why, unit));
}

QString UpperBoundText(double kelvin, int decimals, bool celsius) {
  const double scale = std::pow(10.0, decimals);
  const double figure = celsius ? kelvin - thermo::CelsiusOffset : kelvin;
  return QString::number(std::floor(figure * scale) / scale, 'f', decimals) +
         (celsius ? QStringLiteral(" ˚C") : QStringLiteral(" K"));
}

std::vector<ui::Handler> Handlers(const ui::Window& w, const char* unitLabel,
                                  std::function<void()> changed) {
  auto chosen = [&w, unitLabel, changed](const char* radio) {
    if (!w.Radio(radio)->Value()) return;
    if (unitLabel != nullptr) w.Label(unitLabel)->SetText(UnitText(w));
    changed();
  };
  return {{"Kelvin", ui::Event::Action, [chosen] { chosen("Kelvin"); }},
          {"Celsius", ui::Event::Action, [chosen] { chosen("Celsius"); }}};
}

void Reset(const ui::Window& w) {
  w.Radio("Celsius")->SetValue(false);
  w.Radio("Kelvin")->SetValue(true);
}

}  // namespace temperature_entry
