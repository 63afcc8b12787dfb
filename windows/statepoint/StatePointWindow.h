// The common body of the single-state calculator windows (fugacity, the
// energy functions, heat capacities, speed of sound, Joule-Thomson
// coefficient, viscosity, dielectric constant).
//
// The user types a temperature (in K or ˚C) and, in one of two input modes,
// a pressure or a molar volume. The state step ("volume calculation" or
// "pressure calculation") completes the state with the equation of state:
// the window keeps it as the state its figures are computed for, and stores
// it whole as the program-wide state point (thermo::StatePoint). While the
// temperature is typed, a box shows the saturated liquid and vapour volumes
// at it. "clear" empties the entries and results and the state point.
//
// "calculate" answers only for the state the window shows. With both entries
// filled it uses the state the step completed from them, running the step
// first where it has not run since the last change. With both entries empty
// it takes the program-wide state point, a state completed in another
// window, and shows it in the entries, with the digits that read back as
// its own numbers, before it computes; a state the calculators' rule
// (thermo::StateRefusal) refuses gives the reason and no figure. Anything
// else (one entry, no mode) gets the warning and no figure. Any change of
// an entry, the mode or the temperature unit empties the results, and so
// does the state step, which completes the state anew (from a taken state
// it may find another phase); an answer whose inputs changed while its
// search let events run is dropped.
//
// Writing a member: a member is its layout, its result set and its hook,
// nothing else. In its .cpp:
//
//   constexpr ui::ControlLayout kOwn[] = {...};        // Definition, pictures (see
//                                                    // MemberLayout.h), result rows
//   constexpr const char* kResults[] = {"Result"};   // the result set, in order
//   constexpr StatePointLayout kLayout{
//       .window = {.className = CVWindow::ClassName, .title = "...",
//                  .width = 460, .height = 700, .placement = ui::Placement::Centred},
//       .offset = 20,                 // added to the Top of the skeleton block
//       .before = kOwn,               // created right after "clear"
//       .after = {},                  // created after the skeleton block
//       .results = kResults};
//   CVWindow::CVWindow() : StatePointWindow(kLayout) {}
//   void CVWindow::calculate_Action() {
//     const auto s = CheckedStatePoint();          // refuses an incomplete one
//     if (!s) return;
//     const thermo::Answer cv = thermo::IsochoricHeatCapacity(s->T, s->V);
//     if (!cv.HasFigure()) return ShowNoResults(cv.reason);
//     ShowResults({ui::Str(cv.value)});
//   }
//
// and in its header a class derived from StatePointWindow with
// `static constexpr const char* ClassName = "CVWindow.CVWindow";`, a
// constructor and `void calculate_Action() override;`. The chooser opens it
// with app::ShowShared<CVWindow>. A member with further controls that react
// (a J/mol - kJ/kg pair, say) lists their handlers in MemberHandlers().
//
// The skeleton's controls keep their names in every member: GroupBox1 with
// RadioButtonTP and RadioButtonTV (the mode), Temperature, dataEntryT,
// StaticText1, GroupBox2 with Kelvin and Celsius, Rectangle1 with sat1,
// satliq and satvap (the saturation box), Parameter, dataEntryPV, Unit0,
// Unitsup, Density1 (the given quantity), PushButton1 (the state step),
// Parameter1, ResultPV, Unit1, UnitSup1, Density2 (the computed quantity),
// calculate, warning (red), Line1, Clear.
//
// Where the state step finds no value (the volume search fails or ends on an
// unstable state, the equation declines the state, or the state it completes
// is one the calculators' rule refuses: below 260 K, below 15 cm3/mol, above
// 3000 MPa, below 1e-30 MPa, inside the two-phase region: mechanically
// unstable or between the liquid and the vapour spinodal) ResultPV shows a
// red "no result", the warning says why, and the missing variable of the
// state point is stored as 0, so "calculate" refuses rather than evaluate a
// state nobody entered. A step whose entries change while its search runs
// stores and shows nothing. While a state step's search runs, the state
// step, "clear" and "calculate" of every window on this skeleton are
// ignored: the search is completing the state point they read and write.
#pragma once

#include <QString>

#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <vector>

#include "thermo/Reason.h"
#include "thermo/StatePoint.h"
#include "ui/AnswerGuard.h"
#include "ui/Window.h"

// What a member gives the skeleton. The arrays it points to live as long
// as the program (constexpr tables at namespace scope).
struct StatePointLayout {
  ui::WindowLayout window;  // class name, title, size, placement
  int offset = 0;         // vertical offset of the skeleton block
  int clearLeft = 390, clearTop = 24;  // "clear", 50 x 20
  std::span<const ui::ControlLayout> before = {};  // the member's controls created right after "clear"
  std::span<const ui::ControlLayout> after = {};   // the member's controls created after the skeleton's
  std::span<const char* const> results = {};     // the result set: labels emptied with the results
};

