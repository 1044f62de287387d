#include "schedule/provider_switch.h"

#include <gtest/gtest.h>

#include "dialup/aan.h"
#include "platform/list_control.h"
#include "platform/portable/cp1252_codec.h"
#include "platform/portable/memory_registry.h"
#include "support/recording_registry.h"

namespace tarvio::schedule {
namespace {

using Write = test::RecordingRegistry::Write;

struct SwitchWorld {
  SwitchWorld() {
    for (const char* name : {"NightLine", "DayLine", "Straßenfunk"}) providerList.AddItem(name);
    providerList.OnClick([this] { ProviderSelected(aan, providerList, listsReady); });
  }

  platform::portable::MemoryRegistry memory;
  test::RecordingRegistry registry{memory};
  platform::portable::Cp1252Codec codec;
  dialup::Aan aan{registry, codec};
  platform::ListControl providerList{platform::ListControl::Order::Sorted};
  std::int16_t listsReady = -1;
};

constexpr const char* kAutodialKey = "Software\\Microsoft\\RAS Autodial\\Default";

TEST(ProviderSwitch, WritesInternetProfileThenDefaultThenDefaultInternet) {
  SwitchWorld w;
  w.providerList.SetListIndex(1);  // NightLine
  EXPECT_EQ(w.registry.writes,
            (std::vector<Write>{{"HKCU\\remoteaccess", "InternetProfile", "NightLine", 1, ""},
                                {"HKCU\\remoteaccess", "Default", "NightLine", 1, ""},
                                {"HKCU\\Software\\Microsoft\\RAS Autodial\\Default", "DefaultInternet", "NightLine", 1,
                                 ""}}));
  EXPECT_EQ(w.aan.RegGetString(platform::kHkeyCurrentUser, "remoteaccess", "InternetProfile"), "NightLine");
  EXPECT_EQ(w.aan.RegGetString(platform::kHkeyCurrentUser, "remoteaccess", "Default"), "NightLine");
  EXPECT_EQ(w.aan.RegGetString(platform::kHkeyCurrentUser, kAutodialKey, "DefaultInternet"), "NightLine");
}

TEST(ProviderSwitch, TheMachineWideDefaultIsLeftAlone) {
  SwitchWorld w;
  w.aan.RegSetValue(platform::kHkeyLocalMachine, kAutodialKey, "DefaultInternet", "Firmennetz", platform::kRegSz);
  w.registry.writes.clear();
  w.providerList.SetListIndex(0);  // DayLine
  ASSERT_EQ(w.registry.writes.size(), 3u);
  for (const Write& write : w.registry.writes) EXPECT_EQ(write.keyPath.rfind("HKCU\\", 0), 0u) << write.keyPath;
  EXPECT_EQ(w.aan.RegGetString(platform::kHkeyLocalMachine, kAutodialKey, "DefaultInternet"), "Firmennetz");
}

TEST(ProviderSwitch, NothingWhileListsAreNotReady) {
  SwitchWorld w;
  w.listsReady = 0;
  w.providerList.SetListIndex(0);
  EXPECT_TRUE(w.registry.writes.empty());
}

TEST(ProviderSwitch, EverySelectionWritesEvenTheSameOneAgain) {
  SwitchWorld w;
  w.providerList.SetListIndex(0);
  w.providerList.SetListIndex(0);
  EXPECT_EQ(w.registry.writes.size(), 6u);
}

TEST(ProviderSwitch, NoSelectionWritesNothing) {
  SwitchWorld w;
  w.providerList.SetListIndex(-1);
  EXPECT_TRUE(w.registry.writes.empty());
}

TEST(ProviderSwitch, NameGoesOutInTheAnsiCodePage) {
  SwitchWorld w;
  w.providerList.SetListIndex(2);  // Straßenfunk
  ASSERT_EQ(w.registry.writes.size(), 3u);
  for (const Write& write : w.registry.writes) EXPECT_EQ(write.text, "Stra\xDF" "enfunk") << write.valueName;
  EXPECT_EQ(w.aan.RegGetString(platform::kHkeyCurrentUser, "remoteaccess", "Default"), "Straßenfunk");
  EXPECT_EQ(w.aan.RegGetString(platform::kHkeyCurrentUser, kAutodialKey, "DefaultInternet"), "Straßenfunk");
}

}  // namespace
}  // namespace tarvio::schedule
