// The Molar Volume window: molar volume from temperature and pressure.
//
// The user types a pressure (MPa) and a temperature (K or ˚C), chooses the
// start of the volume search (its first approach: "automatic", or "manual"
// with a typed start volume) and presses "calculate"; the window shows the
// molar volume (cm3/mol) and the density (g/cm3). It writes the temperature
// and pressure it reads to the state point (Globals::TempKelvin,
// Globals::PresMPa), where its listing MathAnal finds them, and never the
// molar volume it computes.
#pragma once

#include "ui/Window.h"

class VolumeWindow : public ui::Window {
 public:
  static constexpr const char* ClassName = "VolumeWindow.VolumeWindow";

 protected:
  const ui::WindowSpec& Spec() const override;
  std::span<const ui::ControlSpec> Controls() const override;
  std::vector<ui::Handler> Handlers() override;
  void Event_Activate() override;

 private:
  double ReadTemperature();
  // `Result` in that colour.
  void ShowResult(const QString& text, ui::Rgb color);

  void dataEntryP_TextChange();
  void dataEntryT_TextChange();
  void Clear_Action();
  void Kelvin_Action();
  void Celsius_Action();
  void Choice0_Action();
  void Choice1_Action();
  void dataEntryV_TextChange();
  void Analysis_Action();
  void calculate_Action();
};
