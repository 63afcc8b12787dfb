// The Temperatures window: temperature from molar volume and pressure.
//
// The user types a molar volume (cm3/mol) and a pressure (MPa); below the
// critical pressure the window shows the saturated liquid and vapour
// volumes at the saturation temperature of that pressure as the limits of
// the one-phase states. With a first approach ("automatic", or "manual"
// with a start temperature in K) "calculate" runs the temperature search
// and shows the temperature in K or ˚C, and stores the state whole as the
// program-wide state point (thermo::StatePoint), with a temperature of 0
// where the search (thermo/StateSearch.h) finds no temperature at which
// the calculators' rule accepts the state; there the red "no result" has
// its reason in `warning`. Its listing MathAnalT reads the molar volume and
// pressure from there; "Mathematical Analysis" hands over the state the
// window shows, the typed volume and pressure with the temperature shown
// for them, under the same rule. Changing an entry or the first approach
// empties the result; the unit radios show the temperature found in K or
// ˚C. The window is built hidden and appears at its first Show().
#pragma once

#include "thermo/Reason.h"
#include "ui/AnswerGuard.h"
#include "ui/Window.h"

class TemperatureWindow : public ui::Window {
 public:
  static constexpr const char* ClassName = "TemperatureWindow.TemperatureWindow";

  // The class of the caption "Pressure", the one member (index 1) of the
  // control array of that name: a label with no behaviour of its own.
  using Pressure = ui::StaticText;

 protected:
  const ui::WindowLayout& Layout() const override;
  std::span<const ui::ControlLayout> Controls() const override;
  std::vector<ui::Handler> Handlers() override;
  void Event_Activate() override;

 private:
  // An input changed: the temperature shown is no longer that of the inputs.
  void InputsChanged();
  // The temperature found, in black in the unit that is on; where none was
  // found, the reason shown beside the red "no result", its temperatures in
  // that unit.
  void ShowTemperature();

  void dataEntry_TextChange();
  void dataEntry1_TextChange();
  void Clear_Action();
  void Choice0_Action();
  void Choice1_Action();
  void dataEntryT_TextChange();
  void Analysis_Action();
  void calculate_Action();

  // The changes of the inputs; a temperature found while they changed (the
  // search lets events run) is dropped. Running while "calculate" runs: a
  // second press meanwhile starts nothing.
  ui::AnswerGuard guard_;
  // The pressures whose limits were asked for: only the latest's are shown
  // (their solve lets events run).
  ui::AnswerGuard guide_;
  // The search's answer for the inputs shown: the temperature (K), or none
  // with the reason; 0 with no reason where nothing was calculated.
  thermo::Answer found_;
};
