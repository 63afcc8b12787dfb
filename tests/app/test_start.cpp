// The start window: its contents, its menu bar, its pictures and "continue".
#include <gtest/gtest.h>

#include <QMenuBar>
#include <QTemporaryDir>

#include "tests/support/GuiTest.h"
#include "tests/support/PictureFiles.h"
#include "app/MenuBar1.h"
#include "app/Selection.h"
#include "app/Start.h"
#include "catalogue/Pictures.h"

namespace {

using app::Start;

class StartTest : public guitest::GuiTest {
 protected:
  void SetUp() override {
    guitest::GuiTest::SetUp();
    ASSERT_TRUE(dir.isValid());
    pictures::ReleaseAll();
    pictures::SetFolder(dir.path());
    pictures::Install();
  }
  void TearDown() override {
    guitest::GuiTest::TearDown();
    app::MenuBar1::Release();
    pictures::ReleaseAll();
    pictures::SetFolder(QString());
  }
  QTemporaryDir dir;
};

// On a small screen it is cut to the screen, the focus in view, and the bar stays on top.
TEST_F(StartTest, ShowsItselfWhenBuiltWithTheSharedMenuBarAboveItsContent) {
  Start* small = guitest::SharedOnSmallScreen<Start>();
  ASSERT_TRUE(guitest::ShowAndWait(small));
  ASSERT_NE(small->MenuBar(), nullptr);
  guitest::Settle();  // cut once its frame is known
  guitest::ExpectCutInHeightToTheSmallScreen(small);
  for (QWidget* shown : {static_cast<QWidget*>(small->MenuBar()), guitest::FindControl(small, "continue1")})
    EXPECT_EQ(shown->visibleRegion(), QRegion(shown->rect())) << shown->objectName().toStdString();
  ui::ReleaseAllShared();
  Start* start = ui::Shared<Start>();
  ASSERT_NE(start, nullptr);
  EXPECT_EQ(ui::Shared<Start>(), start);
  EXPECT_TRUE(start->isVisible());
  EXPECT_EQ(start->windowTitle(), "Start");

  QMenuBar* bar = start->MenuBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar, app::MenuBar1::Existing());
  EXPECT_TRUE(bar->isVisible());
  const int h = bar->height();
  EXPECT_GT(h, 10);
  EXPECT_EQ(bar->geometry(), QRect(0, 0, 540, h));
  // The content keeps the size and the coordinates of its layout on the
  // page, and the page sits right below the bar, not scrolled: every
  // control lies in the window where it lies on the page, moved down by
  // the bar.
  EXPECT_EQ(start->size(), QSize(540, 480 + h));
  auto at = [&](const char* name) { return guitest::FindControl(start, name)->geometry(); };
  EXPECT_EQ(at("continue1"), QRect(445, 435, 75, 25));
  EXPECT_EQ(at("ImageWell1"), QRect(1, 2, 368, 87));
  EXPECT_EQ(at("Canvas1"), QRect(75, 330, 383, 28));
  EXPECT_EQ(at("StaticText6"), QRect(400, 0, 135, 35));
  for (const QWidget* control : start->AllControls())
    EXPECT_EQ(control->mapTo(start, QPoint()), control->pos() + QPoint(0, h))
        << start->NameOf(control).toStdString() << " not right below the bar";
}

TEST_F(StartTest, ControlsInListOrderWithTheirTexts) {
  Start* start = ui::Shared<Start>();
  std::vector<QString> names;
  for (QWidget* control : start->AllControls()) names.push_back(start->NameOf(control));
  const std::vector<QString> expected = {"StaticText3", "StaticText5", "Line1",        "ImageWell1",
                                         "continue1",   "StaticText2", "StaticText8", "StaticText9",
                                         "StaticText10", "StaticText11", "Canvas1",   "StaticText6"};
  EXPECT_EQ(names, expected);

  auto text = [&](const char* name) { return guitest::LabelText(guitest::FindControl(start, name)); };
  EXPECT_EQ(text("StaticText3"), "Tarvo HGK");
  EXPECT_EQ(text("StaticText2"), "Software Package Vorsel, v.2");
  EXPECT_EQ(text("StaticText8"),
            "L. Haar, J.S. Gallagher, G.S. Kell (1984) NBS/NRC Steam Tables. Hemisphere "
            "Publishing Corporation, Washington DC.");
  EXPECT_EQ(text("StaticText9"), "Fluid system: pure H2O");
  EXPECT_EQ(text("StaticText10"), "Unified Helmholtz Energy Function:");
  // The limits: two lines, the degree sign U+02DA.
  EXPECT_EQ(text("StaticText11"),
            QString::fromUtf8("Limits:\n0 - 1000 \u02DAC (extended 260 - 2500 K), maximum 1500 MPa "
                              "(extended to 3000 MPa)"));
  // Our two informational labels: one line with the version, two lines on the purpose.
  EXPECT_TRUE(text("StaticText5").startsWith("version ")) << text("StaticText5").toStdString();
  EXPECT_FALSE(text("StaticText5").contains('\n'));
  EXPECT_EQ(text("StaticText6").count('\n'), 1);

  auto* button = guitest::Find<ui::PushButton>(start, "continue1");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), "continue");
  EXPECT_TRUE(button->isDefault());

  EXPECT_EQ(guitest::LabelSize(guitest::FindControl(start, "StaticText3")), 24);
  EXPECT_EQ(guitest::LabelSize(guitest::FindControl(start, "StaticText2")), 18);
  auto* title = guitest::Find<QLabel>(start, "StaticText2");
  auto* note = guitest::Find<QLabel>(start, "StaticText6");
  ASSERT_NE(title, nullptr);
  ASSERT_NE(note, nullptr);
  EXPECT_TRUE(title->alignment() & Qt::AlignHCenter);
  EXPECT_TRUE(note->alignment() & Qt::AlignRight);
}

