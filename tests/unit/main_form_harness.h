#pragma once
// A MainForm on the portable back-ends, with a registry that counts writes and a plan
// file held in memory.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "dialup/registry_paths.h"
#include "platform/portable/cp1252_codec.h"
#include "platform/portable/fixed_clock.h"
#include "platform/portable/fixed_instance_check.h"
#include "platform/portable/fixed_program_info.h"
#include "platform/portable/headless_form.h"
#include "platform/portable/headless_screen.h"
#include "platform/portable/headless_toolkit.h"
#include "platform/portable/listed_phonebook.h"
#include "platform/portable/memory_registry.h"
#include "platform/portable/recording_notify_icon.h"
#include "platform/portable/recording_shell.h"
#include "platform/portable/recording_window_hook.h"
#include "platform/profile.h"
#include "support/forwarding_registry.h"

namespace tarvio::test {

// Counts every request that could change the registry.
class CountingRegistry final : public ForwardingRegistry {
 public:
  CountingRegistry() : ForwardingRegistry(inner) {}

  platform::RegStatus CreateKey(platform::RegKey root, const std::string& subKey, platform::RegKey* result) override {
    if (counting) ++writes;
    return ForwardingRegistry::CreateKey(root, subKey, result);
  }
  platform::RegStatus SetValueEx(platform::RegKey key, const std::string& valueName, std::uint32_t type,
                                 const std::uint8_t* data, std::uint32_t dataLen) override {
    if (counting) {
      ++writes;
      written.emplace_back(valueName, std::string(reinterpret_cast<const char*>(data), dataLen ? dataLen - 1 : 0));
    }
    return ForwardingRegistry::SetValueEx(key, valueName, type, data, dataLen);
  }

  platform::portable::MemoryRegistry inner;
  bool counting = false;
  int writes = 0;
  std::vector<std::pair<std::string, std::string>> written;  // value name, text
};

// The plan file as section -> key -> value; reads are counted.
class MapProfileReader final : public platform::ProfileReader {
 public:
  std::uint32_t GetProfileValue(const std::string& section, const std::string& key, const std::string& defaultValue,
                                char* buffer, std::uint32_t size, const std::string& fileName) override {
    ++reads;
    lastFile = fileName;
    std::string value = defaultValue;
    const auto s = plan.find(section);
    if (s != plan.end()) {
      const auto k = s->second.find(key);
      if (k != s->second.end()) value = k->second;
    }
    const std::size_t n = std::min<std::size_t>(value.size(), size - 1);
    std::memcpy(buffer, value.data(), n);
    buffer[n] = '\0';
    return static_cast<std::uint32_t>(n);
  }
  std::map<std::string, std::map<std::string, std::string>> plan;
  int reads = 0;
  std::string lastFile;
};

inline constexpr platform::WindowProcedure kOriginalProcedure = 0xA11CE;

struct MainFormHarness {
  CountingRegistry registry;
  MapProfileReader profile;
  platform::portable::Cp1252Codec codec;
  platform::portable::FixedClock clock;
  platform::portable::HeadlessToolkit toolkit;
  platform::portable::HeadlessFormFactory forms;
  platform::portable::HeadlessScreen screen;
  platform::portable::RecordingNotifyIcon notifyIcon;
  platform::portable::RecordingWindowHook hook;
  platform::portable::RecordingShell shell;
  platform::portable::FixedProgramInfo program;
  platform::portable::FixedInstanceCheck instance;
  platform::portable::ListedPhonebook phonebook;
  app::MainForm form{{registry, profile, codec, clock, toolkit, forms, screen, notifyIcon, hook, shell, program,
                      instance, phonebook}};

  MainFormHarness() {
    // The first window the factory makes; its procedure is what the hook replaces.
    hook.procedures[0x1000] = kOriginalProcedure;
    clock.now = {2024, 3, 5, 2, 8, 0, 3};  // a Tuesday, 08:00:03
  }

  void AddEntry(const std::string& name) {
    platform::RegKey key = 0;
    registry.inner.CreateKey(platform::kHkeyCurrentUser, std::string(dialup::kProfilesKey) + "\\" + name, &key);
    registry.inner.CloseKey(key);
  }
  void SetValue(platform::RegKey root, const std::string& path, const std::string& name, const std::string& text) {
    platform::RegKey key = 0;
    registry.inner.CreateKey(root, path, &key);
    registry.inner.SetValueEx(key, name, platform::kRegSz, reinterpret_cast<const std::uint8_t*>(text.c_str()),
                              static_cast<std::uint32_t>(text.size() + 1));
    registry.inner.CloseKey(key);
  }
  std::string Value(platform::RegKey root, const std::string& path, const std::string& name) {
    platform::RegKey key = 0;
    if (registry.inner.OpenKeyEx(root, path, 0, platform::kKeyQueryValue, &key) != platform::kRegSuccess) return "<none>";
    char data[256] = {};
    std::uint32_t size = sizeof data - 1;
    std::uint32_t type = 0;
    const auto status = registry.inner.QueryValueEx(key, name, &type, reinterpret_cast<std::uint8_t*>(data), &size);
    registry.inner.CloseKey(key);
    return status == platform::kRegSuccess ? std::string(data) : "<none>";
  }
  std::string InternetProfile() {
    return Value(platform::kHkeyCurrentUser, dialup::kRemoteAccessKey, dialup::kInternetProfileValue);
  }

  // Three entries, the middle one current; a plan with one entry per day type at 00:00.
  void SeedDemo() {
    AddEntry("Tagtarif");
    AddEntry("Nachttarif");
    AddEntry("Abendtarif");
    SetValue(platform::kHkeyCurrentUser, dialup::kRemoteAccessKey, dialup::kInternetProfileValue, "Tagtarif");
    SetValue(platform::kHkeyLocalMachine, dialup::kIcsGeneralKey, dialup::kHangupTimerValue, "300");
    profile.plan["Werktags"]["00:00"] = "Nachttarif";
    profile.plan["Wochenende"]["00:00"] = "Abendtarif";
  }

  // Loads and, from then on, counts registry writes.
  bool Load() {
    registry.counting = true;
    return form.Form_Load();
  }

  platform::portable::HeadlessForm& Main() { return *forms.forms.at(0); }
};

}  // namespace tarvio::test
