// The dial-up settings: the connection list, the current connection, the idle time.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialup/hangup_timer.h"
#include "dialup/load_settings.h"
#include "dialup/provider_switch.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_system.h"
#include "platform/list_control.h"
#include "support/items.h"

namespace tarvio::dialup {
namespace {

using platform::ListControl;
using test::Items;
using test::Texts;

constexpr const char* kInternetProfile = "HKCU\\remoteaccess\\InternetProfile";
constexpr const char* kUserDefault = "HKCU\\Software\\Microsoft\\RAS Autodial\\Default\\DefaultInternet";
constexpr const char* kMachineDefault = "HKLM\\Software\\Microsoft\\RAS Autodial\\Default\\DefaultInternet";
constexpr const char* kHangupTimer =
    "HKLM\\System\\CurrentControlSet\\Services\\ICSharing\\Settings\\General\\HangupTimer";

// The lists wired to their handlers as the main window wires them.
class DialUp : public ::testing::Test {
 protected:
  DialUp() {
    providerList.OnClick([this] { ProviderSelected(registry, providerList, listsReady); });
    delay.OnClick([this] { ServeHangUpValues(registry, delay, unit, listsReady); });
    unit.OnClick([this] { ServeHangUpValues(registry, delay, unit, listsReady); });
    FillHangUpLists(delay, unit);
  }
  void StartUp() { LoadSettings(registry, phonebook, delay, unit, providerList); }

  test::FakeRegistry registry;
  test::FakePhonebook phonebook;
  ListControl providerList{ListControl::Order::Sorted};
  ListControl delay{ListControl::Order::Added};
  ListControl unit{ListControl::Order::Added};
  bool listsReady = false;
};

TEST_F(DialUp, FillsTheIdleTimeListsInNumericOrder) {
  ASSERT_EQ(delay.ListCount(), 90);
  EXPECT_EQ(Items(delay)[9] + " " + Items(delay)[89], "10 90");
  EXPECT_EQ(Items(unit), (Texts{"sek", "min"}));
  EXPECT_EQ(delay.ListIndex() + unit.ListIndex(), 0);
}

TEST_F(DialUp, ShowsTheStoredIdleTimeInSecondsUpTo90ElseInMinutes) {
  const struct {
    std::optional<std::string> stored;
    HangUpSelection shown;
  } rows[] = {{std::nullopt, {-1, 0}}, {"   ", {-1, 0}},        {"abc", {-1, 0}},  {"0", {-1, 0}},    {"0.5", {-1, 0}},
              {"-5", {-1, 0}},         {"3000000000", {-1, 0}}, {"1", {0, 0}},     {"1e400", {0, 0}}, {"60", {59, 0}},
              {"89.5", {89, 0}},       {"90", {89, 0}},         {"91", {1, 1}},    {"120", {1, 1}},   {"150", {1, 1}},
              {"210", {3, 1}},         {"5400", {89, 1}},       {"5430", {89, 1}}, {"99999", {89, 1}}};
  for (const auto& row : rows) {
    EXPECT_EQ(HangUpSelectionFromText(row.stored), row.shown) << row.stored.value_or("(missing)");
  }
}

TEST_F(DialUp, StoresEveryChoiceOfTheIdleTimeInSecondsOnceReady) {
  delay.SetListIndex(44);
  EXPECT_TRUE(registry.writes.empty());
  listsReady = true;
  const struct {
    int delay, unit;
    const char* stored;
  } rows[] = {{44, 0, "45"}, {4, 1, "300"}, {89, 1, "5400"}, {-1, 1, "0"}, {1, 0, "2"}};
  for (const auto& row : rows) {
    delay.SetListIndex(row.delay);
    unit.SetListIndex(row.unit);
    EXPECT_EQ(registry.values[kHangupTimer], row.stored) << row.delay << "/" << row.unit;
  }
  EXPECT_EQ(registry.writes.size(), 10u);  // each change writes at once
}

TEST_F(DialUp, ListsTheRegistrysAndThePhonebooksEntriesOnceSortedAndWritesNothing) {
  registry.subKeys["HKCU\\remoteaccess\\Profile"] = {"Gamma", "Beta", "alpha", "Büro"};
  phonebook.entries = {"BETA", "Mobilfunk", "", "mobilfunk", "Zentrale"};
  registry.values[kHangupTimer] = "300";
  registry.values[kInternetProfile] = "BÜRO";
  StartUp();
  EXPECT_EQ(Items(providerList), (Texts{"alpha", "Beta", "Büro", "Gamma", "Mobilfunk", "Zentrale"}));
  EXPECT_EQ(providerList.ListIndex(), 2);
  EXPECT_EQ(delay.ListIndex(), 4);
  EXPECT_EQ(unit.ListIndex(), 1);
  EXPECT_TRUE(registry.writes.empty());
}

// The current connection: InternetProfile, else the user's DefaultInternet, else the machine's.
TEST_F(DialUp, SelectsTheCurrentConnectionFromTheFirstPlaceThatNamesAnEntry) {
  const struct {
    const char *internetProfile, *userDefault, *machineDefault;  // nullptr: not there
    int selected;
  } rows[] = {{"beta", "Alpha", "Gamma", 1},    {"   ", "alpha", "Gamma", 0},   {nullptr, nullptr, "GAMMA", 2},
              {"Delta", "Epsilon", "Gamma", 2}, {nullptr, "Gamma", nullptr, 2}, {"Delta", nullptr, nullptr, -1},
              {nullptr, nullptr, nullptr, -1}};
  for (const auto& row : rows) {
    registry = test::FakeRegistry();
    providerList.Clear();
    registry.subKeys["HKCU\\remoteaccess\\Profile"] = {"Beta", "Alpha", "Gamma"};
    for (const auto& [name, value] :
         {std::pair{kInternetProfile, row.internetProfile}, std::pair{kUserDefault, row.userDefault},
          std::pair{kMachineDefault, row.machineDefault}}) {
      if (value != nullptr) registry.values[name] = value;
    }
    StartUp();
    EXPECT_EQ(providerList.ListIndex(), row.selected) << "row " << (&row - rows);
    EXPECT_TRUE(registry.writes.empty());
  }
}

TEST_F(DialUp, ASelectedConnectionBecomesTheDefaultForEveryWindowsOnceReady) {
  for (const char* name : {"Nacht", "Tag"}) providerList.AddItem(name);
  providerList.SetListIndex(1);
  listsReady = true;
  providerList.SetListIndex(-1);
  EXPECT_TRUE(registry.writes.empty());
  providerList.SetListIndex(1);
  EXPECT_EQ(registry.writes, (Texts{"HKCU\\remoteaccess\\InternetProfile=Tag", "HKCU\\remoteaccess\\Default=Tag",
                                    std::string(kUserDefault) + "=Tag"}));
}

}  // namespace
}  // namespace tarvio::dialup
