// Every public function of the equation of state gives, at a few hundred
// states across the whole range, exactly the results written in
// PinnedResultsTable.inc: bit for bit, signed zeros included. The table was
// computed by an earlier version of the library (tools/pin-results), so a
// change meant to make the evaluation faster or tidier must leave it intact.
#include <gtest/gtest.h>

#include "tests/eos/HookCounter.h"
#include "tests/eos/PinnedResults.h"

namespace {

using namespace eostest;

#include "tests/eos/PinnedResultsTable.inc"

void ExpectTable() {
  int mismatches = 0;
  for (const PinnedRow& row : PinnedTable) {
    const PinnedState& s = row.state;
    const PinnedResults got = EvaluatePinned(s);
    for (int i = 0; i < PinnedResultCount; ++i) {
      if (SameResult(got[i], row.results[i])) continue;
      // Only the first few mismatches are spelled out.
      if (++mismatches > 20) continue;
      ADD_FAILURE() << PinnedResultName(i) << " (result " << i << ") at T " << s.T << " V "
                    << s.V << " P " << s.P << ": " << std::hexfloat << got[i] << ", pinned "
                    << row.results[i];
    }
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(PinnedResults, EveryFunctionAtEveryState) { ExpectTable(); }

// The loops take another path when a background-task hook is installed.
TEST(PinnedResults, EveryFunctionWithTheHookInstalled) {
  HookCounter hooks;
  ExpectTable();
  EXPECT_GT(hookCalls, 0);
}

TEST(PinnedResults, LiquidVapourFunctionAndTheArraysItFills) {
  for (const PinnedLVRow& row : PinnedLVTable) {
    const PinnedLVResults got = EvaluatePinnedLV(row.state);
    for (std::size_t i = 0; i < got.size(); ++i) {
      EXPECT_TRUE(SameResult(got[i], row.results[i]))
          << "result " << i << " at nudge " << row.state.nudge << " T " << row.state.T << " P "
          << row.state.P << ": " << std::hexfloat << got[i] << ", pinned " << row.results[i];
    }
  }
}

}  // namespace
