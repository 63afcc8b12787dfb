#include "windows/state/Isochore.h"

#include "thermo/BackgroundTask.h"
#include "thermo/Constants.h"
#include "thermo/StatePoint.h"
#include "thermo/StateSearch.h"
#include "thermo/StateValues.h"
#include "windows/state/ListingLayout.h"
#include "ui/BackgroundTask.h"
#include "ui/TextFile.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

using ui::ControlLayout;
using ui::Kind;

namespace {

// What "calculate" fills: the table of pressures.
constexpr const char* kFigures[] = {"ListBox1"};

constexpr ui::WindowLayout kWindow{
    .className = Isochore::ClassName,
    .title = "Isochore",
    .width = 300,
    .height = 511,
    .placement = ui::Placement::Default,
    .figures = kFigures,
};

constexpr ControlLayout kControls[] = {
    {.kind = Kind::Listbox, .name = "ListBox1", .left = 50, .top = 228, .width = 200, .height = 195,
     .font = {.size = 10}},
    {.kind = Kind::StaticText, .name = "StaticText1", .left = 20, .top = 90, .width = 110, .height = 18,
     .text = "min. temperature", .font = {.size = 12}, .multiline = true},
    {.kind = Kind::StaticText, .name = "StaticText2", .left = 240, .top = 140, .width = 45, .height = 18,
     .text = "degree", .font = {.size = 12}, .multiline = true},
    {.kind = Kind::StaticText, .name = "MolarVolume", .left = 20, .top = 20, .width = 100, .height = 20,
     .text = "Molar Volume", .font = {.size = 14}},
    {.kind = Kind::StaticText, .name = "StaticText3", .left = 220, .top = 20, .width = 65, .height = 20,
     .text = "cm /mol", .font = {.size = 14}},
    {.kind = Kind::StaticText, .name = "StaticText4", .left = 240, .top = 16, .width = 16, .height = 20,
     .text = "3", .font = {.size = 11}},
    {.kind = Kind::StaticText, .name = "ResultV", .left = 135, .top = 20, .width = 70, .height = 20,
     .text = "", .font = {.size = 0}},
    {.kind = Kind::StaticText, .name = "StaticText5", .left = 20, .top = 115, .width = 110, .height = 18,
     .text = "max. temperature", .font = {.size = 12}, .multiline = true},
    {.kind = Kind::StaticText, .name = "StaticText6", .left = 20, .top = 140, .width = 110, .height = 18,
     .text = "step temperature", .font = {.size = 12}, .multiline = true},
    {.kind = Kind::PushButton, .name = "calculate", .left = 100, .top = 178, .width = 100, .height = 30,
     .text = "calculate", .font = {.size = 16}, .isDefault = true},
    {.kind = Kind::EditField, .name = "minimum", .left = 150, .top = 90, .width = 80, .height = 18,
     .text = "", .font = {.size = 12}},
    {.kind = Kind::EditField, .name = "maximum", .left = 150, .top = 115, .width = 80, .height = 18,
     .text = "", .font = {.size = 12}},
    {.kind = Kind::EditField, .name = "interval", .left = 150, .top = 140, .width = 80, .height = 18,
     .text = "", .font = {.size = 12}},
    {.kind = Kind::StaticText, .name = "StaticText7", .left = 240, .top = 90, .width = 25, .height = 18,
     .text = "˚C", .font = {.size = 12}, .multiline = true},
    {.kind = Kind::StaticText, .name = "StaticText8", .left = 240, .top = 115, .width = 25, .height = 18,
     .text = "˚C", .font = {.size = 12}, .multiline = true},
    {.kind = Kind::StaticText, .name = "MolarVolume1", .left = 20, .top = 50, .width = 100, .height = 20,
     .text = "Density", .font = {.size = 14}},
    {.kind = Kind::StaticText, .name = "StaticText9", .left = 220, .top = 50, .width = 65, .height = 20,
     .text = "g/cm", .font = {.size = 14}},
    {.kind = Kind::StaticText, .name = "StaticText10", .left = 257, .top = 46, .width = 16, .height = 20,
     .text = "3", .font = {.size = 11}},
    {.kind = Kind::StaticText, .name = "ResultV1", .left = 135, .top = 50, .width = 70, .height = 20,
     .text = "", .font = {.size = 0}},
    {.kind = Kind::Rectangle, .name = "Rectangle1", .left = 20, .top = 440, .width = 260, .height = 50,
     .fillColor = ui::White, .topLeftColor = ui::Black, .bottomRightColor = ui::Black, .borderWidth = 1},
    {.kind = Kind::PushButton, .name = "Export", .left = 45, .top = 453, .width = 60, .height = 20,
     .text = "export", .font = {.size = 12}, .isDefault = false, .parent = "Rectangle1"},
    {.kind = Kind::StaticText, .name = "filename1", .left = 130, .top = 467, .width = 120, .height = 16,
     .text = "", .font = {.size = 12}, .multiline = true, .parent = "Rectangle1"},
    {.kind = Kind::StaticText, .name = "filename0", .left = 130, .top = 447, .width = 120, .height = 16,
     .text = "", .font = {.size = 12}, .multiline = true, .parent = "Rectangle1"},
};

const QString kPutNumber = QStringLiteral("put number");

// The text of a row whose pressure the Pressures window would not show.
const QString kNoResult = QStringLiteral("no result");

// The number an isochore entry stands for: an empty entry is 0, text that
// is no number ("abc", "1,5", "12abc", the mark "put number" itself) is
// none, so that it is marked rather than read as 0.
std::optional<double> EntryNumber(const QString& text) {
  return text.trimmed().isEmpty() ? 0.0 : ui::EnteredNumber(text);
}

// The number of rows from min to max by step: the temperatures are
// min + i·step for i = 0, 1, ..., each computed afresh rather than summed,
// up to the last one not above max or equal to it to within the rounding of
// that product and sum (0.3 + 2·0.3 lands a hair below or above 0.9).
double RowCount(double min, double max, double step) {
  const double rounding = 4 * std::numeric_limits<double>::epsilon() * (std::abs(min) + std::abs(max));
  return std::floor((max - min) / step + 1e-9 + rounding / step) + 1;
}

}  // namespace

