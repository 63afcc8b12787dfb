#include "tests/support/FileSizeLimit.h"
#include "tests/state/StateTest.h"

#include "windows/phase/LiquidVapourEq.h"
#include "windows/state/Isochore.h"
#include "windows/state/PressuresWindow.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <functional>

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

// The rows are min + i·step, the last one included when it is max to within
// rounding, and the list and the file hold the same rows: a running sum
// once lost the last row of 0.3 to 0.9 by 0.3, and the list of 0 to 1 by
// 0.1 ended at 0.9 while the file ended at 1.
TEST_F(IsochoreTest, ListAndFileHoldTheSameRowsForAwkwardSteps) {
  struct Case {
    const char *min, *max, *step;
    int rows;
    const char *first, *last;
  };
  const Case cases[] = {
      {"0.3", "0.9", "0.3", 3, "0.3", "0.9"},
      {"0", "1", "0.1", 11, "0", "1"},
      {"0", "1", "1e-3", 1001, "0", "1"},
      {"0", "0.95", "0.1", 10, "0", "0.9"},
      {"20", "25", "0.7", 8, "20", "24.9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.min) + " to " + c.max + " by " + c.step);
    Range(c.min, c.max, c.step);
    Press(w, "calculate");
    Press(w, "Export");
    ASSERT_EQ(Text(w, "filename0"), "data is available in:");
    const QStringList file = FileRows("18.txt");
    ASSERT_EQ(Rows(w), c.rows);
    ASSERT_EQ(file.size(), c.rows);
    EXPECT_EQ(Cell(w, 0, 0), c.first);
    EXPECT_EQ(Cell(w, c.rows - 1, 0), c.last);
    for (int row = 0; row < c.rows; ++row)
      ASSERT_EQ(Cell(w, row, 0) + ", " + Cell(w, row, 1), file[row]) << "row " << row;
  }
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

  // A minimum that is no number is marked ("12abc" gave a table from 0 ˚C),
  // and so is the mark itself at the export.
  for (const char* min : {"abc", "1,5", "12abc"}) {
    Range(min, "100", "10");
    Press(w, "calculate");
    Press(w, "Export");
    EXPECT_EQ(Text(w, "minimum") + "|" + QString::number(Rows(w)), "put number|0") << min;
    EXPECT_TRUE(FolderEntries().isEmpty()) << min;
  }
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

// The largest table the window exports: every row in the file, in order.
TEST_F(IsochoreTest, HundredThousandRowExport) {
  Range("0", "3124.96875", "0.03125");  // steps exact in binary: 100,000 rows
  Press(w, "Export");
  EXPECT_EQ(Text(w, "filename0"), "data is available in:");
  const QStringList rows = FileRows("18.txt");
  ASSERT_EQ(rows.size(), 100000);
  EXPECT_TRUE(rows.back().startsWith("3124.969, ")) << rows.back().toStdString();
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

// An export to a disk that fills up says so in the system's words and
// leaves the older file byte for byte: with no room at all, and with room
// that ends in the middle of the rows.
TEST_F(IsochoreTest, AnExportTheDiskCannotHoldLeavesTheOlderFile) {
  const QByteArray older = "H2O\nreference: Haar et al. (1984)\n\n18 cm3/mol\n1.000849 g/cm3\n";
  struct Case {
    rlim_t room;
    const char* max;
  };
  for (const Case c : {Case{0, "100"}, Case{4096, "1000"}}) {
    SCOPED_TRACE(c.room);
    QFile file("18.txt");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(older) == older.size());
    file.close();
    Range("0", c.max, "1");
    const std::string shown = guitest::WithFileSizeLimit(c.room, [this] {
      Press(w, "Export");
      return (Text(w, "filename0") + " " + Text(w, "filename1")).toStdString();
    });
    EXPECT_EQ(shown, "export failed: File too large");
    EXPECT_EQ(Contents("18.txt"), older);
    EXPECT_EQ(FolderEntries(), QStringList{"18.txt"});
  }
}

// A step that would give more than 100,000 rows stays as typed; the file
// labels say the limit, and there is no table and no file.
TEST_F(IsochoreTest, TooManyRowsKeepTheStepAndSayTheLimit) {
  Range("0", "99999", "1");  // 100,000 rows: the most accepted
  Press(w, "calculate");
  EXPECT_EQ(Text(w, "interval"), "1");
  EXPECT_EQ(Rows(w), 100000);
  EXPECT_EQ(Text(w, "filename0"), "");
  for (const char* button : {"calculate", "Export"}) {
    SCOPED_TRACE(button);
    Range("0", "100000", "1");  // 100,001 rows
    Press(w, button);
    EXPECT_EQ(Text(w, "minimum") + " " + Text(w, "maximum") + " " + Text(w, "interval"), "0 100000 1");
    EXPECT_EQ(Text(w, "filename0") + " " + Text(w, "filename1"),
              "over 100,000 rows: take a larger step");
    EXPECT_EQ(Rows(w), 0);
    EXPECT_TRUE(FolderEntries().isEmpty());
  }
  guitest::ExpectTextsFit(w);
  guitest::SaveScreenshot(w, "Isochore-too-many-rows");
}

TEST_F(IsochoreTest, StepTooSmallToMoveTheTemperatureIsRefused) {
  // 10,001 rows by count, but 1e-13 K beside 1273.15 K: rows that no one
  // could tell apart.
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

// The table, the file and its name are of the molar volume the window
// shows, taken when it was last activated: another window moving the state
// point on does not change them (they were of V 30 under the label
// 17.92899, in "30.txt"); an activation while the table is filled stops it,
// one during an export takes the file's line (it stood beside 30) with it.
// 17.92899 cm3/mol is 1004.813 kg/m3, published at 0 ˚C and 10 MPa.
TEST_F(IsochoreTest, RowsAndFileAreOfTheVolumeShown) {
  auto pressuresAt30 = [] {
    PressuresWindow* p = Open<PressuresWindow>();
    Enter(p, "dataEntry", "30");
    Enter(p, "dataEntry1", "1000");
    Press(p, "calculate");
    EXPECT_EQ(Shared().V, 30) << "the state point moved on";
  };
  const struct {
    const char* what;
    std::function<void()> elsewhere;
    const char* during;  // the button whose loop it comes in, or none
    const char* shown;
    const char* exported;
  } cases[] = {
      {"Pressures at V 30", pressuresAt30, "", "17.92899", "17.92899"},
      {"V 30 typed in Liquid-Vapour Equilibrium",
       [] { Enter(Open<LiquidVapourEq>(), "DataEntryV", "30"); }, "", "17.92899", "17.92899"},
      {"the same, then the isochore activated, during the table",
       [this, pressuresAt30] { pressuresAt30(); guitest::ShowAndWait(w); }, "calculate", "30", "30"},
      {"the same during the export",
       [this, pressuresAt30] { pressuresAt30(); guitest::ShowAndWait(w); }, "Export", "30", "17.92899"},
      {"V 30 typed in Liquid-Vapour Equilibrium, then Isochore calculation (it took 30)", [this] {
         Enter(Open<LiquidVapourEq>(), "DataEntryV", "30");
         Press(Open<PressuresWindow>(), "PushButton1");
         guitest::ShowAndWait(w);
       }, "", "17.92899", "17.92899"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    PressuresWindow* p = Open<PressuresWindow>();
    Enter(p, "dataEntry", "17.92899");
    Enter(p, "dataEntry1", "298.15");
    Press(p, "calculate");
    Press(p, "PushButton1");
    ASSERT_TRUE(guitest::ShowAndWait(w));
    Range("0", "20", "10");
    if (*c.during == '\0') c.elsewhere();
    if (QString(c.during) == "calculate") DoDuringNextLoop(c.elsewhere);
    Press(w, "calculate");  // the isochore not activated
    if (QString(c.during) == "Export") DoDuringNextLoop(c.elsewhere);
    Press(w, "Export");
    Globals::SetBackgroundTask(nullptr);
    ASSERT_EQ(Text(w, "ResultV"), c.shown);
    auto rows = [](const char* v) {
      QStringList out;
      for (const QString t : {"0", "10", "20"})
        out << t + ", " + ui::Str(Globals::Haar_Pressure(ui::Val(t) + Globals::CelsiusOffset, ui::Val(v)));
      return out;
    };
    QStringList shown;
    for (int k = 0; k < Rows(w); ++k) shown << Cell(w, k, 0) + ", " + Cell(w, k, 1);
    EXPECT_EQ(shown, *c.during != '\0' ? QStringList() : rows(c.shown));
    EXPECT_NEAR(ui::Val(Cell(w, 0, 1)), *c.during != '\0' ? 0 : 10, 0.05);
    const QString name = QString(c.exported) + ".txt";
    EXPECT_EQ(Text(w, "filename1"), QString(c.shown) == c.exported ? name : "");
    EXPECT_EQ(FileRows(name), rows(c.exported));
    ASSERT_TRUE(QFile::remove(name));
  }
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

TEST_F(IsochoreTest, ThousandRowsInTableAndFile) {
  Range("0", "999", "1");
  Press(w, "calculate");
  Press(w, "Export");
  EXPECT_EQ(Rows(w), 1000);
  EXPECT_EQ(FileRows("18.txt").size(), 1000);
}

// The table shows the rows of the range typed: a changed limit or step
// empties it, so an export of the new range never stands beside the table
// of the old one.
TEST_F(IsochoreTest, ChangingTheRangeEmptiesTheTable) {
  for (const char* field : {"minimum", "maximum", "interval"}) {
    Range("0", "10", "1");
    Press(w, "calculate");
    ASSERT_EQ(Rows(w), 11);
    Enter(w, field, "5");
    EXPECT_EQ(Rows(w), 0) << field;
  }
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
