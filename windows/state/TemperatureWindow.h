// The Temperatures window: temperature from molar volume and pressure.
//
// The user types a molar volume (cm3/mol) and a pressure (MPa); below the
// critical pressure the window shows the saturated liquid and vapour volumes
// at the saturation temperature of that pressure as the limits of the
// one-phase states. With a first approach ("automatic", or "manual" with a
// start temperature in K) "calculate" runs the temperature search and shows
// the temperature in K or ˚C. The window writes the molar volume and
// pressure it reads and the temperature it finds to the state point, where
// its listing MathAnalT finds them. The window is built hidden and appears
// at its first Show().
#pragma once

#include "ui/Window.h"

class TemperatureWindow : public ui::Window {
 public:
  static constexpr const char* ClassName = "TemperatureWindow.TemperatureWindow";

  // The class of the caption "Pressure", the one member (index 1) of the
  // control array of that name: a label with no behaviour of its own.
  using Pressure = ui::StaticText;

 protected:
  const ui::WindowSpec& Spec() const override;
  std::span<const ui::ControlSpec> Controls() const override;
  std::vector<ui::Handler> Handlers() override;
  void Event_Activate() override;

 private:
  void dataEntry_TextChange();
  void dataEntry1_TextChange();
  void Kelvin_Action();
  void Celsius_Action();
  void Clear_Action();
  void Choice0_Action();
  void Choice1_Action();
  void dataEntryT_TextChange();
  void Analysis_Action();
  void calculate_Action();
};