const ui::WindowLayout& Isochore::Layout() const { return kWindow; }

std::span<const ControlLayout> Isochore::Controls() const { return kControls; }

std::vector<ui::Handler> Isochore::Handlers() {
  using ui::Event;
  return {
      {"calculate", Event::Action, [this] { calculate_Action(); }},
      {"Export", Event::Action, [this] { Export_Action(); }},
      {"minimum", Event::TextChange, [this] { RangeChanged(); }},
      {"maximum", Event::TextChange, [this] { RangeChanged(); }},
      {"interval", Event::TextChange, [this] { RangeChanged(); }},
  };
}

// The volume shown is taken afresh and the table emptied; a table being
// filled for the volume shown before stops, as for a changed range.
void Isochore::Event_Activate() {
  guard_.Changed();
  v_ = thermo::StatePoint::Get().V;
  Label("ResultV")->SetText(ui::Str(v_));
  Label("ResultV1")->SetText(ui::Str(thermo::DensityGcm3(v_)));
  Label("filename0")->SetText(QString());
  Label("filename1")->SetText(QString());
  listing_layout::ResetList(List("ListBox1"),
                            QStringLiteral("Temperature (˚C)"), QStringLiteral("Pressure (MPa)"));
}

// Three independent checks, each marking its own field, so every offending
// field is marked at once: text that is no number is marked as a figure out
// of range is, and is taken as 0 for the checks of the other fields. An
// empty minimum, like 0 ˚C itself, is an accepted minimum. The step must
// be positive and large enough to tell one temperature from the next (a
// billionth of the temperature in kelvin); a step that would give more than
// MaxRows rows stays as typed and the file labels say the limit.
bool Isochore::ReadAndCheck(Range& r) {
  const std::optional<double> min = EntryNumber(Field("minimum")->Text());
  const std::optional<double> max = EntryNumber(Field("maximum")->Text());
  r.min = min.value_or(0);
  r.max = max.value_or(0);
  r.step = EntryNumber(Field("interval")->Text()).value_or(0);  // 0 is no step
  bool valid = true;
  if (!min || r.min < 0) {
    Field("minimum")->SetText(kPutNumber);
    valid = false;
  }
  if (!max || !(r.max > r.min)) {
    Field("maximum")->SetText(kPutNumber);
    valid = false;
  }
  bool stepOk = r.step > 0;
  if (stepOk && r.max > r.min) {
    const double scale = std::max(std::abs(r.min), std::abs(r.max)) + thermo::CelsiusOffset;
    if (r.step < scale * 1e-9) stepOk = false;
  }
  if (!stepOk) {
    Field("interval")->SetText(kPutNumber);
    valid = false;
  }
  if (!valid) return false;
  r.rows = RowCount(r.min, r.max, r.step);
  if (r.rows > MaxRows) {
    Label("filename0")->SetText(QStringLiteral("over 100,000 rows:"));
    Label("filename1")->SetText(QStringLiteral("take a larger step"));
    return false;
  }
  return true;
}