class StatePointWindow : public ui::Window {
 public:
  // The state a hook computes its figures for: T (K), P (MPa), V (cm3/mol).
  using StatePoint = thermo::State;

 protected:
  explicit StatePointWindow(const StatePointLayout& layout);

  // The member's hook, run by "calculate".
  virtual void calculate_Action() = 0;
  // Handlers of the member's own controls, beside the skeleton's.
  virtual std::vector<ui::Handler> MemberHandlers() { return {}; }

  // The first step of every hook: the complete state the window shows (see
  // "calculate" above), or nothing, with the results emptied and, unless the
  // state step or the calculators' rule gave its own reason, the warning
  // "warning: put a number for temperature, molar volume, and pressure".
  std::optional<StatePoint> CheckedStatePoint();
  // Writes the texts into the labels of the result set, in its order, in
  // black, then empties the warning. The writers below write nothing when
  // the window's inputs changed since CheckedStatePoint: the figures are of
  // a state no longer shown.
  void ShowResults(std::initializer_list<QString> texts);
  // The figures of the result set, per mole (energies J/mol, entropy and heat
  // capacities J/(mol K)), shown per mole or per mass as the unit pair says;
  // a unit switch later converts these figures, not their rounded texts.
  void ShowFigures(std::initializer_list<double> perMole);
  // A red "no result" in that label (a property the equation does not give),
  // and the reason in the warning.
  void ShowNoResult(const char* label, thermo::Reason why);
  // A red "no result" in every label of the result set, and the reason in
  // the warning.
  void ShowNoResults(thermo::Reason why);

  // The unit pair `Jmol` / `kJkg` of members that show their figures per
  // mole or per mass. UnitPairHandlers lists the pair's handlers: each runs
  // `chosen` with perMass false (`Jmol`) or true (`kJkg`) when its radio
  // becomes the one that is on, so a click on the radio already on converts
  // nothing.
  std::vector<ui::Handler> UnitPairHandlers(std::function<void(bool perMass)> chosen);
  // True while `kJkg` is on.
  bool PerMass() const;
  // Shows the figures of the last ShowFigures in the unit just chosen:
  // per mass is per mole divided by the molar mass. Where there are none
  // (nothing computed, or "no result") the result set is emptied.
  void ConvertShownResults(bool perMass);

  const ui::WindowLayout& Layout() const override;
  std::span<const ui::ControlLayout> Controls() const override;
  std::vector<ui::Handler> Handlers() override;

 private:
  void EmptyResults();
  void SetResultPV(double value);  // a number in black, or a red "no result" for 0
  // The figures and texts written now belong to the inputs shown now.
  bool InputsUnchanged() const { return guard_.Current(calculatedFor_); }
  // An entry, the mode or the unit changed: the state the window completed
  // and the figures computed for it no longer belong to what it shows.
  void InputsChanged();
  // Both entries empty: the program-wide state point, when complete, shown
  // in the entries and taken as the window's own state. False where there
  // is none to take. True where one is shown, also where it is not taken:
  // the calculators' rule or the window's own step refused it (the warning
  // says why), or an input changed while the take let events run.
  bool TakeProgramStatePoint();

  void Clear_Action();
  void dataEntryPV_TextChange();
  void PushButton1_Action();
  void RadioButtonTP_Action();
  void RadioButtonTV_Action();
  // The labels of the given row, of the computed row, and the state step's
  // caption, for one mode.
  struct ModeTexts {
    const char *parameter, *unit, *unitSup, *density;
    const char *parameter1, *unit1, *unitSup1, *density2;
    const char* step;
  };
  void SwitchMode(const char* radio, const ModeTexts& texts);
  void dataEntryT_TextChange();
  void UnitChanged();

  const StatePointLayout& layout_;
  ui::WindowLayout window_;  // the member's, with the skeleton's focus order
  std::vector<ui::ControlLayout> controls_;

  // The state the state step completed from the entries shown, if any.
  std::optional<StatePoint> completed_;
  // The changes of the window's inputs; calculatedFor_ holds the inputs the
  // running or last "calculate" started from.
  ui::AnswerGuard guard_;
  ui::AnswerGuard::Ticket calculatedFor_;
  // No input changed while the latest temperature's saturation guide was
  // solved (the solve lets events run).
  bool guideUndisturbed_ = true;
  // The temperatures typed: the saturation box shows the guide of the
  // latest only (its solve lets events run).
  ui::AnswerGuard guide_;
  // The figures of the last ShowFigures, per mole; empty when none shown.
  std::vector<double> figures_;
};
