#include "tests/state/StateTest.h"

#include "windows/state/ZeroFunctionListing.h"
#include "windows/state/TemperatureWindow.h"

using namespace statetest;

namespace {

class MathAnalTTest : public StateTest {
 protected:
  void SetUp() override {
    StateTest::SetUp();
    w = ui::Shared<MathAnalT>();
    ASSERT_TRUE(guitest::ShowAndWait(w));
  }
  MathAnalT* w = nullptr;
};

TEST_F(MathAnalTTest, ThousandOneRowsOneKelvinApart) {
  Press(w, "calculate");
  ASSERT_EQ(Rows(w), 1001);
  EXPECT_EQ(Cell(w, 0, 0), "273.16");
  EXPECT_EQ(Cell(w, 1000, 0), "1273.16");
  // Nothing typed anywhere: no molar volume, so no pressure and no zero
  // function in any row.
  for (int row : {0, 500, 1000}) EXPECT_EQ(Cell(w, row, 1), "no result");
  // A second press appends as many rows again; one made during it, while
  // the listing lets events run, is ignored.
  PressDuringNextLoop(w, {"calculate"});
  Press(w, "calculate");
  EXPECT_TRUE(PressesMade()) << "the listing let events run";
  ASSERT_EQ(Rows(w), 2002);
}

// NBS/NRC Steam Tables: 871.032 kg/m3 at 10 MPa is 473.15 K, between the
// rows 472.16 K and 473.16 K, where the zero function turns positive.
TEST_F(MathAnalTTest, SignChangeBracketsTheTemperature) {
  auto* temperatures = ui::Shared<TemperatureWindow>();
  ASSERT_TRUE(guitest::ShowAndWait(temperatures));
  Enter(temperatures, "dataEntry", ui::Str(kDensityFactor / 871.032));
  Enter(temperatures, "dataEntry1", "10");
  Press(temperatures, "Analysis");
  ASSERT_TRUE(guitest::ShowAndWait(w));
  Press(w, "calculate");
  ASSERT_EQ(Rows(w), 1001);
  EXPECT_EQ(Cell(w, 199, 0), "472.16");
  EXPECT_LT(ui::Val(Cell(w, 199, 1)), 0);
  EXPECT_GT(ui::Val(Cell(w, 200, 1)), 0);
}

TEST_F(MathAnalTTest, ActivationEmptiesTheList) {
  Press(w, "calculate");
  ASSERT_EQ(Rows(w), 1001);
  ASSERT_TRUE(guitest::ShowAndWait(ui::Shared<TemperatureWindow>()));
  ASSERT_TRUE(guitest::ShowAndWait(w));
  EXPECT_EQ(Rows(w), 0);
  EXPECT_EQ(Text(w, "StaticText1"), "Zero function = p(v,T,x) - Pressure\nvariable temperature");
  guitest::ExpectTextsFit(w);
  EXPECT_EQ(Heading(w, 0), "Temperature");
}

}  // namespace
