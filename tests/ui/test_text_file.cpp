// Text files in the current folder: content, line ends, encoding, and a
// report for every step that fails.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <unistd.h>

#include "ui/TextFile.h"

namespace {

class TextFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    previous_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder_.path()));
  }
  void TearDown() override { QDir::setCurrent(previous_); }

  static QByteArray Contents(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) return "<missing>";
    return file.readAll();
  }

  QTemporaryDir folder_;
  QString previous_;
};

TEST_F(TextFileTest, CreatesInTheCurrentFolderWithUnixLineEnds) {
  ui::FolderItem item = ui::GetFolderItem("18.0684.txt");
  auto out = item.CreateTextFile();
  ASSERT_NE(out, nullptr) << item.Error().toStdString();
  EXPECT_TRUE(out->WriteLine("T (K)\tP (MPa)"));
  EXPECT_TRUE(out->WriteLine("298.15\t0.1"));
  EXPECT_TRUE(out->WriteLine(""));
  EXPECT_TRUE(out->Close());
  EXPECT_EQ(Contents(folder_.filePath("18.0684.txt")), QByteArray("T (K)\tP (MPa)\n298.15\t0.1\n\n"));
}

TEST_F(TextFileTest, CreateReplacesAnEarlierFile) {
  {
    auto out = ui::GetFolderItem("iso.txt").CreateTextFile();
    ASSERT_NE(out, nullptr);
    out->WriteLine("a long first version of the file");
    ASSERT_TRUE(out->Close());
  }
  {
    auto out = ui::GetFolderItem("iso.txt").CreateTextFile();
    ASSERT_NE(out, nullptr);
    out->WriteLine("new");
    ASSERT_TRUE(out->Close());
  }
  EXPECT_EQ(Contents("iso.txt"), QByteArray("new\n"));
}

TEST_F(TextFileTest, WritesTheWindowsAnsiCodePage) {
  auto out = ui::GetFolderItem("ansi.txt").CreateTextFile();
  ASSERT_NE(out, nullptr);
  // é is E9 in code page 1252, € is 80; ˚ (U+02DA) and 😀 are not in it.
  EXPECT_TRUE(out->WriteLine(QString::fromUtf8("é € ˚C 😀")));
  ASSERT_TRUE(out->Close());
  EXPECT_EQ(Contents("ansi.txt"), QByteArray("\xE9 \x80 ?C ?\n"));
}

TEST_F(TextFileTest, RefusesNamesThatAreNotBare) {
  for (const char* name : {"", ".", "..", "../escape.txt", "/tmp/abs.txt", "sub/x.txt"}) {
    ui::FolderItem item = ui::GetFolderItem(name);
    EXPECT_EQ(item.CreateTextFile(), nullptr) << name;
    EXPECT_FALSE(item.Error().isEmpty()) << name;
    EXPECT_EQ(item.ReplaceTextFile(), nullptr) << name;
  }
  EXPECT_FALSE(QFile::exists(QDir(folder_.path()).filePath("../escape.txt")));
}

TEST_F(TextFileTest, AFullDiskFailsTheWriteAndTheClose) {
  if (!QFile::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  ASSERT_TRUE(QFile::link("/dev/full", "full.txt"));
  ui::FolderItem item = ui::GetFolderItem("full.txt");
  auto out = item.CreateTextFile();
  ASSERT_NE(out, nullptr) << item.Error().toStdString();
  EXPECT_FALSE(out->WriteLine("298.15\t0.1"));
  EXPECT_TRUE(out->Error().contains("space", Qt::CaseInsensitive)) << out->Error().toStdString();
  EXPECT_FALSE(out->Close());
  EXPECT_FALSE(out->Close());  // a second close repeats the verdict
}

TEST_F(TextFileTest, AFolderWithoutWriteAccessFailsTheCreate) {
  // Root writes into any folder whatever its permissions, but not into /proc.
  const bool root = geteuid() == 0;
  if (root) {
    ASSERT_TRUE(QDir::setCurrent(QStringLiteral("/proc")));
  } else {
    ASSERT_TRUE(QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::ExeOwner));
  }
  ui::FolderItem item = ui::GetFolderItem("denied.txt");
  EXPECT_EQ(item.CreateTextFile(), nullptr);
  EXPECT_FALSE(item.Error().isEmpty());
  if (root) {
    QDir::setCurrent(folder_.path());
  } else {
    QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
}

TEST_F(TextFileTest, WritingAfterCloseFails) {
  auto out = ui::GetFolderItem("closed.txt").CreateTextFile();
  ASSERT_NE(out, nullptr);
  ASSERT_TRUE(out->Close());
  EXPECT_FALSE(out->WriteLine("late"));
  EXPECT_EQ(out->Error(), "file is closed");
  EXPECT_EQ(Contents("closed.txt"), QByteArray(""));
}

// A replacing file shows nothing under its name until Close(), leaves the
// earlier file as it was when dropped unclosed, and never writes through a
// link: neither one at the name itself (refused) nor one planted where a
// temporary file might go.
TEST_F(TextFileTest, ReplacingFileAppearsWhenClosedAndNeverThroughALink) {
  {
    auto out = ui::GetFolderItem("iso.txt").CreateTextFile();
    ASSERT_NE(out, nullptr);
    out->WriteLine("earlier");
    ASSERT_TRUE(out->Close());
  }
  {
    auto out = ui::GetFolderItem("iso.txt").ReplaceTextFile();
    ASSERT_NE(out, nullptr);
    EXPECT_TRUE(out->WriteLine("dropped"));
  }
  EXPECT_EQ(Contents("iso.txt"), QByteArray("earlier\n"));
  EXPECT_EQ(QDir::current().entryList(QDir::Files | QDir::Hidden), QStringList{"iso.txt"});

  QTemporaryDir elsewhere;
  const QString victim = elsewhere.filePath("victim.txt");
  QFile file(victim);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("keep\n") == 5 && file.flush());
  ASSERT_TRUE(QFile::link(victim, "iso.txt.part"));
  auto out = ui::GetFolderItem("iso.txt").ReplaceTextFile();
  ASSERT_NE(out, nullptr);
  EXPECT_TRUE(out->WriteLine("new"));
  EXPECT_TRUE(out->WriteLine(""));
  EXPECT_EQ(Contents("iso.txt"), QByteArray("earlier\n")) << "nothing shows before Close";
  EXPECT_TRUE(out->Close());
  EXPECT_EQ(Contents("iso.txt"), QByteArray("new\n\n"));
  EXPECT_EQ(Contents(victim), QByteArray("keep\n"));

  ASSERT_TRUE(QFile::link(victim, "18.txt"));
  ui::FolderItem linked = ui::GetFolderItem("18.txt");
  EXPECT_EQ(linked.ReplaceTextFile(), nullptr);
  EXPECT_EQ(linked.Error(), "is a link");
  EXPECT_EQ(Contents(victim), QByteArray("keep\n"));
}

}  // namespace
