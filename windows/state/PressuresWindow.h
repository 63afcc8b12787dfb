// The Pressures window: pressure from temperature and molar volume.
//
// The user types a molar volume (cm3/mol) and a temperature (K or ˚C); the
// window shows the density of the volume and, below the critical temperature,
// the saturated liquid and vapour volumes as the limits of the one-phase
// states. "calculate" shows the pressure of the equation of state. Values go
// to the other windows only through the state point Globals::MolarVol,
// Globals::TempKelvin and Globals::PresMPa; the isochore window reads the
// molar volume from there.
#pragma once

#include "ui/Window.h"

class PressuresWindow : public ui::Window {
 public:
  static constexpr const char* ClassName = "PressuresWindow.PressuresWindow";

 protected:
  const ui::WindowSpec& Spec() const override;
  std::span<const ui::ControlSpec> Controls() const override;
  std::vector<ui::Handler> Handlers() override;
  void Event_Activate() override;

 private:
  void ReadTemperature();

  void dataEntry_TextChange();
  void dataEntry1_TextChange();
  void calculate_Action();
  void Kelvin_Action();
  void Celsius_Action();
  void PushButton1_Action();
  void Clear_Action();
};
