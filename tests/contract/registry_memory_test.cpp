// What only the memory registry promises: a fixed subkey order, a user without
// administrator rights, and handles that are never valid again after their close.
#include <gtest/gtest.h>

#include <string>

#include "dialup/aan.h"
#include "dialup/registry_paths.h"
#include "platform/portable/cp1252_codec.h"
#include "platform/portable/memory_registry.h"

namespace tarvio::platform::portable {
namespace {

RegKey Create(MemoryRegistry& registry, RegKey root, const std::string& path) {
  RegKey key = 0;
  EXPECT_EQ(registry.CreateKey(root, path, &key), kRegSuccess);
  return key;
}

TEST(MemoryRegistry, EnumeratesSubkeysInCreationOrderNotSorted) {
  MemoryRegistry registry;
  for (const char* name : {"zeta", "Alpha", "mu"})
    registry.CloseKey(Create(registry, kHkeyCurrentUser, std::string("P\\") + name));
  const RegKey key = Create(registry, kHkeyCurrentUser, "P");
  std::string names;
  char name[8];
  for (std::uint32_t i = 0;; ++i) {
    std::uint32_t length = sizeof name;
    if (registry.EnumKeyEx(key, i, name, &length) != kRegSuccess) break;
    names += std::string(name, length) + ",";
  }
  EXPECT_EQ(names, "zeta,Alpha,mu,");
  registry.CloseKey(key);
}

TEST(MemoryRegistry, WithoutAdministratorRightsTheMachineKeysAreReadOnly) {
  MemoryRegistry registry;
  registry.CloseKey(Create(registry, kHkeyLocalMachine, "System\\Existing"));
  registry.DenyMachineWrites(true);
  RegKey key = 0;
  EXPECT_EQ(registry.CreateKey(kHkeyLocalMachine, "System\\New", &key), kRegAccessDenied);
  EXPECT_EQ(key, 0u);
  EXPECT_EQ(registry.OpenKeyEx(kHkeyLocalMachine, "System\\Existing", 0, kKeyAllAccess, &key), kRegAccessDenied);
  EXPECT_EQ(registry.OpenKeyEx(kHkeyLocalMachine, "System\\Existing", 0, kKeyQueryValue, &key), kRegSuccess);
  registry.CloseKey(key);
  // An existing key opens, but for reading only.
  key = Create(registry, kHkeyLocalMachine, "System\\Existing");
  const std::uint8_t data[2] = {'1', 0};
  EXPECT_EQ(registry.SetValueEx(key, "v", kRegSz, data, 2), kRegAccessDenied);
  registry.CloseKey(key);
  // The user's own keys stay writable.
  key = Create(registry, kHkeyCurrentUser, "remoteaccess");
  EXPECT_EQ(registry.SetValueEx(key, "v", kRegSz, data, 2), kRegSuccess);
  registry.CloseKey(key);
}

TEST(MemoryRegistry, ARefusedMachineWriteChangesNothingAndReportsNothing) {
  MemoryRegistry registry;
  Cp1252Codec codec;
  dialup::Aan aan(registry, codec);
  aan.RegSetValue(kHkeyLocalMachine, dialup::kIcsGeneralKey, dialup::kHangupTimerValue, "45", kRegSz);
  registry.DenyMachineWrites(true);
  aan.RegSetValue(kHkeyLocalMachine, dialup::kIcsGeneralKey, dialup::kHangupTimerValue, "300", kRegSz);
  aan.RegSetValue(kHkeyLocalMachine, "Software\\Elsewhere", "v", "1", kRegSz);
  EXPECT_EQ(aan.RegGetString(kHkeyLocalMachine, dialup::kIcsGeneralKey, dialup::kHangupTimerValue), "45");
  EXPECT_EQ(aan.RegGetString(kHkeyLocalMachine, "Software\\Elsewhere", "v"), " ");
  EXPECT_EQ(registry.OpenHandles(), 0u);
}

TEST(MemoryRegistry, HandlesOfADeletedKeyReportItsDeletionAndNoHandleValueComesTwice) {
  MemoryRegistry registry;
  const RegKey first = Create(registry, kHkeyCurrentUser, "A\\B");
  EXPECT_EQ(registry.DeleteTree(kHkeyCurrentUser, "a"), kRegSuccess);
  RegKeyInfo info;
  EXPECT_EQ(registry.QueryInfoKey(first, &info), kRegKeyDeleted);
  EXPECT_EQ(registry.CloseKey(first), kRegSuccess);
  RegKey again = 0;
  EXPECT_EQ(registry.OpenKeyEx(kHkeyCurrentUser, "A", 0, kKeyQueryValue, &again), kRegFileNotFound);
  const RegKey second = Create(registry, kHkeyCurrentUser, "A\\B");
  EXPECT_NE(first, second);
  EXPECT_EQ(registry.CloseKey(first), kRegInvalidHandle);
  EXPECT_EQ(registry.CloseKey(second), kRegSuccess);
}

TEST(MemoryRegistry, UmlautsInNamesIgnoreLetterCase) {
  MemoryRegistry registry;
  registry.CloseKey(Create(registry, kHkeyCurrentUser, "\xC4rger"));  // Ärger in Windows-1252
  RegKey key = 0;
  EXPECT_EQ(registry.OpenKeyEx(kHkeyCurrentUser, "\xE4RGER", 0, kKeyQueryValue, &key), kRegSuccess);
  registry.CloseKey(key);
}

TEST(MemoryRegistry, OnlyTheTwoRootsOfTheProgramExist) {
  MemoryRegistry registry;
  RegKey key = 0;
  EXPECT_EQ(registry.CreateKey(0x80000000u /* HKEY_CLASSES_ROOT */, "x", &key), kRegInvalidHandle);
  EXPECT_EQ(registry.CreateKey(0, "x", &key), kRegInvalidHandle);
  EXPECT_EQ(key, 0u);
}

}  // namespace
}  // namespace tarvio::platform::portable
