// The liquid-vapour equilibrium window: for the bulk molar volume of a
// sample of water its homogenization temperature Th (the equation's own) and, at a temperature
// below Th, the pressure, molar volume and density of the coexisting liquid
// and vapour, the share of the bulk volume each fills, and the surface
// tension. Typing the volume makes the program-wide state point that volume
// alone, with no temperature or pressure.
#pragma once

#include "ui/AnswerGuard.h"
#include "ui/Window.h"

class LiquidVapourEq : public ui::Window {
 public:
  static constexpr const char* ClassName = "LiquidVapourEq.LiquidVapourEq";

 protected:
  const ui::WindowLayout& Layout() const override;
  std::span<const ui::ControlLayout> Controls() const override;
  std::vector<ui::Handler> Handlers() override;

 private:
  // Empties the pressure and everything shown of the two phases.
  void EmptyResults();

  void Clear_Action();
  void calculate_Action();
  void calTh_Action();
  void DataEntryV_TextChange();
  void DataEntryT_TextChange();
  void UnitChanged();

  double th_ = 0.0;    // the homogenization temperature of the volume typed, K; 0 for none
  bool thAsked_ = false;  // whether th_ was calculated for the volume typed
  // One guard per answer, each counting the changes of that answer's own
  // inputs: a calculation during which one of them changed shows nothing.
  // Th depends on the volume alone; the phases on every input (either
  // entry, the unit). While either calculation runs, neither starts again.
  ui::AnswerGuard thGuard_;
  ui::AnswerGuard guard_;
  bool Running() const { return thGuard_.Running() || guard_.Running(); }
};
