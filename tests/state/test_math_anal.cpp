#include "tests/state/StateTest.h"

#include "windows/state/ZeroFunctionListing.h"
#include "windows/state/VolumeWindow.h"

#include <cmath>

using namespace statetest;

namespace {

class MathAnalTest : public StateTest {
 protected:
  void SetUp() override {
    StateTest::SetUp();
    w = ui::Shared<MathAnal>();
    ASSERT_TRUE(guitest::ShowAndWait(w));
  }
  MathAnal* w = nullptr;
};

TEST_F(MathAnalTest, FiveHundredOneRowsOnAGeometricGrid) {
  Press(w, "calculate");
  ASSERT_EQ(Rows(w), 501);
  EXPECT_EQ(Cell(w, 0, 0), "16.16");
  EXPECT_NEAR(ui::Val(Cell(w, 500, 0)), 16 * std::pow(1.01, 501), 0.001);
  // Nothing typed anywhere: no temperature, so the equation gives no
  // pressure and no row a zero function.
  for (int row : {0, 250, 500}) EXPECT_EQ(Cell(w, row, 1), "no result");
  // A second press appends as many rows again; one made during it, while
  // the listing lets events run, is ignored.
  PressDuringNextLoop(w, {"calculate"});
  Press(w, "calculate");
  EXPECT_TRUE(PressesMade()) << "the listing let events run";
  ASSERT_EQ(Rows(w), 1002);
  EXPECT_EQ(Cell(w, 501, 0), "16.16");
}

// NBS/NRC Steam Tables: 298.15 K and 10 MPa, 1001.475 kg/m3, that is
// 17.98875 cm3/mol, between the grid's 12th (17.851) and 13th (18.030)
// volumes: the zero function changes sign there, from positive to negative.
TEST_F(MathAnalTest, SignChangeBracketsTheLiquidVolume) {
  auto* volume = ui::Shared<VolumeWindow>();
  ASSERT_TRUE(guitest::ShowAndWait(volume));
  Enter(volume, "dataEntryT", "298.15");
  Enter(volume, "dataEntryP", "10");
  Press(volume, "Analysis");
  ASSERT_TRUE(guitest::ShowAndWait(w));
  Press(w, "calculate");
  ASSERT_EQ(Rows(w), 501);
  EXPECT_LT(ui::Val(Cell(w, 10, 0)), kDensityFactor / 1001.475);
  EXPECT_GT(ui::Val(Cell(w, 11, 0)), kDensityFactor / 1001.475);
  EXPECT_GT(ui::Val(Cell(w, 10, 1)), 0);
  EXPECT_LT(ui::Val(Cell(w, 11, 1)), 0);
  guitest::SaveScreenshot(w, "MathAnal-listing");
  // With no pressure stored, column 1 shows the pressure itself.
  thermo::StatePoint::Set(298.15, 0, 0);
  ASSERT_TRUE(guitest::ShowAndWait(volume));
  ASSERT_TRUE(guitest::ShowAndWait(w));
  Press(w, "calculate");
  EXPECT_EQ(Cell(w, 0, 1), ui::Str(Globals::Haar_Pressure(298.15, 16.16)));
}

TEST_F(MathAnalTest, ActivationEmptiesTheList) {
  Press(w, "calculate");
  ASSERT_EQ(Rows(w), 501);
  ASSERT_TRUE(guitest::ShowAndWait(ui::Shared<VolumeWindow>()));
  ASSERT_TRUE(guitest::ShowAndWait(w));
  EXPECT_EQ(Rows(w), 0);
  EXPECT_EQ(Text(w, "StaticText1"), "Zero function = p(v,T,x) - Pressure\nvariable molar volume");
  guitest::ExpectTextsFit(w);
  EXPECT_EQ(Heading(w, 0), "Molar Volume");
  EXPECT_EQ(Heading(w, 1), "Zero-function");
}

}  // namespace
