#include "dialup/load_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialup/aan.h"
#include "dialup/hangup_timer.h"
#include "dialup/registry_paths.h"
#include "platform/list_control.h"
#include "platform/portable/cp1252_codec.h"
#include "platform/portable/fixed_clock.h"
#include "platform/portable/headless_toolkit.h"
#include "platform/portable/ini_profile_reader.h"
#include "platform/portable/listed_phonebook.h"
#include "platform/portable/memory_registry.h"
#include "schedule/ini_reader.h"
#include "schedule/provider_switch.h"
#include "schedule/schedule.h"
#include "support/profile_backends.h"
#include "support/registry_backends.h"

namespace tarvio::dialup {
namespace {

using platform::kHkeyCurrentUser;
using platform::ListControl;

// Start-up as the main window runs it: the lists wired to their handlers, ListsReady
// false, the idle-time lists filled, then LoadSettings.
class LoadSettingsTest : public ::testing::Test {
 protected:
  LoadSettingsTest() {
    schedule.IniFilePath = folder.PathOf("Provider.INI");
    providerList.OnClick([this] { schedule::ProviderSelected(aan, providerList, listsReady); });
    delay.OnClick([this] { ServeHangUpValues(aan, delay, unit, listsReady); });
    unit.OnClick([this] { ServeHangUpValues(aan, delay, unit, listsReady); });
  }
  void AddEntries(const std::vector<std::string>& names) {
    for (const std::string& name : names) {
      setup.RegSetValue(kHkeyCurrentUser, std::string(kProfilesKey) + "\\" + name, "Phone", "0191011", platform::kRegSz);
    }
  }
  void SetCurrent(const std::string& name) {
    setup.RegSetValue(kHkeyCurrentUser, kRemoteAccessKey, kInternetProfileValue, name, platform::kRegSz);
  }
  void SetDefaultInternet(platform::RegKey root, const std::string& name) {
    setup.RegSetValue(root, kAutodialDefaultKey, kDefaultInternetValue, name, platform::kRegSz);
  }
  void StartUp() {
    FillHangUpLists(delay, unit);
    recording.calls.clear();
    LoadSettings(aan, phonebook, delay, unit, providerList, schedule);
  }
  // A value that was never stored reads as blanks only.
  bool NeverWritten(const char* valueName, platform::RegKey root = kHkeyCurrentUser,
                    const char* keyPath = kRemoteAccessKey) {
    const std::string text = setup.RegGetString(root, keyPath, valueName);
    return text.find_first_not_of(' ') == std::string::npos && !text.empty();
  }
  std::vector<std::string> Items() const {
    std::vector<std::string> items;
    for (int i = 0; i < providerList.ListCount(); ++i) items.push_back(providerList.List(i));
    return items;
  }

  platform::portable::MemoryRegistry registry;
  platform::portable::Cp1252Codec codec;
  Aan setup{registry, codec};
  test_support::RecordingRegistry recording{registry};
  Aan aan{recording, codec};
  platform::portable::ListedPhonebook phonebook;

