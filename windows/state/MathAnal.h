// The volume zero-function listing "Mathematical Analysis": for the
// temperature and pressure of the state point it lists
// Haar_Pressure(T, V) - P at 501 molar volumes from 16.16 cm3/mol upwards,
// each 1.01 times the one before. A change of sign between two rows brackets
// a molar volume the search can find, so the user can choose a manual start.
#pragma once

#include "ui/Window.h"

class MathAnal : public ui::Window {
 public:
  static constexpr const char* ClassName = "MathAnal.MathAnal";

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
