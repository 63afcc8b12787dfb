// The temperature zero-function listing "Mathematical Analysis": for the
// molar volume and pressure of the state point it lists
// Haar_Pressure(T, V) - P at 1001 temperatures 1 K apart from 273.16 K to
// 1273.16 K. A change of sign between two rows brackets a temperature the
// search can find, so the user can choose a manual start.
#pragma once

#include "ui/Window.h"

class MathAnalT : public ui::Window {
 public:
  static constexpr const char* ClassName = "MathAnalT.MathAnalT";

 protected:
  const ui::WindowSpec& Spec() const override;
  std::span<const ui::ControlSpec> Controls() const override;
  std::vector<ui::Handler> Handlers() override;
  void Event_Activate() override;

 private:
  void calculate_Action();

  // True while a listing runs: it lets events run between rows, and a
  // second press of "calculate" then is ignored.
  bool busy_ = false;
};
