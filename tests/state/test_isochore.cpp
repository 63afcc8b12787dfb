#include "StateTest.h"

#include "windows/state/Isochore.h"
#include "windows/state/PressuresWindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <unistd.h>

using namespace statetest;

namespace {

// Each test runs in a folder of its own: the export writes into the
// current folder.
class IsochoreTest : public StateTest {
 protected:
  void SetUp() override {
    StateTest::SetUp();
    ASSERT_TRUE(folder.isValid());
    previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    thermo::StatePoint::Set(0, 0, 18);
    w = ui::Shared<Isochore>();
    ASSERT_TRUE(guitest::ShowAndWait(w));
  }
  void TearDown() override {
    QDir::setCurrent(previous);
    StateTest::TearDown();
  }
  void Range(const char* min, const char* max, const char* step) {
    Enter(w, "minimum", min);
    Enter(w, "maximum", max);
    Enter(w, "interval", step);
  }
  static QByteArray Contents(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  static QStringList FileRows(const QString& name) {
    QList<QByteArray> lines = Contents(name).split('\n');
    QStringList rows;
    for (qsizetype i = 8; i < lines.size(); ++i)
      if (!lines[i].isEmpty()) rows << QString::fromLatin1(lines[i]);
    return rows;
  }
  static QStringList FolderEntries() {
    return QDir::current().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
  }

  QTemporaryDir folder;
  QString previous;
  Isochore* w = nullptr;
};

TEST_F(IsochoreTest, TenDegreeStepsGiveElevenRowsInListAndFile) {
  Range("0", "100", "10");
  Press(w, "calculate");
  ASSERT_EQ(Rows(w), 11);
  for (int k = 0; k <= 10; ++k) EXPECT_EQ(Cell(w, k, 0), QString::number(10 * k));
  Press(w, "Export");
  EXPECT_EQ(Text(w, "filename0"), "data is available in:");
  EXPECT_EQ(Text(w, "filename1"), "18.txt");
  guitest::SaveScreenshot(w, "Isochore-export");
  const QStringList rows = FileRows("18.txt");
  ASSERT_EQ(rows.size(), 11);
  EXPECT_TRUE(rows.front().startsWith("0, "));
  EXPECT_TRUE(rows.back().startsWith("100, "));
  // The export leaves the table alone; "calculate" empties the file labels.
  EXPECT_EQ(Rows(w), 11);
  Press(w, "calculate");
  EXPECT_EQ(Text(w, "filename0"), "");
  EXPECT_EQ(Text(w, "filename1"), "");
}

TEST_F(IsochoreTest, ListAndFileStepTheirTemperaturesDifferently) {
  // The list adds the step to a kelvin value, the file to a Celsius value:
  // from 0 to 1 by 0.1 the list ends at 0.9 ˚C, the file at 1 ˚C.
  Range("0", "1", "0.1");
  Press(w, "calculate");
  ASSERT_EQ(Rows(w), 10);
  EXPECT_EQ(Cell(w, 0, 0), "0");
  EXPECT_EQ(Cell(w, 9, 0), "0.9");
  Press(w, "Export");
  const QStringList rows = FileRows("18.txt");
  ASSERT_EQ(rows.size(), 11);
  EXPECT_TRUE(rows.back().startsWith("1, "));
}

TEST_F(IsochoreTest, EachFailedCheckMarksItsOwnField) {
  Range("-10", "100", "10");
  Press(w, "calculate");
  EXPECT_EQ(Text(w, "minimum"), "put number");
  EXPECT_EQ(Text(w, "maximum"), "100");
  EXPECT_EQ(Text(w, "interval"), "10");
  EXPECT_EQ(Rows(w), 0);

  Range("5", "5", "10");
  Press(w, "Export");
  EXPECT_EQ(Text(w, "minimum"), "5");
  EXPECT_EQ(Text(w, "maximum"), "put number");
  EXPECT_EQ(Text(w, "interval"), "10");

  Range("0", "100", "0");
  Press(w, "calculate");
  EXPECT_EQ(Text(w, "minimum"), "0");
  EXPECT_EQ(Text(w, "maximum"), "100");
  EXPECT_EQ(Text(w, "interval"), "put number");

  // All three at once, and nothing written.
  Range("-10", "-20", "-1");
  Press(w, "Export");
  EXPECT_EQ(Text(w, "minimum"), "put number");
  EXPECT_EQ(Text(w, "maximum"), "put number");
  EXPECT_EQ(Text(w, "interval"), "put number");
  EXPECT_EQ(Text(w, "filename0"), "");
  EXPECT_TRUE(FolderEntries().isEmpty());

  // An empty minimum is 0 ˚C; an empty maximum and step are refused.
  Range("", "", "");
  Press(w, "calculate");
  EXPECT_EQ(Text(w, "minimum"), "");
  EXPECT_EQ(Text(w, "maximum"), "put number");
  EXPECT_EQ(Text(w, "interval"), "put number");
}

TEST_F(IsochoreTest, FileBytesForEighteenCubicCentimetres) {
  Range("0", "20", "10");
  Press(w, "Export");
  ASSERT_EQ(Text(w, "filename1"), "18.txt");
  QByteArray expected =
      "H2O\n"
      "reference: Haar et al. (1984)\n"
      "\n"
      "18 cm3/mol\n"
      "1.000849 g/cm3\n"
      "\n"
      "Temperature, Pressure\n"
      "(Celsius), (MPa)\n";
  for (int t : {0, 10, 20})
    expected += QByteArray::number(t) + ", " +
                ui::Str(Globals::Haar_Pressure(t + Globals::CelsiusOffset, 18)).toLatin1() + "\n";
  EXPECT_EQ(Contents("18.txt"), expected);
  EXPECT_EQ(FolderEntries(), QStringList{"18.txt"});
}

// Below 15 cm3/mol, where the Pressures window computes nothing, there is
// no isochore: at 1 cm3/mol the table showed -532071.4 MPa at 0 ˚C and the
// export wrote it as a normal file. Both buttons refuse, say why, and
// compute and write nothing. A volume not above 0, or so small that its
// density overflows, shows no density.
TEST_F(IsochoreTest, NoIsochoreBelowFifteenCubicCentimetres) {
  auto withVolume = [this](double v) {
    thermo::StatePoint::Set(0, 0, v);
    ASSERT_TRUE(guitest::ShowAndWait(ui::Shared<PressuresWindow>()));
    ASSERT_TRUE(guitest::ShowAndWait(w));
  };
  for (double v : {0.0, 1.0, 1e-300, 1e-310, 14.99, -18.0}) {
    SCOPED_TRACE(v);
    withVolume(v);
    EXPECT_EQ(Text(w, "ResultV1") == "0", !(v > 0) || v == 1e-310);
    Range("0", "20", "10");
    Press(w, "calculate");
    EXPECT_EQ(Rows(w), 0);
    EXPECT_EQ(Text(w, "filename0"), "no isochore below");
    EXPECT_EQ(Text(w, "filename1"), "15 cm3/mol");
    Press(w, "Export");
    EXPECT_EQ(Text(w, "filename0"), "no isochore below");
    EXPECT_TRUE(FolderEntries().isEmpty());
  }
  guitest::ExpectTextsFit(w);
  guitest::SaveScreenshot(w, "Isochore-below-15");
  // The field checks still mark their fields.
  Range("0", "0", "10");
  Press(w, "calculate");
  EXPECT_EQ(Text(w, "maximum"), "put number");
  // 15 cm3/mol itself has its isochore.
  withVolume(15);
  Range("0", "20", "10");
  Press(w, "calculate");
  EXPECT_EQ(Rows(w), 3);
  Press(w, "Export");
  EXPECT_EQ(FileRows("15.txt").size(), 3);
}

// Above the equation's temperature window (5344.8 K, 5071.7 ˚C) it gives no
// pressure: the table shows "no result" there, as the Pressures window
// does, and the file leaves those rows out instead of writing 0.
TEST_F(IsochoreTest, RowsWithoutAPressureAreNoResultAndLeftOutOfTheFile) {
  Range("5000", "5200", "50");
  Press(w, "calculate");
  ASSERT_EQ(Rows(w), 5);
  EXPECT_EQ(Cell(w, 0, 0), "5000");
  EXPECT_GT(ui::Val(Cell(w, 1, 1)), 0);
  for (int row : {2, 3, 4}) EXPECT_EQ(Cell(w, row, 1), "no result") << row;
  guitest::SaveScreenshot(w, "Isochore-no-result-rows");
  Press(w, "Export");
  const QStringList rows = FileRows("18.txt");
  ASSERT_EQ(rows.size(), 2);
  EXPECT_TRUE(rows[0].startsWith("5000, "));
  EXPECT_TRUE(rows[1].startsWith("5050, "));
}

TEST_F(IsochoreTest, SecondExportReplacesTheFile) {
  Range("0", "100", "10");
  Press(w, "Export");
  ASSERT_EQ(FileRows("18.txt").size(), 11);
  Range("0", "20", "10");
  Press(w, "Export");
  EXPECT_EQ(FileRows("18.txt").size(), 3);
  EXPECT_EQ(FolderEntries(), QStringList{"18.txt"});
}

// The export goes through one open temporary file, created exclusively,
// that replaces the file only when complete: a link planted where the
// temporary file used to be ("18.txt.part") is never written through (a
// link at the file's own name is the text files' test); a failed export
// leaves nothing behind.
TEST_F(IsochoreTest, ExportIsNeverRedirectedAndFailsCleanly) {
  QTemporaryDir elsewhere;
  const QString victim = elsewhere.filePath("victim.txt");
  QFile file(victim);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("keep\n") == 5 && file.flush());
  ASSERT_TRUE(QFile::link(victim, "18.txt.part"));
  Range("0", "10", "10");
  Press(w, "Export");
  EXPECT_EQ(Text(w, "filename0"), "data is available in:");
  EXPECT_EQ(FileRows("18.txt").size(), 2);
  EXPECT_EQ(Contents(victim), "keep\n");

