// The isochore window: pressure against temperature at the molar volume of
// the program-wide state point (thermo::StatePoint) as it was when the
// window was last activated, the volume it shows, as a table on "calculate"
// and as the isochore data file on "export".
//
// The isochore data file, "<Str of the volume>.txt" in the current folder,
// ASCII with Unix line endings:
//   H2O
//   reference: Haar et al. (1984)
//   (empty)
//   <v> cm3/mol
//   <18.01528 / v, or 0> g/cm3
//   (empty)
//   Temperature, Pressure
//   (Celsius), (MPa)
//   <t>, <p>            one row per temperature, t in ˚C, p in MPa
// The table and the file have the same temperatures, min + i·step up to
// max (max itself included when the steps reach it). Rows where the Pressures window shows no result (above the equation's
// temperature window) are left out. The file is written under a temporary
// name and renamed when complete, so a failed export never leaves a partial
// file under the final name; a quit (File > Quit, a termination signal)
// during an export abandons it the same way. Below 15 cm3/mol there is no
// table and no file.
#pragma once

#include "ui/AnswerGuard.h"
#include "ui/Window.h"

#include <QString>

#include <functional>

class Isochore : public ui::Window {
 public:
  static constexpr const char* ClassName = "Isochore.Isochore";
  // The most rows a table or a file may have; for more the file labels say
  // so and the step stays as typed.
  static constexpr double MaxRows = 100000;

 protected:
  const ui::WindowLayout& Layout() const override;
  std::span<const ui::ControlLayout> Controls() const override;
  std::vector<ui::Handler> Handlers() override;
  void Event_Activate() override;

 private:
  struct Range {
    double min = 0, max = 0, step = 0;
    double rows = 0;  // temperatures min + i·step, i = 0 .. rows - 1
  };
  // Reads the three fields and marks each field that fails its check, text
  // that is no number among them, with "put number", then counts the rows;
  // true when none failed and the rows are within MaxRows.
  bool ReadAndCheck(Range& range);
  // Whether the molar volume has an isochore; says so in the file labels
  // when it has none.
  bool VolumeAccepted(double v);
  // The rows of the isochore of v over the range, the one source of the
  // table's rows and the file's: in order, each temperature (˚C) with its
  // pressure (MPa) as text, empty where the equation gives none, goes to
  // `row`, which returns false to stop there. The equation, and this after
  // each row, let events run; a quit asked for meanwhile stops the rows
  // too. True when every row went to `row`.
  static bool ForEachRow(const Range& range, double v,
                         const std::function<bool(double t, const QString& p)>& row);
  // Writes the file; on failure returns false with the reason in `error`.
  bool WriteIsochoreFile(const Range& range, double v, const QString& name, QString& error);

  void calculate_Action();
  void Export_Action();
  // A typed range changed: the table shows the rows of another range, so
  // it is emptied, also while it is being filled.
  void RangeChanged();

  // The molar volume the window shows, taken from the state point when the
  // window was last activated: the table, the file and its name are of
  // this volume, whatever another window has made the state point since.
  // An export still running when another volume is taken writes its file
  // but no longer shows its line.
  double v_ = 0;
  // Running while a table or an export is being produced: the loops let
  // events run, and a second press of either button then is ignored. Its
  // changes are those of the typed range, and activations: a table being
  // filled stops when its range or the volume it is of changes.
  ui::AnswerGuard guard_;
};
