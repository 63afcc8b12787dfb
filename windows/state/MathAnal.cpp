#include "windows/state/MathAnal.h"

#include "eos/Globals.h"
#include "thermo/StatePoint.h"
#include "ui/BusyScope.h"
#include "windows/state/ListingLayout.h"

namespace {

constexpr ui::WindowSpec kWindow = listing_layout::Window(MathAnal::ClassName);

constexpr ui::ControlSpec kControls[] = {
    listing_layout::ListBox1,
    listing_layout::Calculate,
    listing_layout::Caption("Zero function = p(v,T,x) - Pressure\rvariable molar volume"),
};

}  // namespace

const ui::WindowSpec& MathAnal::Spec() const { return kWindow; }

std::span<const ui::ControlSpec> MathAnal::Controls() const { return kControls; }

std::vector<ui::Handler> MathAnal::Handlers() {
  return {{"calculate", ui::Event::Action, [this] { calculate_Action(); }}};
}

void MathAnal::Event_Activate() {
  listing_layout::ResetList(List("ListBox1"),
                            QStringLiteral("Molar Volume"), QStringLiteral("Zero-function"));
}

// Appends 501 rows (the list is not emptied first), all for the state point
// as it is when "calculate" is pressed: a state stored meanwhile does not
// change the rows that follow.
void MathAnal::calculate_Action() {
  if (busy_) return;
  ui::BusyScope scope(busy_);
  ui::Listbox* list = List("ListBox1");
  const thermo::State s = thermo::StatePoint::Get();
  double V = 16;
  for (int k = 0; k <= 500; ++k) {
    V = V * 1.01;
    const double p = Globals::Haar_Pressure(s.T, V);
    const double z = p - s.P;
    listing_layout::AddRow(list, V, z);
    Globals::RuntimeBackgroundTask();
  }
}