  // A folder takes the final name: the rows are written, the last step
  // fails, and the temporary file is removed.
  ASSERT_TRUE(QFile::remove("18.txt"));
  ASSERT_TRUE(QFile::remove("18.txt.part"));
  ASSERT_TRUE(QDir::current().mkdir("18.txt"));
  Press(w, "Export");
  EXPECT_EQ(Text(w, "filename0"), "export failed:");
  EXPECT_FALSE(Text(w, "filename1").isEmpty());
  EXPECT_EQ(FolderEntries(), QStringList{"18.txt"});
}

// Each row used to reopen the file: 100,000 rows took 1.3 to 1.6 s.
TEST_F(IsochoreTest, HundredThousandRowExportUnderASecond) {
  Range("0", "3124.96875", "0.03125");  // steps exact in binary: 100,000 rows
  QElapsedTimer timer;
  timer.start();
  Press(w, "Export");
  const qint64 elapsed = timer.elapsed();
  EXPECT_EQ(Text(w, "filename0"), "data is available in:");
  EXPECT_EQ(FileRows("18.txt").size(), 100000);
  EXPECT_LT(elapsed, 1000) << "about 0.2 s on an idle machine";
}

TEST_F(IsochoreTest, ExportIntoAReadOnlyFolderFails) {
  // The superuser writes into any folder whatever its permissions, but not
  // into /proc: there the export fails for everyone.
  const bool superuser = geteuid() == 0;
  if (superuser) {
    ASSERT_TRUE(QDir::setCurrent(QStringLiteral("/proc")));
  } else {
    QFile::setPermissions(QDir::currentPath(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  }
  Range("0", "100", "10");
  Press(w, "Export");
  if (superuser) {
    EXPECT_FALSE(QFile::exists(QStringLiteral("/proc/18.txt")));
    QDir::setCurrent(folder.path());
  } else {
    QFile::setPermissions(QDir::currentPath(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  }
  EXPECT_EQ(Text(w, "filename0"), "export failed:");
  EXPECT_FALSE(Text(w, "filename1").isEmpty());
  EXPECT_TRUE(FolderEntries().isEmpty());
}

TEST_F(IsochoreTest, TooManyRowsMarkTheStep) {
  Range("0", "99999", "1");  // 100,000 rows: the most accepted
  Press(w, "calculate");
  EXPECT_EQ(Text(w, "interval"), "1");
  EXPECT_EQ(Rows(w), 100000);
  Range("0", "100000", "1");  // 100,001 rows
  Press(w, "calculate");
  EXPECT_EQ(Text(w, "interval"), "put number");
  EXPECT_EQ(Text(w, "minimum"), "0");
  EXPECT_EQ(Text(w, "maximum"), "100000");
  EXPECT_EQ(Rows(w), 0);
  Enter(w, "interval", "1");
  Press(w, "Export");
  EXPECT_EQ(Text(w, "interval"), "put number");
  EXPECT_TRUE(FolderEntries().isEmpty());
}

TEST_F(IsochoreTest, StepTooSmallToMoveTheTemperatureIsRefused) {
  // 10,001 rows by count, but 1e-13 K added to 1273.15 K changes nothing:
  // the loop would never pass the maximum.
  Range("1000", "1000.000000001", "1e-13");
  Press(w, "calculate");
  EXPECT_EQ(Text(w, "interval"), "put number");
  EXPECT_EQ(Rows(w), 0);
}

TEST_F(IsochoreTest, ActivationEmptiesTableAndFileLabels) {
  Range("0", "100", "10");
  Press(w, "calculate");
  Press(w, "Export");
  ASSERT_EQ(Rows(w), 11);
  EXPECT_EQ(Text(w, "ResultV"), "18");
  EXPECT_EQ(Text(w, "ResultV1"), "1.000849");
  thermo::StatePoint::Set(0, 0, 20);
  ASSERT_TRUE(guitest::ShowAndWait(ui::Shared<PressuresWindow>()));
  ASSERT_TRUE(guitest::ShowAndWait(w));
  EXPECT_EQ(Rows(w), 0);
  EXPECT_EQ(Heading(w, 0), "Temperature (˚C)");
  EXPECT_EQ(Heading(w, 1), "Pressure (MPa)");
  EXPECT_EQ(Text(w, "filename0"), "");
  EXPECT_EQ(Text(w, "filename1"), "");
  EXPECT_EQ(Text(w, "ResultV"), "20");
  EXPECT_EQ(Text(w, "minimum"), "0");
  guitest::ExpectTextsFit(w);
}

// Presses of both buttons made while a loop lets events run are ignored.
TEST_F(IsochoreTest, PressesDuringATableOrAnExportAreIgnored) {
  Range("0", "100", "10");
  PressDuringNextLoop(w, {"calculate", "Export"});
  Press(w, "calculate");
  EXPECT_TRUE(PressesMade()) << "the loop let events run";
  EXPECT_EQ(Rows(w), 11);
  EXPECT_TRUE(FolderEntries().isEmpty());

  ASSERT_TRUE(guitest::ShowAndWait(ui::Shared<PressuresWindow>()));
  ASSERT_TRUE(guitest::ShowAndWait(w));
  PressDuringNextLoop(w, {"calculate", "Export"});
  Press(w, "Export");
  EXPECT_TRUE(PressesMade());
  EXPECT_EQ(FileRows("18.txt").size(), 11);
  EXPECT_EQ(Rows(w), 0);
  EXPECT_EQ(Text(w, "filename0"), "data is available in:");
}

TEST_F(IsochoreTest, ThousandRowsWellUnderASecond) {
  Range("0", "999", "1");
  QElapsedTimer timer;
  timer.start();
  Press(w, "calculate");
  const qint64 table = timer.restart();
  Press(w, "Export");
  const qint64 file = timer.elapsed();
  EXPECT_EQ(Rows(w), 1000);
  EXPECT_EQ(FileRows("18.txt").size(), 1000);
  EXPECT_LT(table, 500);
  EXPECT_LT(file, 500);
}

// Clicking a pressure cell or pressing an arrow key used to scroll the table
// sideways, with no scroll bar to undo it: the temperatures then lost their
// first digits ("10" showed as "0"). Both columns fit the visible width and
// the table stays put, with few rows and with a vertical scroll bar.
TEST_F(IsochoreTest, TheTableNeverScrollsSideways) {
  auto* list = guitest::Find<ui::Listbox>(w, "ListBox1");
  ASSERT_NE(list, nullptr);
  for (const char* max : {"40", "999.86"}) {
    Range("0", max, "10");
    Press(w, "calculate");
    SCOPED_TRACE(max);
    EXPECT_LE(list->header()->length(), list->viewport()->width());
    for (int row : {1, 4}) {
      QTreeWidgetItem* item = list->topLevelItem(row);
      ASSERT_NE(item, nullptr);
      const QRect cell = list->visualItemRect(item);
      const QPoint inPressure(list->header()->sectionPosition(1) + 5, cell.center().y());
      guitest::ClickAt(w, list->viewport()->mapTo(w, inPressure));
      QTest::keyClick(list, Qt::Key_Right);
      guitest::Settle();
      EXPECT_EQ(list->horizontalScrollBar()->value(), 0) << "row " << row;
    }
  }
  guitest::SaveScreenshot(w, "Isochore-clicked-cell");
}

}  // namespace
