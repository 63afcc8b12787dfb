// Reading a temperature entry in either unit.
#include <gtest/gtest.h>

#include <optional>

#include "windows/statepoint/TemperatureEntry.h"

namespace {

struct EntryCase {
  const char* text;
  bool celsius;
  std::optional<double> kelvin;
};

// An empty or non-numeric entry is no temperature in either unit; a number
// is one, whatever its sign, so 0 ˚C and -5 ˚C are temperatures above 0 K.
TEST(TemperatureEntry, ReadsNumbersInEitherUnitAndRefusesAnythingElse) {
  const EntryCase cases[] = {
      {"298.15", false, 298.15}, {"25", true, 298.15},  {"0", true, 273.15},
      {"-5", true, 268.15},      {"0", false, 0.0},     {"-5", false, -5.0},
      {"", true, std::nullopt},  {"", false, std::nullopt}, {"abc", true, std::nullopt},
      {"12 K", false, std::nullopt}, {"1e999", true, std::nullopt}, {" 100 ", true, 373.15},
  };
  for (const EntryCase& c : cases) {
    const std::optional<double> k = temperature_entry::Kelvin(c.text, c.celsius);
    ASSERT_EQ(k.has_value(), c.kelvin.has_value()) << c.text << (c.celsius ? " C" : " K");
    if (k) {
      EXPECT_NEAR(*k, *c.kelvin, 1e-12) << c.text;
    }
  }
}

}  // namespace
