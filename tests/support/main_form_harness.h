#pragma once
// A MainForm on the fakes, with three dial-up entries, the middle one current, 300 s
// idle time and a plan with one entry per day type at 00:00.
#include "app/main_form.h"
#include "dialup/registry_paths.h"
#include "fakes/fake_forms.h"
#include "fakes/fake_profile_reader.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_system.h"
#include "fakes/fake_toolkit.h"

namespace tarvio::test {

inline constexpr platform::WindowProcedure kOriginalProcedure = 0xA11CE;

struct MainFormHarness {
  FakeRegistry registry;
  FakeProfileReader profile;
  FakeClock clock;
  FakeToolkit toolkit;
  FakeFormFactory forms;
  FakeScreen screen;
  FakeNotifyIcon notifyIcon;
  FakeWindowHook hook;
  FakeShell shell;
  FakeProgramInfo program;
  FakeInstanceCheck instance;
  FakePhonebook phonebook;
  FakeAnsiCodePage ansi;
  app::MainForm form{{registry, profile, clock, toolkit, forms, screen, notifyIcon, hook, shell, program, instance,
                      phonebook, profile, ansi}};

  MainFormHarness() {
    hook.procedures[0x1000] = kOriginalProcedure;  // the first window the factory makes
    registry.subKeys["HKCU\\remoteaccess\\Profile"] = {"Tagtarif", "Nachttarif", "Abendtarif"};
    registry.values["HKCU\\remoteaccess\\InternetProfile"] = "Tagtarif";
    registry.values["HKLM\\System\\CurrentControlSet\\Services\\ICSharing\\Settings\\General\\HangupTimer"] = "300";
    profile.Write("[Werktags]\n00:00=Nachttarif\n[Wochenende]\n00:00=Abendtarif\n");
  }
  FakeForm& Main() { return *forms.forms.at(0); }
  std::string InternetProfile() { return registry.values["HKCU\\remoteaccess\\InternetProfile"]; }
};

}  // namespace tarvio::test
