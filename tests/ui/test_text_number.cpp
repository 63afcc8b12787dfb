// Val and Str: the number forms every window reads and shows.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <clocale>
#include <cstdlib>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "ui/Window.h"

namespace {

struct ValCase {
  const char* text;
  double value;
};

TEST(Val, ReadsDecimalNumbersWithBlanksAround) {
  const ValCase cases[] = {
      {"12", 12},          {" 12 ", 12},         {"\t12\n", 12},     {"+12", 12},
      {"-12.5", -12.5},    {"298.15", 298.15},   {".5", 0.5},        {"5.", 5},
      {"1e3", 1000},       {"1E-3", 0.001},      {"2.5e+2", 250},    {"007", 7},
      {"-273.15", -273.15}, {"1.7976931348623157e308", 1.7976931348623157e308},
  };
  for (const ValCase& c : cases) EXPECT_EQ(ui::Val(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(Val, ReadsAnythingElseAsZero) {
  const char* cases[] = {
      "",     "   ",   "18,5", "0x10", "1e999", "-1e999", "nan", "NaN",  "inf",    "-inf",
      "Infinity", "1e", "e5",  ".",    "-",     "+",      "12abc", "1 2", "--1",  "1.2.3",
      "1e5.0", "1,000", "abc", "½",   "١٢",    "１２",   "12 cm3", "0b1", "1e+",  "+-1",
  };
  for (const char* text : cases) EXPECT_EQ(ui::Val(QString::fromUtf8(text)), 0.0) << text;
}

TEST(Val, ZeroHasNoSign) {
  EXPECT_FALSE(std::signbit(ui::Val("-0")));
  EXPECT_FALSE(std::signbit(ui::Val("-0.0e5")));
  EXPECT_FALSE(std::signbit(ui::Val("-1e-999")));
}

struct StrCase {
  double value;
  const char* text;  // as C's printf("%.7g") writes it
};

TEST(Str, SevenSignificantDigitsInPrintfForm) {
  const StrCase cases[] = {
      {0, "0"},
      {-0.0, "0"},
      {18.0684, "18.0684"},
      {12345678, "1.234568e+07"},
      {1234567, "1234567"},
      {9999999.5, "1e+07"},
      {1e7, "1e+07"},
      {0.0001, "0.0001"},
      {0.00001, "1e-05"},
      {1.5, "1.5"},
      {-2.25, "-2.25"},
      {22.064, "22.064"},
      {100, "100"},
      {1e300, "1e+300"},
      {2.5e-7, "2.5e-07"},
      {0.1 + 0.2, "0.3"},
      {18015.28 / 18.0684, "997.0601"},
  };
  for (const StrCase& c : cases) EXPECT_EQ(ui::Str(c.value).toStdString(), c.text) << c.value;
}

TEST(Str, NonFiniteValuesHaveNames) {
  EXPECT_EQ(ui::Str(std::numeric_limits<double>::quiet_NaN()), "nan");
  EXPECT_EQ(ui::Str(-std::numeric_limits<double>::quiet_NaN()), "nan") << "a NaN has no sign";
  EXPECT_EQ(ui::Str(std::numeric_limits<double>::infinity()), "inf");
  EXPECT_EQ(ui::Str(-std::numeric_limits<double>::infinity()), "-inf");
  EXPECT_EQ(ui::Val(ui::Str(std::numeric_limits<double>::infinity())), 0.0);
}

TEST(Str, ReadsBackWithinSevenDigits) {
  for (double v : {298.15, 647.073, 1.0e-3, 55.948075, 3.0e3, 1.2345678e-9}) {
    const double back = ui::Val(ui::Str(v));
    EXPECT_NEAR(back, v, std::abs(v) * 5e-7) << v;
  }
}

TEST(Str, WholeNumbersKeepAllTheirDigits) {
  EXPECT_EQ(ui::Str(0), "0");
  EXPECT_EQ(ui::Str(-3), "-3");
  EXPECT_EQ(ui::Str(1000001), "1000001") << "a double's Str would round it to 1e+06";
  EXPECT_EQ(ui::Str(std::int64_t{12345678901}), "12345678901");
}

// An entry that is no number is nothing, not 0; a number is itself.
TEST(EnteredNumber, ReadsNumbersAndRefusesAnythingElse) {
  EXPECT_EQ(ui::EnteredNumber(" 100 "), 100.0);
  EXPECT_EQ(ui::EnteredNumber("0"), 0.0);
  for (const char* text : {"", "abc", "12 K", "1e999"}) EXPECT_FALSE(ui::EnteredNumber(text).has_value()) << text;
}

// The desktop's locale must not turn the point into a comma, either way.
TEST(ValStr, IgnoreTheProcessLocale) {
  // German writes 1,5. The locale is compiled into a folder of the test's
  // own, so the test needs no locale installed on the machine (only the
  // locale sources of Debian's "locales", which tools/setup installs).
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString made = folder.path() + QStringLiteral("/de_DE.UTF-8");
  const QString command = QStringLiteral("localedef -i de_DE -f UTF-8 '%1' 2>/dev/null").arg(made);
  ASSERT_EQ(std::system(command.toLocal8Bit().constData()), 0) << "localedef could not make de_DE.UTF-8";
  ASSERT_EQ(setenv("LOCPATH", folder.path().toLocal8Bit().constData(), 1), 0);
  const char* set = std::setlocale(LC_ALL, "de_DE.UTF-8");
  unsetenv("LOCPATH");
  ASSERT_NE(set, nullptr);
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  EXPECT_EQ(ui::Str(1.5).toStdString(), "1.5");
  EXPECT_EQ(ui::Val("1.5"), 1.5);
  EXPECT_EQ(ui::Val("1,5"), 0.0);
  std::setlocale(LC_ALL, "C");
}

}  // namespace