  test::ScratchFolder folder;
  platform::portable::IniProfileReader reader;
  schedule::IniReader ini{reader, codec};
  platform::portable::HeadlessToolkit toolkit;
  platform::portable::FixedClock clock;
  ListControl providerList{ListControl::Order::Sorted};
  ListControl workdayLines{ListControl::Order::Sorted};
  ListControl weekendLines{ListControl::Order::Sorted};
  ListControl delay{ListControl::Order::Added};
  ListControl unit{ListControl::Order::Added};
  schedule::Schedule schedule{ini, toolkit, clock, providerList, workdayLines, weekendLines};
  std::int16_t listsReady = 0;
};

TEST_F(LoadSettingsTest, EntriesAreListedAlphabeticallyWhateverTheRegistryOrder) {
  AddEntries({"Beta", "alpha", "Gamma"});
  StartUp();
  EXPECT_EQ(Items(), (std::vector<std::string>{"alpha", "Beta", "Gamma"}));
}

TEST_F(LoadSettingsTest, TheCurrentConnectionIsSelectedWithoutRegardToCaseAndNothingIsWritten) {
  AddEntries({"Beta", "alpha", "Gamma"});
  SetCurrent("BETA");
  StartUp();
  EXPECT_EQ(providerList.ListIndex(), 1);
  EXPECT_TRUE(recording.valuesWritten.empty());
  EXPECT_TRUE(NeverWritten(kDefaultValue));
}

TEST_F(LoadSettingsTest, AnUnknownCurrentConnectionSelectsNothingAndThePlanIsStillBuilt) {
  AddEntries({"Beta", "alpha"});
  SetCurrent("Delta");
  schedule.CurrentPlanIndex = 1;
  StartUp();
  EXPECT_EQ(providerList.ListIndex(), -1);
  EXPECT_EQ(schedule.CurrentPlanIndex, -1);
  EXPECT_EQ(toolkit.yields, 24);
}

TEST_F(LoadSettingsTest, NoEntriesGiveAnEmptyListTheValueIsStillReadAndThePlanBuilt) {
  SetCurrent("Beta");
  schedule.CurrentPlanIndex = 0;
  StartUp();
  EXPECT_EQ(providerList.ListCount(), 0);
  EXPECT_EQ(providerList.ListIndex(), -1);
  EXPECT_EQ(schedule.CurrentPlanIndex, -1);
  // HangupTimer, the entries, InternetProfile and, as that names no entry, DefaultInternet
  // per user and per machine; only the key of InternetProfile exists to be read.
  EXPECT_EQ(std::count(recording.calls.begin(), recording.calls.end(), "open"), 5);
  EXPECT_EQ(std::count(recording.calls.begin(), recording.calls.end(), "read"), 1);
}

TEST_F(LoadSettingsTest, ThePlanIsBuiltOnTheFilledListWithItsSortedIndices) {
  AddEntries({"Gamma", "Beta", "alpha"});
  folder.Write("Provider.INI", "[Werktags]\r\n08:00=beta\r\n[Wochenende]\r\n10:00=Gamma\r\n");
  StartUp();
  EXPECT_EQ(schedule.ProviderPlan[0][8][0], 1);
  EXPECT_EQ(schedule.ProviderPlan[1][10][0], 2);
  EXPECT_TRUE(toolkit.boxes.empty());
}

TEST_F(LoadSettingsTest, TheIdleTimeIsReadFirst) {
  setup.RegSetValue(platform::kHkeyLocalMachine, kIcsGeneralKey, kHangupTimerValue, "210", platform::kRegSz);
  StartUp();
  EXPECT_EQ(delay.ListIndex(), 3);
  EXPECT_EQ(unit.ListIndex(), 1);
  ASSERT_GE(recording.calls.size(), 2u);
  EXPECT_EQ(recording.calls[0], "open");
  EXPECT_EQ(recording.calls[2], "read");  // open, query, read of HangupTimer before the entries are listed
}

TEST_F(LoadSettingsTest, StartUpWritesNothing) {
  AddEntries({"Beta", "alpha"});
  SetCurrent("alpha");
  setup.RegSetValue(platform::kHkeyLocalMachine, kIcsGeneralKey, kHangupTimerValue, "300", platform::kRegSz);
  StartUp();
  EXPECT_TRUE(recording.valuesWritten.empty());
  EXPECT_EQ(std::count(recording.calls.begin(), recording.calls.end(), "create"), 0);
  EXPECT_EQ(setup.RegGetString(kHkeyCurrentUser, kRemoteAccessKey, kInternetProfileValue), "alpha");
  EXPECT_TRUE(NeverWritten(kDefaultValue));
  EXPECT_EQ(setup.RegGetString(platform::kHkeyLocalMachine, kIcsGeneralKey, kHangupTimerValue), "300");
  EXPECT_EQ(providerList.ListIndex(), 0);
  EXPECT_TRUE(recording.openHandles.empty());
}

TEST_F(LoadSettingsTest, TheFirstOfSeveralEqualNamesIsSelected) {
  // Two entries whose names differ only in case sort side by side; the first in list order wins.
  AddEntries({"beta", "alpha"});
  FillHangUpLists(delay, unit);
  providerList.AddItem("BETA");
  SetCurrent("Beta");
  LoadSettings(aan, phonebook, delay, unit, providerList, schedule);
  ASSERT_EQ(Items(), (std::vector<std::string>{"alpha", "BETA", "beta"}));
  EXPECT_EQ(providerList.ListIndex(), 1);
}

TEST_F(LoadSettingsTest, PhonebookEntriesJoinTheRegistryEntriesOnceEachInSortedOrder) {
  AddEntries({"Beta", "alpha"});
  phonebook.entries = {"BETA", "Delta", "", "charlie", "DELTA", "Delta", "Älteste"};
  StartUp();
  // The registry's spelling wins; a phonebook name is listed once, as it came first.
  EXPECT_EQ(Items(), (std::vector<std::string>{"alpha", "Älteste", "Beta", "charlie", "Delta"}));
}

TEST_F(LoadSettingsTest, ThePlanUsesTheIndicesOfTheMergedList) {
  AddEntries({"Gamma", "alpha"});
  phonebook.entries = {"Beta", "gamma"};
  folder.Write("Provider.INI", "[Werktags]\r\n08:00=BETA\r\n[Wochenende]\r\n10:00=gamma\r\n");
  StartUp();
  ASSERT_EQ(Items(), (std::vector<std::string>{"alpha", "Beta", "Gamma"}));
  EXPECT_EQ(schedule.ProviderPlan[0][8][0], 1);  // the entry only the phonebook knows
  EXPECT_EQ(schedule.ProviderPlan[1][10][0], 2);
  EXPECT_TRUE(toolkit.boxes.empty());
}

TEST_F(LoadSettingsTest, StartUpWritesNoneOfTheThreeValues) {
  AddEntries({"Beta", "alpha"});
  phonebook.entries = {"Gamma"};
  SetDefaultInternet(kHkeyCurrentUser, "gamma");
  SetDefaultInternet(platform::kHkeyLocalMachine, "Beta");
  StartUp();
  EXPECT_EQ(providerList.ListIndex(), 2);
  EXPECT_TRUE(recording.valuesWritten.empty());
  EXPECT_EQ(std::count(recording.calls.begin(), recording.calls.end(), "create"), 0);
  EXPECT_TRUE(NeverWritten(kInternetProfileValue));
  EXPECT_TRUE(NeverWritten(kDefaultValue));
  EXPECT_EQ(setup.RegGetString(kHkeyCurrentUser, kAutodialDefaultKey, kDefaultInternetValue), "gamma");
  EXPECT_EQ(setup.RegGetString(platform::kHkeyLocalMachine, kAutodialDefaultKey, kDefaultInternetValue), "Beta");
  EXPECT_TRUE(recording.openHandles.empty());
}

// Where the current connection comes from: "InternetProfile" first, then "DefaultInternet"
// per user, then per machine; the first value that names an entry decides. nullptr: the
// value is not there at all.
struct CurrentConnectionRow {
  const char* label;
  const char* internetProfile;
  const char* userDefault;
  const char* machineDefault;
  int selected;
};

class CurrentConnectionTest : public LoadSettingsTest, public ::testing::WithParamInterface<CurrentConnectionRow> {};

TEST_P(CurrentConnectionTest, FirstValueThatNamesAnEntryIsSelected) {
  const CurrentConnectionRow& row = GetParam();
  AddEntries({"Beta", "alpha"});
  phonebook.entries = {"Gamma"};  // alpha 0, Beta 1, Gamma 2
  if (row.internetProfile != nullptr) SetCurrent(row.internetProfile);
  if (row.userDefault != nullptr) SetDefaultInternet(kHkeyCurrentUser, row.userDefault);
  if (row.machineDefault != nullptr) SetDefaultInternet(platform::kHkeyLocalMachine, row.machineDefault);
  StartUp();
  EXPECT_EQ(providerList.ListIndex(), row.selected);
  EXPECT_TRUE(recording.valuesWritten.empty());
  EXPECT_EQ(schedule.CurrentPlanIndex, -1);  // the plan is built in every case
}

INSTANTIATE_TEST_SUITE_P(
    LoadSettings, CurrentConnectionTest,
    ::testing::Values(CurrentConnectionRow{"InternetProfileWins", "BETA", "gamma", "alpha", 1},
                      CurrentConnectionRow{"MissingInternetProfileUserDefault", nullptr, "gamma", "alpha", 2},
                      CurrentConnectionRow{"EmptyInternetProfileUserDefault", "", "GAMMA", nullptr, 2},
                      CurrentConnectionRow{"UnknownInternetProfileUserDefault", "Delta", "alpha", "Beta", 0},
                      CurrentConnectionRow{"BlankUserDefaultMachineDefault", nullptr, "", "Gamma", 2},
                      CurrentConnectionRow{"MissingUserDefaultMachineDefault", "", nullptr, "beta", 1},
                      CurrentConnectionRow{"UnknownUserDefaultMachineDefault", nullptr, "Delta", "ALPHA", 0},
                      CurrentConnectionRow{"AllBlank", "", "", "", -1},
                      CurrentConnectionRow{"AllMissing", nullptr, nullptr, nullptr, -1},
                      CurrentConnectionRow{"NoneNamesAnEntry", "Delta", "Epsilon", "Zeta", -1}),
    [](const ::testing::TestParamInfo<CurrentConnectionRow>& row) { return std::string(row.param.label); });

}  // namespace
}  // namespace tarvio::dialup
