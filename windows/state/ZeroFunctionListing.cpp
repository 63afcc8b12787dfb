#include "windows/state/ZeroFunctionListing.h"

#include "thermo/BackgroundTask.h"
#include "thermo/Constants.h"
#include "thermo/StateSearch.h"
#include "windows/state/ListingLayout.h"

namespace {

// The molar volume: 16 cm3/mol times 1.01 at each row.
constexpr ZeroFunctionVariable kMolarVolume{
    .className = MathAnal::ClassName,
    .caption = "Zero function = p(v,T,x) - Pressure\rvariable molar volume",
    .heading = "Molar Volume",
    .first = 16,
    .next = [](double V) { return V * 1.01; },
    .rows = 501,
    .zero = [](const thermo::State& s, double V) { return thermo::ZeroFunction(s.T, V, s.P); },
};

// The temperature: from the triple point up, one kelvin apart.
constexpr ZeroFunctionVariable kTemperature{
    .className = MathAnalT::ClassName,
    .caption = "Zero function = p(v,T,x) - Pressure\rvariable temperature",
    .heading = "Temperature",
    .first = thermo::TriplePointTemperature - 1,
    .next = [](double T) { return T + 1; },
    .rows = 1001,
    .zero = [](const thermo::State& s, double T) { return thermo::ZeroFunction(T, s.V, s.P); },
};

}  // namespace

MathAnal::MathAnal() : ZeroFunctionListing(kMolarVolume) {}
MathAnalT::MathAnalT() : ZeroFunctionListing(kTemperature) {}

ZeroFunctionListing::ZeroFunctionListing(const ZeroFunctionVariable& variable)
    : variable_(variable),
      window_(listing_layout::Window(variable.className)),
      controls_{listing_layout::ListBox1, listing_layout::Calculate,
                listing_layout::Caption(variable.caption)} {}

const ui::WindowLayout& ZeroFunctionListing::Layout() const { return window_; }

std::span<const ui::ControlLayout> ZeroFunctionListing::Controls() const { return controls_; }

std::vector<ui::Handler> ZeroFunctionListing::Handlers() {
  return {{"calculate", ui::Event::Action, [this] { calculate_Action(); }}};
}

void ZeroFunctionListing::Event_Activate() {
  listing_layout::ResetList(List("ListBox1"), QString::fromUtf8(variable_.heading),
                            QStringLiteral("Zero-function"));
}

// Appends the rows (the list is not emptied first), all for the state point
// as it is when "calculate" is pressed: a state stored meanwhile does not
// change the rows that follow.
void ZeroFunctionListing::calculate_Action() {
  if (guard_.Running()) return;
  const ui::AnswerGuard::Run run(guard_);
  ui::Listbox* list = List("ListBox1");
  const thermo::State s = thermo::StatePoint::Get();
  double x = variable_.first;
  for (int k = 0; k < variable_.rows; ++k) {
    x = variable_.next(x);
    const std::optional<double> zero = variable_.zero(s, x);
    listing_layout::AddRow(list, x, zero ? ui::Str(*zero) : QStringLiteral("no result"));
    thermo::RunBackgroundTask();
  }
}
