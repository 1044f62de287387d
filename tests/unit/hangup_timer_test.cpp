#include "dialup/hangup_timer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialup/aan.h"
#include "dialup/registry_paths.h"
#include "platform/list_control.h"
#include "platform/portable/cp1252_codec.h"
#include "platform/portable/memory_registry.h"

namespace tarvio::dialup {
namespace {

using platform::ListControl;

const std::string kTenThousandDigitsText(10000, '7');
const char* const kTenThousandDigits = kTenThousandDigitsText.c_str();

class HangUpTimer : public ::testing::Test {
 protected:
  void SetUp() override {
    FillHangUpLists(delay, unit);
    // Wired as the main window wires them.
    delay.OnClick([this] { ServeHangUpValues(aan, delay, unit, listsReady); });
    unit.OnClick([this] { ServeHangUpValues(aan, delay, unit, listsReady); });
  }
  void Store(const std::string& text) {
    aan.RegSetValue(platform::kHkeyLocalMachine, kIcsGeneralKey, kHangupTimerValue, text, platform::kRegSz);
  }
  std::string Stored() { return aan.RegGetString(platform::kHkeyLocalMachine, kIcsGeneralKey, kHangupTimerValue); }
  // The delay list's text, or "-" when no number is selected.
  std::string ShownDelay() const { return delay.ListIndex() < 0 ? "-" : delay.List(delay.ListIndex()); }

  platform::portable::MemoryRegistry registry;
  platform::portable::Cp1252Codec codec;
  Aan aan{registry, codec};
  ListControl delay{ListControl::Order::Added};
  ListControl unit{ListControl::Order::Added};
  std::int16_t listsReady = 0;
};

TEST_F(HangUpTimer, FillingOffersOneToNinetyAndBothUnitsFirstItemsSelected) {
  ASSERT_EQ(delay.ListCount(), 90);
  for (int k = 0; k < 90; ++k) EXPECT_EQ(delay.List(k), std::to_string(k + 1));
  EXPECT_EQ(delay.ListIndex(), 0);
  ASSERT_EQ(unit.ListCount(), 2);
  EXPECT_EQ(unit.List(0), "sek");
  EXPECT_EQ(unit.List(1), "min");
  EXPECT_EQ(unit.ListIndex(), 0);
}

// Negative numbers and numbers beyond a 32-bit whole number are no time; "1e400" begins
// with the number 1. Each row is read twice: into lists showing 6 min and into lists at
// their first items, so neither a kept selection nor a kept unit can pass for the answer.
TEST_F(HangUpTimer, ReadingShowsTheStoredTime) {
  const struct {
    const char* stored;  // null: no value at all
    const char* delay;
    const char* unit;
  } rows[] = {
      {nullptr, "-", "sek"}, {"   ", "-", "sek"}, {"abc", "-", "sek"}, {"0", "-", "sek"}, {"1", "1", "sek"},
      {"45", "45", "sek"}, {"60", "60", "sek"}, {"90", "90", "sek"}, {"91", "2", "min"}, {"120", "2", "min"},
      {"150", "2", "min"}, {"210", "4", "min"}, {"5400", "90", "min"}, {"5430", "90", "min"}, {"5431", "90", "min"},
      {"99999", "90", "min"}, {"89.5", "90", "sek"}, {"0.5", "-", "sek"}, {" 150", "2", "min"}, {"90.5", "90", "sek"},
      {"2147483647", "90", "min"}, {"-5", "-", "sek"}, {"-0.4", "-", "sek"}, {"-2147483649", "-", "sek"},
      {"2147483648", "-", "sek"}, {"2147483647.5", "-", "sek"}, {kTenThousandDigits, "-", "sek"},
      {"1e400", "1", "sek"},
  };
  for (const auto& row : rows) {
    for (const int start : {0, 1}) {
      platform::portable::MemoryRegistry fresh;
      Aan freshAan(fresh, codec);
      if (row.stored != nullptr) {
        freshAan.RegSetValue(platform::kHkeyLocalMachine, kIcsGeneralKey, kHangupTimerValue, row.stored,
                             platform::kRegSz);
      }
      delay.SetListIndex(5 * start);
      unit.SetListIndex(start);
      ReadHangUpTime(freshAan, delay, unit);
      const std::string label = row.stored == nullptr ? "missing" : std::string(row.stored).substr(0, 20);
      EXPECT_EQ(ShownDelay(), row.delay) << label << " from " << start;
      EXPECT_EQ(unit.List(unit.ListIndex()), row.unit) << label << " from " << start;
    }
  }
}

// Every change of either list writes the shown time in seconds at once; no number counts as 0.
TEST_F(HangUpTimer, ServingWritesTheShownTimeInSecondsOnEachChange) {
  ReadHangUpTime(aan, delay, unit);  // nothing stored: no number, seconds
  listsReady = -1;
  const struct {
    ListControl& list;
    int index;
    const char* written;
  } steps[] = {{unit, 1, "0"},    {delay, 2, "180"}, {delay, 1, "120"}, {unit, 0, "2"},
               {delay, 44, "45"}, {delay, 4, "5"},   {unit, 1, "300"},  {delay, 89, "5400"},
               {unit, 0, "90"},   {delay, -1, "0"},  {delay, 0, "1"},   {unit, 1, "60"}};
  for (const auto& step : steps) {
    step.list.SetListIndex(step.index);
    EXPECT_EQ(Stored(), step.written) << ShownDelay() << " " << unit.List(unit.ListIndex());
  }
  // A stored 60 reads back as 60 seconds, not as one minute.
  listsReady = 0;
  ReadHangUpTime(aan, delay, unit);
  EXPECT_EQ(ShownDelay(), "60");
  EXPECT_EQ(unit.ListIndex(), 0);
}

TEST_F(HangUpTimer, NothingIsWrittenBeforeTheListsAreReady) {
  Store("300");
  platform::portable::MemoryRegistry untouched;
  Aan quiet(untouched, codec);
  ServeHangUpValues(quiet, delay, unit, 0);
  delay.SetListIndex(7);
  unit.SetListIndex(1);
  ReadHangUpTime(aan, delay, unit);
  EXPECT_EQ(Stored(), "300");
  EXPECT_EQ(quiet.RegGetString(platform::kHkeyLocalMachine, kIcsGeneralKey, kHangupTimerValue), " ");
}

TEST_F(HangUpTimer, ARefusedWriteIsNotReportedAndTheListsKeepTheirChoice) {
  Store("45");
  registry.DenyMachineWrites(true);
  listsReady = -1;
  delay.SetListIndex(9);
  EXPECT_EQ(Stored(), "45");
  EXPECT_EQ(ShownDelay(), "10");
}

}  // namespace
}  // namespace tarvio::dialup
