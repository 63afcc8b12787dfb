// The Molar Volume window: molar volume from temperature and pressure.
//
// The user types a pressure (MPa) and a temperature (K or ˚C), chooses the
// start of the volume search (its first approach: "automatic", or "manual"
// with a typed start volume) and presses "calculate"; the window shows the
// molar volume (cm3/mol) and the density (g/cm3), and stores the state
// whole as the program-wide state point (thermo::StatePoint), with a molar
// volume of 0 where the search (thermo/StateSearch.h) finds no stable root,
// or where the calculators' rule refuses the state found (a root below 15
// cm3/mol, say, which the window still shows); where it shows none, the red
// "no result" has its reason in `warning`. Its listing MathAnal reads the
// temperature and pressure from there; "Mathematical Analysis" hands over
// the state the window shows, the typed temperature and pressure with the
// volume shown for them, under the same rule. Changing an entry, the first
// approach or the temperature unit empties the results.
#pragma once

#include <QString>

#include "ui/AnswerGuard.h"
#include "ui/Window.h"

class VolumeWindow : public ui::Window {
 public:
  static constexpr const char* ClassName = "VolumeWindow.VolumeWindow";

 protected:
  const ui::WindowLayout& Layout() const override;
  std::span<const ui::ControlLayout> Controls() const override;
  std::vector<ui::Handler> Handlers() override;
  void Event_Activate() override;

 private:
  double ReadTemperature();
  // An input changed: the results shown are no longer those of the inputs.
  void InputsChanged();

  void dataEntryP_TextChange();
  void dataEntryT_TextChange();
  void Clear_Action();
  void UnitChanged();
  void Choice0_Action();
  void Choice1_Action();
  void dataEntryV_TextChange();
  void Analysis_Action();
  void calculate_Action();

  // The changes of the inputs; a volume found while they changed (the
  // search lets events run) is dropped. Running while "calculate" runs: a
  // second press meanwhile starts nothing.
  ui::AnswerGuard guard_;
  // The molar volume shown, found for the inputs shown (cm3/mol); 0 where
  // none is.
  double volume_ = 0;
  // What the warning line says of the volume shown (why it is not handed
  // on, or why there is none): kept when the window comes to the front.
  QString resultNote_;
};
