// The picture catalogue: loading once, keeping, looking again for what is
// missing, releasing in ID order, and feeding the window layer.
#include <gtest/gtest.h>

#include <QPixmap>
#include <QTemporaryDir>

#include <vector>

#include "tests/support/GuiTest.h"
#include "tests/support/PictureFiles.h"
#include "catalogue/Pictures.h"

namespace {

class PicturesTest : public guitest::GuiTest {
 protected:
  void SetUp() override {
    guitest::GuiTest::SetUp();
    ASSERT_TRUE(dir.isValid());
    pictures::ReleaseAll();
    pictures::SetFolder(dir.path());
  }
  void TearDown() override {
    pictures::ReleaseAll();
    pictures::SetFolder(QString());
    guitest::GuiTest::TearDown();
  }
  QTemporaryDir dir;
};

TEST_F(PicturesTest, APictureIsLoadedOnceAndShared) {
  ASSERT_TRUE(guitest::WritePicture(dir.path(), pictures::Logo10, 368, 87));
  EXPECT_FALSE(pictures::Loaded(pictures::Logo10));
  const QPixmap* first = pictures::Logo10Picture();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->size(), QSize(368, 87));
  EXPECT_TRUE(pictures::Loaded(pictures::Logo10));
  // Kept: the same object again, even once the file is gone.
  ASSERT_TRUE(QFile::remove(dir.filePath("168.png")));
  EXPECT_EQ(pictures::Picture(pictures::Logo10), first);
  // Only what was asked for is loaded.
  for (int id = pictures::FirstId + 1; id <= pictures::LastId; ++id) EXPECT_FALSE(pictures::Loaded(id));
}

TEST_F(PicturesTest, AMissingPictureIsLookedForAgainAtTheNextNeed) {
  EXPECT_EQ(pictures::cvPicture(), nullptr);
  EXPECT_FALSE(pictures::Loaded(pictures::cv));
  EXPECT_EQ(pictures::cvPicture(), nullptr);
  ASSERT_TRUE(guitest::WritePicture(dir.path(), pictures::cv, 120, 40));
  const QPixmap* found = pictures::cvPicture();
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->size(), QSize(120, 40));
}

TEST_F(PicturesTest, AMissingFolderGivesNoPictureAndNoCrash) {
  const QString folder = dir.filePath("not-there-yet");
  pictures::SetFolder(folder);
  for (int id = pictures::FirstId; id <= pictures::LastId; ++id) {
    EXPECT_EQ(pictures::Picture(id), nullptr) << id;
    EXPECT_FALSE(pictures::Loaded(id)) << id;
  }
  // Once the folder appears the pictures are found.
  ASSERT_TRUE(guitest::WritePicture(folder, pictures::helmholtz, 383, 28));
  EXPECT_NE(pictures::helmholtzPicture(), nullptr);
}

TEST_F(PicturesTest, AnUnreadableFileIsTreatedAsMissing) {
  ASSERT_TRUE(guitest::WriteGarbage(dir.path(), pictures::sound));
  EXPECT_EQ(pictures::soundPicture(), nullptr);
  EXPECT_FALSE(pictures::Loaded(pictures::sound));
  ASSERT_TRUE(guitest::WritePicture(dir.path(), pictures::sound, 50, 20));
  EXPECT_NE(pictures::soundPicture(), nullptr);
}

TEST_F(PicturesTest, IdsOutsideTheCatalogueGiveNothing) {
  ASSERT_TRUE(guitest::WritePicture(dir.path(), 167, 10, 10));
  ASSERT_TRUE(guitest::WritePicture(dir.path(), 190, 10, 10));
  for (int id : {0, -1, 167, 190, 100000}) {
    EXPECT_EQ(pictures::Picture(id), nullptr) << id;
    EXPECT_FALSE(pictures::Loaded(id)) << id;
  }
}

TEST_F(PicturesTest, ReleaseGoesThroughEveryCacheInIdOrderAndEmptiesThem) {
  for (int id : {pictures::dielect, pictures::Logo10, pictures::gibbs})
    ASSERT_TRUE(guitest::WritePicture(dir.path(), id, 20, 10));
  ASSERT_NE(pictures::dielectPicture(), nullptr);
  ASSERT_NE(pictures::Logo10Picture(), nullptr);
  ASSERT_NE(pictures::gibbsPicture(), nullptr);

  std::vector<int> released;
  pictures::ReleaseAll([&](int id) { released.push_back(id); });
  std::vector<int> expected;
  for (int id = 168; id <= 189; ++id) expected.push_back(id);
  EXPECT_EQ(released, expected);
  for (int id = pictures::FirstId; id <= pictures::LastId; ++id) EXPECT_FALSE(pictures::Loaded(id));

  // A second release, with nothing loaded, is harmless.
  released.clear();
  pictures::ReleaseAll([&](int id) { released.push_back(id); });
  EXPECT_EQ(released, expected);
}

// A small window with one picture of each kind of picture control.
class PictureWindow : public ui::Window {
 public:
  static constexpr const char* ClassName = "PictureWindow.PictureWindow";

 protected:
  const ui::WindowLayout& Layout() const override {
    static const ui::WindowLayout layout{.className = ClassName, .title = "Pictures",
                                     .width = 200, .height = 120, .visible = false};
    return layout;
  }
  std::span<const ui::ControlLayout> Controls() const override {
    static const ui::ControlLayout controls[] = {
        {.kind = ui::Kind::Canvas, .name = "Canvas1", .left = 10, .top = 10, .width = 96,
         .height = 46, .picture = pictures::pressure},
        {.kind = ui::Kind::ImageWell, .name = "ImageWell1", .left = 10, .top = 60, .width = 40,
         .height = 40, .picture = pictures::Liquid2},
    };
    return controls;
  }
};

TEST_F(PicturesTest, InstalledCatalogueFeedsPictureControlsAndIsAskedAgainAtTheNextBuild) {
  pictures::Install();
  auto* window = ui::Shared<PictureWindow>();
  auto* canvas = guitest::Find<ui::Canvas>(window, "Canvas1");
  auto* well = guitest::Find<ui::ImageWell>(window, "ImageWell1");
  ASSERT_NE(canvas, nullptr);
  ASSERT_NE(well, nullptr);
  EXPECT_TRUE(canvas->Backdrop().isNull());  // no files yet: blank
  EXPECT_TRUE(well->Image().isNull());

  ASSERT_TRUE(guitest::WritePicture(dir.path(), pictures::pressure, 96, 46));
  ASSERT_TRUE(guitest::WritePicture(dir.path(), pictures::Liquid2, 40, 40));
  ui::ReleaseAllShared();
  window = ui::Shared<PictureWindow>();
  canvas = guitest::Find<ui::Canvas>(window, "Canvas1");
  well = guitest::Find<ui::ImageWell>(window, "ImageWell1");
  ASSERT_NE(canvas, nullptr);
  ASSERT_NE(well, nullptr);
  EXPECT_EQ(canvas->Backdrop().size(), QSize(96, 46));
  EXPECT_EQ(well->Image().size(), QSize(40, 40));
}

}  // namespace