TEST_F(StartTest, LoadsExactlyTheBannerAndTheHelmholtzFunction) {
  ASSERT_TRUE(guitest::WritePicture(dir.path(), pictures::Logo10, 368, 87));
  ASSERT_TRUE(guitest::WritePicture(dir.path(), pictures::helmholtz, 383, 28));
  ASSERT_TRUE(guitest::WritePicture(dir.path(), pictures::pressure, 96, 46));
  Start* start = ui::Shared<Start>();
  auto* well = guitest::Find<ui::ImageWell>(start, "ImageWell1");
  auto* canvas = guitest::Find<ui::Canvas>(start, "Canvas1");
  ASSERT_NE(well, nullptr);
  ASSERT_NE(canvas, nullptr);
  EXPECT_EQ(well->Image().size(), QSize(368, 87));
  EXPECT_EQ(canvas->Backdrop().size(), QSize(383, 28));
  for (int id = pictures::FirstId; id <= pictures::LastId; ++id)
    EXPECT_EQ(pictures::Loaded(id), id == pictures::Logo10 || id == pictures::helmholtz) << id;
}

TEST_F(StartTest, ContinueShowsOneSelectionWindowEachTime) {
  Start* start = ui::Shared<Start>();
  ASSERT_TRUE(guitest::ShowAndWait(start));
  EXPECT_EQ(ui::FindShared(app::Selection::ClassName), nullptr);
  guitest::Click(guitest::FindControl(start, "continue1"));
  ui::Window* selection = ui::FindShared(app::Selection::ClassName);
  ASSERT_NE(selection, nullptr);
  EXPECT_TRUE(selection->isVisible());
  EXPECT_TRUE(start->isVisible());  // the start window stays open

  guitest::Click(guitest::FindControl(start, "continue1"));
  EXPECT_EQ(ui::FindShared(app::Selection::ClassName), selection);
  EXPECT_EQ(guitest::VisibleWindows().size(), 2u);
}

TEST_F(StartTest, ReturnPressesContinue) {
  Start* start = ui::Shared<Start>();
  ASSERT_TRUE(guitest::ShowAndWait(start));
  guitest::PressReturn(guitest::FindControl(start, "continue1"));
  ui::Window* selection = ui::FindShared(app::Selection::ClassName);
  ASSERT_NE(selection, nullptr);
  EXPECT_TRUE(selection->isVisible());
}

TEST_F(StartTest, ClosingStartLeavesTheChooserUsable) {
  Start* start = ui::Shared<Start>();
  ASSERT_TRUE(guitest::ShowAndWait(start));
  guitest::Click(guitest::FindControl(start, "continue1"));
  auto* selection = ui::FindShared(app::Selection::ClassName);
  ASSERT_NE(selection, nullptr);
  start->close();
  guitest::Settle();
  EXPECT_FALSE(start->isVisible());
  EXPECT_TRUE(selection->isVisible());
  auto* radio = guitest::Find<ui::RadioButton>(selection, "Pressures");
  ASSERT_NE(radio, nullptr);
  guitest::ClickAt(selection, radio->geometry().topLeft() + QPoint(20, radio->height() / 2));
  EXPECT_TRUE(radio->Value());
}

TEST_F(StartTest, EveryTextFitsItsRectangle) {
  Start* start = ui::Shared<Start>();
  ASSERT_TRUE(guitest::ShowAndWait(start));
  guitest::ExpectTextsFit(start);
}

TEST(StartScreenshot, WithTheProgramsPictures) {
  // The picture files beside the test program, when there are any.
  ui::ReleaseAllShared();
  pictures::ReleaseAll();
  pictures::SetFolder(QString());
  pictures::Install();
  Start* start = ui::Shared<Start>();
  ASSERT_TRUE(guitest::ShowAndWait(start));
  guitest::SaveScreenshot(start, "Start");
  ui::ReleaseAllShared();
  app::MenuBar1::Release();
  pictures::ReleaseAll();
}

}  // namespace
