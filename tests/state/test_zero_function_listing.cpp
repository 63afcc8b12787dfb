// The two zero-function listings, one window class in two configurations:
// their grids, the sign change that brackets a published root, and the
// emptying on activation, one table row per listing.
#include "tests/state/StateTest.h"

#include "windows/state/TemperatureWindow.h"
#include "windows/state/VolumeWindow.h"
#include "windows/state/ZeroFunctionListing.h"

#include <cmath>
#include <ostream>

using namespace statetest;

namespace {

struct Entry {
  const char* field;
  double value;
};

struct Listing {
  const char* what;
  ui::Window* (*listing)();  // the shared listing window
  ui::Window* (*opener)();   // the state window whose "Analysis" opens it
  int rows;
  const char* first;         // the variable in the first row, as shown
  double last;               // the variable in the last row
  double lastTolerance;      // absolute
  Entry entries[2];          // typed into the opener for the sign change
  double root;               // the published root of the zero function
  int before;                // the row just below the root
  double signBefore;         // the sign of the zero function in that row
  const char* screenshot;    // nullptr: none
  const char* caption;       // the text above the list
  const char* heading;       // of the first column
};

void PrintTo(const Listing& l, std::ostream* os) { *os << l.what; }

template <class W>
ui::Window* SharedWindow() {
  return ui::Shared<W>();
}

const Listing kListings[] = {
    // 501 molar volumes on a geometric grid from 16.16 cm3/mol. NBS/NRC Steam
    // Tables: 298.15 K and 10 MPa, 1001.475 kg/m3, that is 17.98875 cm3/mol,
    // between the grid's 11th (17.851) and 12th (18.029) volumes: the zero
    // function changes sign there, from positive to negative.
    {"Volume", &SharedWindow<MathAnal>, &SharedWindow<VolumeWindow>, 501, "16.16", 16 * std::pow(1.01, 501),
     0.001, {{"dataEntryT", 298.15}, {"dataEntryP", 10}}, kDensityFactor / 1001.475, 10, +1, "MathAnal-listing",
     "Zero function = p(v,T,x) - Pressure\nvariable molar volume", "Molar Volume"},
    // 1001 temperatures one kelvin apart from 273.16 K, the last shown
    // exactly. NBS/NRC Steam Tables: 871.032 kg/m3 at 10 MPa is 473.15 K,
    // between the rows 472.16 K and 473.16 K, where the zero function turns
    // positive.
    {"Temperature", &SharedWindow<MathAnalT>, &SharedWindow<TemperatureWindow>, 1001, "273.16", 1273.16, 0.0,
     {{"dataEntry", kDensityFactor / 871.032}, {"dataEntry1", 10}}, 473.15, 199, -1, nullptr,
     "Zero function = p(v,T,x) - Pressure\nvariable temperature", "Temperature"},
};

class ZeroFunctionListingTest : public StateTest, public ::testing::WithParamInterface<Listing> {
 protected:
  void SetUp() override {
    StateTest::SetUp();
    w = GetParam().listing();
    ASSERT_TRUE(guitest::ShowAndWait(w));
  }
  ui::Window* w = nullptr;
};

TEST_P(ZeroFunctionListingTest, RowsOnItsGrid) {
  const Listing& c = GetParam();
  Press(w, "calculate");
  ASSERT_EQ(Rows(w), c.rows);
  EXPECT_EQ(Cell(w, 0, 0), c.first);
  EXPECT_NEAR(ui::Val(Cell(w, c.rows - 1, 0)), c.last, c.lastTolerance);
  // Nothing typed anywhere: the state point gives the equation nothing to
  // work with, so no row has a pressure or a zero function.
  for (int row : {0, c.rows / 2, c.rows - 1}) EXPECT_EQ(Cell(w, row, 1), "no result");
  // A second press appends as many rows again; one made during it, while
  // the listing lets events run, is ignored.
  PressDuringNextLoop(w, {"calculate"});
  Press(w, "calculate");
  EXPECT_TRUE(PressesMade()) << "the listing let events run";
  ASSERT_EQ(Rows(w), 2 * c.rows);
  EXPECT_EQ(Cell(w, c.rows, 0), c.first);
}

TEST_P(ZeroFunctionListingTest, SignChangeBracketsThePublishedRoot) {
  const Listing& c = GetParam();
  ui::Window* opener = c.opener();
  ASSERT_TRUE(guitest::ShowAndWait(opener));
  for (const Entry& e : c.entries) Enter(opener, e.field, ui::Str(e.value));
  // Calculated there, then another state stored: still the entries' listing.
  for (const char* button : {"Choice0", "calculate"}) Press(opener, button);
  thermo::StatePoint::Set(500, 102.8289, 20);
  Press(opener, "Analysis");
  ASSERT_TRUE(guitest::ShowAndWait(w));
  Press(w, "calculate");
  ASSERT_EQ(Rows(w), c.rows);
  EXPECT_LT(ui::Val(Cell(w, c.before, 0)), c.root);
  EXPECT_GT(ui::Val(Cell(w, c.before + 1, 0)), c.root);
  EXPECT_GT(c.signBefore * ui::Val(Cell(w, c.before, 1)), 0);
  EXPECT_LT(c.signBefore * ui::Val(Cell(w, c.before + 1, 1)), 0);
  if (c.screenshot != nullptr) guitest::SaveScreenshot(w, c.screenshot);
}

TEST_P(ZeroFunctionListingTest, ActivationEmptiesTheList) {
  const Listing& c = GetParam();
  Press(w, "calculate");
  ASSERT_EQ(Rows(w), c.rows);
  ASSERT_TRUE(guitest::ShowAndWait(c.opener()));
  ASSERT_TRUE(guitest::ShowAndWait(w));
  EXPECT_EQ(Rows(w), 0);
  EXPECT_EQ(Text(w, "StaticText1"), c.caption);
  guitest::ExpectTextsFit(w);
  EXPECT_EQ(Heading(w, 0), c.heading);
  EXPECT_EQ(Heading(w, 1), "Zero-function");
}

INSTANTIATE_TEST_SUITE_P(Listings, ZeroFunctionListingTest, ::testing::ValuesIn(kListings),
                         [](const auto& info) { return std::string(info.param.what); });

// With no pressure stored, the volume listing's second column shows the
// pressure itself.
using VolumeListingTest = StateTest;

TEST_F(VolumeListingTest, NoPressureStoredShowsThePressure) {
  auto* volume = ui::Shared<VolumeWindow>();
  auto* w = ui::Shared<MathAnal>();
  ASSERT_TRUE(guitest::ShowAndWait(volume));
  thermo::StatePoint::Set(298.15, 0, 0);
  ASSERT_TRUE(guitest::ShowAndWait(volume));
  ASSERT_TRUE(guitest::ShowAndWait(w));
  Press(w, "calculate");
  EXPECT_EQ(Cell(w, 0, 1), ui::Str(Globals::Haar_Pressure(298.15, 16.16)));
}

}  // namespace
