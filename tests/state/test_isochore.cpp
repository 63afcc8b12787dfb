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
    Globals::MolarVol = 18;
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

// With no molar volume stored the density is 0, not a division by 0, and
// every pressure is 0; the file is named after the volume as it is.
TEST_F(IsochoreTest, ExportWithoutAMolarVolume) {
  Globals::MolarVol = 0;
  ASSERT_TRUE(guitest::ShowAndWait(ui::Shared<PressuresWindow>()));
  ASSERT_TRUE(guitest::ShowAndWait(w));
  EXPECT_EQ(Text(w, "ResultV"), "0");
  EXPECT_EQ(Text(w, "ResultV1"), "0");
  Range("0", "20", "10");
  Press(w, "Export");
  ASSERT_EQ(Text(w, "filename1"), "0.txt");
  EXPECT_EQ(Contents("0.txt"),
            "H2O\n"
            "reference: Haar et al. (1984)\n"
            "\n"
            "0 cm3/mol\n"
            "0 g/cm3\n"
            "\n"
            "Temperature, Pressure\n"
            "(Celsius), (MPa)\n"
            "0, 0\n"
            "10, 0\n"
            "20, 0\n");

  // A volume so small that its density overflows has no density either.
  Globals::MolarVol = 1e-310;
  ASSERT_TRUE(guitest::ShowAndWait(ui::Shared<PressuresWindow>()));
  ASSERT_TRUE(guitest::ShowAndWait(w));
  EXPECT_EQ(Text(w, "ResultV1"), "0");
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

TEST_F(IsochoreTest, FailedExportLeavesNoPartialFileAndKeepsTheEarlierOne) {
  Range("0", "10", "10");
  Press(w, "Export");
  const QByteArray earlier = Contents("18.txt");
  ASSERT_FALSE(earlier.isEmpty());
  // A folder takes the working file's name: nothing can be created.
  ASSERT_TRUE(QDir::current().mkdir("18.txt.part"));
  Range("0", "100", "10");
  Press(w, "Export");
  EXPECT_EQ(Text(w, "filename0"), "export failed:");
  EXPECT_EQ(Contents("18.txt"), earlier);
  EXPECT_TRUE(QFileInfo("18.txt.part").isDir()) << "a folder it did not create is left alone";
  // A folder takes the final name: the rows are written, the last step
  // fails, and the partial file is removed.
  ASSERT_TRUE(QDir::current().rmdir("18.txt.part"));
  ASSERT_TRUE(QFile::remove("18.txt"));
  ASSERT_TRUE(QDir::current().mkdir("18.txt"));
  Press(w, "Export");
  EXPECT_EQ(Text(w, "filename0"), "export failed:");
  EXPECT_FALSE(Text(w, "filename1").isEmpty());
  EXPECT_EQ(FolderEntries(), QStringList{"18.txt"});
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
  Globals::MolarVol = 20;
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