// Below 15 cm3/mol the Pressures window computes no pressure (at 1 cm3/mol
// the equation gives -532071 MPa at 0 ˚C, and nonsense further down): no
// isochore either. The file labels say so.
bool Isochore::VolumeAccepted(double v) {
  if (v >= thermo::MinMolarVolume) return true;
  Label("filename0")->SetText(QStringLiteral("no isochore below"));
  Label("filename1")->SetText(QStringLiteral("15 cm3/mol"));
  return false;
}

void Isochore::calculate_Action() {
  if (guard_.Running()) return;
  const ui::AnswerGuard::Run run(guard_);

  Range r;
  ui::Listbox* list = List("ListBox1");
  list->DeleteAllRows();
  Label("filename1")->SetText(QString());
  Label("filename0")->SetText(QString());
  const double v = v_;
  if (ReadAndCheck(r) && VolumeAccepted(v)) {
    const ui::AnswerGuard::Ticket range = guard_.Take();
    ForEachRow(r, v, [&](double t, const QString& p) {
      // The equation lets events run: a range changed meanwhile, or the
      // window activated again, has emptied the table, and its rows are no
      // longer wanted.
      if (!guard_.Current(range)) return false;
      listing_layout::AddRow(list, t, p.isEmpty() ? kNoResult : p);
      return true;
    });
  }
}

// Each temperature in ˚C; 273.15 is added for the pressure.
bool Isochore::ForEachRow(const Range& r, double v,
                          const std::function<bool(double, const QString&)>& row) {
  for (double i = 0; i < r.rows; ++i) {
    const double t = r.min + i * r.step;
    const double p = thermo::PressureOfState(t + thermo::CelsiusOffset, v).value;
    if (!row(t, p != 0 ? ui::Str(p) : QString())) return false;
    thermo::RunBackgroundTask();
    if (ui::Quitting()) return false;
  }
  return true;
}

void Isochore::RangeChanged() {
  guard_.Changed();
  List("ListBox1")->DeleteAllRows();
}

void Isochore::Export_Action() {
  if (guard_.Running()) return;
  const ui::AnswerGuard::Run run(guard_);

  Range r;
  Label("filename0")->SetText(QString());
  Label("filename1")->SetText(QString());
  if (!ReadAndCheck(r)) return;
  const double v = v_;
  if (!VolumeAccepted(v)) return;
  const QString name = ui::Str(v) + QStringLiteral(".txt");
  QString error;
  const bool written = WriteIsochoreFile(r, v, name, error);
  // The export lets events run: where the window came to the front meanwhile
  // and took another volume, it emptied the file line with the table, and
  // this file's line would stand beside that volume. The export itself does
  // not stop for another volume: it writes every row of its own, so the file
  // is complete, or, where the program quits meanwhile (or a write fails),
  // it is abandoned and the folder left as it was.
  if (v_ != v) return;
  if (written) {
    Label("filename0")->SetText(QStringLiteral("data is available in:"));
    Label("filename1")->SetText(name);
  } else {
    Label("filename0")->SetText(QStringLiteral("export failed:"));
    Label("filename1")->SetText(error);
  }
}

// The file is written through one open stream to a temporary file that
// replaces the file of the final name only when every line has been
// written; on any failure, or a quit before the last row, the folder is
// left as it was. Rows without a pressure are left out.
bool Isochore::WriteIsochoreFile(const Range& r, double v, const QString& name, QString& error) {
  auto fail = [&error](const QString& why) {
    error = why.isEmpty() ? QStringLiteral("write error") : why;
    return false;
  };
  ui::FolderItem target = ui::GetFolderItem(name);
  std::unique_ptr<ui::TextOutputStream> out = target.ReplaceTextFile();
  if (!out) return fail(target.Error());

  const double rho = thermo::DensityGcm3(v);
  const QString header[] = {
      QStringLiteral("H2O"),
      QStringLiteral("reference: Haar et al. (1984)"),
      QString(),
      ui::Str(v) + QStringLiteral(" cm3/mol"),
      ui::Str(rho) + QStringLiteral(" g/cm3"),
      QString(),
      QStringLiteral("Temperature, Pressure"),
      QStringLiteral("(Celsius), (MPa)"),
  };
  for (const QString& line : header) {
    if (!out->WriteLine(line)) return fail(out->Error());
  }

  // The rows of the table, those without a pressure left out.
  bool written = true;
  const bool complete = ForEachRow(r, v, [&](double t, const QString& p) {
    if (p.isEmpty()) return true;
    written = out->WriteLine(ui::Str(t) + QStringLiteral(", ") + p);
    return written;
  });
  if (!written) return fail(out->Error());
  if (!complete) return fail(QStringLiteral("the program is quitting"));
  if (!out->Close()) return fail(out->Error());
  return true;
}
