// The zero-function listings "Mathematical Analysis": for the state point
// as it is when "calculate" is pressed, the equation's pressure less P
// (thermo::ZeroFunction) along one variable, one row per value. A change of
// sign between two rows brackets a root the search can find, so the user
// can choose a manual start. Where the equation gives no pressure (outside
// its temperature window, below its covolume, or with no temperature or
// volume in the state point) the row says "no result".
//
// One window class in two configurations: MathAnal, opened by the Molar
// Volume window, varies the molar volume (501 values from 16.16 cm3/mol
// upwards, each 1.01 times the one before); MathAnalT, opened by the
// Temperatures window, varies the temperature (1001 values, 273.16 K to
// 1273.16 K, one kelvin apart).
#pragma once

#include <array>
#include <optional>

#include "thermo/StatePoint.h"
#include "ui/AnswerGuard.h"
#include "ui/Window.h"

// What tells one listing from the other.
struct ZeroFunctionVariable {
  const char* className;
  const char* caption;  // the caption's text, its second line naming the variable
  const char* heading;  // the heading of the variable's column
  double first;         // the value before the first row
  double (*next)(double x);                         // the next row's value
  int rows;
  std::optional<double> (*zero)(const thermo::State& s, double x);  // the zero function at x
};

class ZeroFunctionListing : public ui::Window {
 protected:
  explicit ZeroFunctionListing(const ZeroFunctionVariable& variable);

  const ui::WindowLayout& Layout() const override;
  std::span<const ui::ControlLayout> Controls() const override;
  std::vector<ui::Handler> Handlers() override;
  void Event_Activate() override;

 private:
  void calculate_Action();

  const ZeroFunctionVariable& variable_;
  ui::WindowLayout window_;
  std::array<ui::ControlLayout, 3> controls_;
  // Running while a listing runs: it lets events run between rows, and a
  // second press of "calculate" then is ignored.
  ui::AnswerGuard guard_;
};

class MathAnal : public ZeroFunctionListing {
 public:
  static constexpr const char* ClassName = "MathAnal.MathAnal";
  MathAnal();
};

class MathAnalT : public ZeroFunctionListing {
 public:
  static constexpr const char* ClassName = "MathAnalT.MathAnalT";
  MathAnalT();
};
