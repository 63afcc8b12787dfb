#include "windows/state/MathAnalT.h"

#include "eos/Globals.h"
#include "thermo/StatePoint.h"
#include "ui/BusyScope.h"
#include "windows/state/ListingLayout.h"

namespace {

constexpr ui::WindowSpec kWindow = listing_layout::Window(MathAnalT::ClassName);

constexpr ui::ControlSpec kControls[] = {
    listing_layout::ListBox1,
    listing_layout::Calculate,
    listing_layout::Caption("Zero function = p(v,T,x) - Pressure\rvariable temperature"),
};

}  // namespace

const ui::WindowSpec& MathAnalT::Spec() const { return kWindow; }

std::span<const ui::ControlSpec> MathAnalT::Controls() const { return kControls; }

std::vector<ui::Handler> MathAnalT::Handlers() {
  return {{"calculate", ui::Event::Action, [this] { calculate_Action(); }}};
}

void MathAnalT::Event_Activate() {
  listing_layout::ResetList(List("ListBox1"),
                            QStringLiteral("Temperature"), QStringLiteral("Zero-function"));
}

// Appends 1001 rows, T = 273.16 K to 1273.16 K (the list is not emptied
// first), all for the molar volume and pressure of the state point as it is
// when "calculate" is pressed.
void MathAnalT::calculate_Action() {
  if (busy_) return;
  ui::BusyScope scope(busy_);
  ui::Listbox* list = List("ListBox1");
  const thermo::State s = thermo::StatePoint::Get();
  double T = Globals::TriplePointTemp - 1;
  for (int k = 0; k <= 1000; ++k) {
    T = T + 1;
    const double z = Globals::Haar_Pressure(T, s.V) - s.P;
    listing_layout::AddRow(list, T, z);
    Globals::RuntimeBackgroundTask();
  }
}
