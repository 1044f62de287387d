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

TEST_F(HangUpTimer, ReadingShowsTheStoredTime) {
  const struct {
    const char* stored;
    const char* delay;
    const char* unit;
  } rows[] = {
      {nullptr, "-", "sek"}, {"   ", "-", "sek"},  {"abc", "-", "sek"},   {"0", "-", "sek"},     {"1", "1", "sek"},
      {"45", "45", "sek"},   {"60", "60", "sek"},  {"90", "90", "sek"},   {"91", "2", "min"},    {"120", "2", "min"},
      {"150", "2", "min"},   {"210", "4", "min"},  {"5400", "90", "min"}, {"5430", "90", "min"}, {"5431", "90", "min"},
      {"99999", "90", "min"}, {"89.5", "90", "sek"}, {"0.5", "-", "sek"}, {" 150", "2", "min"}, {"90.5", "90", "sek"},
  };
  for (const auto& row : rows) {
    platform::portable::MemoryRegistry fresh;
    Aan freshAan(fresh, codec);
    if (row.stored != nullptr) {
      freshAan.RegSetValue(platform::kHkeyLocalMachine, kIcsGeneralKey, kHangupTimerValue, row.stored, platform::kRegSz);
    }
    delay.SetListIndex(0);
    unit.SetListIndex(0);
    ReadHangUpTime(freshAan, delay, unit);
    EXPECT_EQ(ShownDelay(), row.delay) << (row.stored ? row.stored : "missing");
    EXPECT_EQ(unit.List(unit.ListIndex()), row.unit) << (row.stored ? row.stored : "missing");
  }
}

TEST_F(HangUpTimer, NegativeOrOversizedValuesCountAsNoTime) {
  const char* stored[] = {"-5", "-0.4", "-2147483649", "2147483648", "2147483647.5", "1e400"};
  const char* expectedDelay[] = {"-", "-", "-", "-", "-", "1"};  // "1e400" begins with the number 1
  for (std::size_t i = 0; i < std::size(stored); ++i) {
    Store(stored[i]);
    delay.SetListIndex(5);
    unit.SetListIndex(1);
    ReadHangUpTime(aan, delay, unit);
    EXPECT_EQ(ShownDelay(), expectedDelay[i]) << stored[i];
    EXPECT_EQ(unit.ListIndex(), 0) << stored[i];
  }
}

TEST_F(HangUpTimer, TheLargestWholeNumberIsNinetyMinutes) {
  Store("2147483647");
  ReadHangUpTime(aan, delay, unit);
  EXPECT_EQ(ShownDelay(), "90");
  EXPECT_EQ(unit.ListIndex(), 1);
}

TEST_F(HangUpTimer, TenThousandDigitsCountAsNoTime) {
  Store(std::string(10000, '7'));
  ReadHangUpTime(aan, delay, unit);
  EXPECT_EQ(ShownDelay(), "-");
  EXPECT_EQ(unit.ListIndex(), 0);
}

TEST_F(HangUpTimer, ServingWritesTheShownTimeInSeconds) {
  const struct {
    int delayIndex;
    int unitIndex;
    const char* written;
  } rows[] = {{44, 0, "45"}, {4, 1, "300"}, {89, 1, "5400"}, {-1, 0, "0"}, {-1, 1, "0"}, {0, 0, "1"}};
  listsReady = -1;
  for (const auto& row : rows) {
    delay.SetListIndex(row.delayIndex);
    unit.SetListIndex(row.unitIndex);
    EXPECT_EQ(Stored(), row.written) << row.delayIndex << "/" << row.unitIndex;
  }
}

TEST_F(HangUpTimer, EachChangeWritesAtOnce) {
  listsReady = -1;
  delay.SetListIndex(1);
  EXPECT_EQ(Stored(), "2");
  unit.SetListIndex(1);
  EXPECT_EQ(Stored(), "120");
}

TEST_F(HangUpTimer, NoStoredValueThenMinutesWritesZeroThenANumberItsSeconds) {
  ReadHangUpTime(aan, delay, unit);
  listsReady = -1;
  unit.SetListIndex(1);
  EXPECT_EQ(Stored(), "0");
  delay.SetListIndex(2);
  EXPECT_EQ(Stored(), "180");
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

TEST_F(HangUpTimer, AStoredSixtyShowsAsSixtySecondsNotOneMinute) {
  listsReady = -1;
  delay.SetListIndex(0);
  unit.SetListIndex(1);
  ASSERT_EQ(Stored(), "60");
  listsReady = 0;
  ReadHangUpTime(aan, delay, unit);
  EXPECT_EQ(ShownDelay(), "60");
  EXPECT_EQ(unit.ListIndex(), 0);
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
