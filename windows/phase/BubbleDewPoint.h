// The homogenization window ("Bubble-Dew point"): for a homogenization
// temperature (K or ˚C) or pressure (MPa) and a mode, homogenization into
// the liquid or into the vapour, the other coordinate of the liquid-vapour
// curve with the molar volume, density and fugacity of both phases and the
// surface tension. The column of the phase the fluid homogenizes into is
// framed red.
#pragma once

#include "ui/AnswerGuard.h"
#include "ui/Window.h"

class BubbleDewPoint : public ui::Window {
 public:
  static constexpr const char* ClassName = "BubbleDewPoint.BubbleDewPoint";

 protected:
  const ui::WindowLayout& Layout() const override;
  std::span<const ui::ControlLayout> Controls() const override;
  std::vector<ui::Handler> Handlers() override;

 private:
  void SetBorders(ui::Rgb liquid, ui::Rgb vapour);
  // Empties the answer and everything shown of the two phases.
  void EmptyResults();
  void UnitChanged();
  void ShowTemperatureAnswer();
  void ModeChanged();

  void RadioButtonTh_Action();
  void dataEntry_TextChange();
  void RadioButtonPh_Action();
  void Clear_Action();
  void calculate_Action();
  void Vapour_Action();
  void Liquid_Action();
  void StaticText5_KeyDown();

  // Running while a calculation runs. Its changes are those of every input
  // (entry, given quantity, unit, mode): a calculation during which one
  // changed shows nothing.
  ui::AnswerGuard guard_;
  // The homogenization temperature shown for a given pressure, in K as
  // computed (0 while none is shown): a unit switch shows it anew from this,
  // not from its rounded text.
  double answerKelvin_ = 0.0;
};
