// The Pressures window: pressure from temperature and molar volume.
//
// The user types a molar volume (cm3/mol) and a temperature (K or ˚C); the
// window shows the density of the volume and, below the critical
// temperature, the saturated liquid and vapour volumes as the limits of the
// one-phase states. "calculate" shows the pressure of the equation of state
// (inside the two-phase region its loop's own pressure, beside a warning
// that the state is refused and why; a red "no result" with its reason
// where there is none) and stores the state whole as the
// program-wide state point (thermo::StatePoint), where the isochore window
// and the calculators find it, with no pressure for a state the
// calculators' rule refuses (inside the two-phase region, above 3000 MPa,
// not above 0); "Isochore calculation" hands over the state the window
// shows, the typed temperature and molar volume with the pressure shown for
// them, under the same rule. Changing an entry or the temperature unit
// empties the pressure.
#pragma once

#include <QString>

#include "ui/AnswerGuard.h"
#include "ui/Window.h"

class PressuresWindow : public ui::Window {
 public:
  static constexpr const char* ClassName = "PressuresWindow.PressuresWindow";

 protected:
  const ui::WindowLayout& Layout() const override;
  std::span<const ui::ControlLayout> Controls() const override;
  std::vector<ui::Handler> Handlers() override;
  void Event_Activate() override;

 private:
  // The temperature entry in kelvin, 0 for no number.
  double ReadTemperature();
  // The saturation limits at the typed temperature.
  void ShowTemperatureLimits();
  // An entry or the unit changed: the pressure shown is no longer theirs.
  void InputsChanged();

  void dataEntry_TextChange();
  void dataEntry1_TextChange();
  void calculate_Action();
  void UnitChanged();
  void PushButton1_Action();
  void Clear_Action();

  // The changes of the inputs; a pressure computed while they changed (the
  // evaluation lets events run) is dropped. Running while "calculate" runs:
  // a second press meanwhile starts nothing.
  ui::AnswerGuard guard_;
  // The temperatures whose limits were asked for: only the latest's are
  // shown (their solve lets events run).
  ui::AnswerGuard guide_;
  // The pressure shown, computed for the inputs shown (MPa); 0 where none is.
  double pressure_ = 0;
  // What the warning line says of the pressure shown (why it is not handed
  // on, or why there is none): kept when the window comes to the front.
  QString resultNote_;
};
