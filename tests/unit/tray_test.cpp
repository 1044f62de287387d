// The tray icon and the hook on the window that receives its messages.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "fakes/fake_system.h"
#include "tray/ni_private.h"
#include "tray/ni_public.h"

namespace tarvio::tray {
namespace {

using Texts = std::vector<std::string>;

constexpr platform::WindowHandle kWindow = 700;
constexpr platform::WindowProcedure kOldProcedure = 7000;

class Tray : public ::testing::Test {
 protected:
  Tray() { hook.procedures[kWindow] = kOldProcedure; }

  test::FakeNotifyIcon icon;
  test::FakeWindowHook hook;
  int shown = 0;
  NI_Public reaction{[this] { ++shown; }};
  NI_Private tray{icon, hook, reaction};
};

TEST_F(Tray, HookingSavesThePreviousProcedureOnceAndUnhookingPutsItBack) {
  for (int round = 0; round < 2; ++round) {
    tray.HookWindow(kWindow);
    tray.HookWindow(kWindow);  // a second hook would save the hook itself as the previous one
    EXPECT_EQ(tray.PrevWndProc(), kOldProcedure);
    EXPECT_EQ(hook.procedures[kWindow], test::FakeWindowHook::kSink);
    hook.Send(kWindow, 15);
    tray.UnhookWindow();
    EXPECT_EQ(hook.procedures[kWindow], kOldProcedure);
  }
  EXPECT_EQ(hook.recursions, 0);
  // The module state stays: a request after the unhook still names the window.
  tray.RemoveTrayIcon(0);
  EXPECT_EQ(icon.requests.back(), "delete 700 0 1 ");
  EXPECT_EQ(tray.HookedWindow(), kWindow);
}

TEST_F(Tray, IconMessagesAreConsumedAndOnlyPressesAndDoubleClicksShowTheWindow) {
  tray.HookWindow(kWindow);
  const struct {
    std::intptr_t mouse;
    bool shows;
  } rows[] = {{513, true},  {515, true},  {516, true}, {518, true}, {512, false},
              {514, false}, {517, false}, {0, false},  {-1, false}};
  for (const auto& row : rows) {
    const int before = shown;
    EXPECT_EQ(hook.Send(kWindow, 1024, 0, row.mouse), 0) << row.mouse;
    EXPECT_EQ(shown - before, row.shows ? 1 : 0) << row.mouse;
  }
  EXPECT_TRUE(hook.delivered.empty());
  // Other messages reach the old procedure unchanged, and its result comes back.
  EXPECT_EQ(tray.TrayWindowProc(999, 15, 171, -5), 0x600 + 15);
  EXPECT_EQ(hook.Send(kWindow, 1023, 1, 2), 0x600 + 1023);
  EXPECT_EQ(hook.delivered, (Texts{"7000 999 15 171 -5", "7000 700 1023 1 2"}));
}

// A restarted Explorer has a new taskbar without icons: the ones still wanted go back,
// the message itself goes on to the old procedure.
TEST_F(Tray, ANewTaskbarGetsBackTheIconsNotRemoved) {
  tray.HookWindow(kWindow);
  tray.AddTrayIcon(0, 0x55, "Tarvio");
  tray.AddTrayIcon(1, 0x66, "Zwei");
  tray.AddTrayIcon(0, 0x55, "Tarvio neu");  // the same icon again, with another tip
  icon.requests.clear();
  hook.Send(kWindow, icon.NewTaskbar());
  EXPECT_EQ(icon.requests, (Texts{"add 700 1 102 Zwei", "add 700 0 85 Tarvio neu"}));
  tray.RemoveTrayIcon(1);
  // A new taskbar that is still busy drops the add; the clock asks again.
  icon.busyRequests = 1;
  hook.Send(kWindow, icon.NewTaskbar());
  EXPECT_EQ(icon.requests.back(), "add 700 0 85 Tarvio neu");
  tray.RetryRefusedIcons();
  EXPECT_EQ(icon.icons, std::set<std::uint32_t>{0});
  tray.RemoveTrayIcon(0);
  EXPECT_EQ(icon.requests.back(), "delete 700 0 1 ");
  hook.Send(kWindow, icon.NewTaskbar());
  tray.RetryRefusedIcons();
  EXPECT_EQ(icon.requests.size(), 6u);
  EXPECT_EQ(hook.delivered.size(), 3u);
}

// At logon Explorer is busy and drops an add it could not answer in time, sometimes
// carrying it out later all the same: the clock's turns ask again, an add and then a
// modify, until the icon is there. Each request to a taskbar that does not answer costs
// the program its wait: while it keeps refusing, the retries come further apart, up to
// every tenth turn.
TEST_F(Tray, AnAddTheShellDropsIsAskedForAgainLessOftenWhileItKeepsRefusing) {
  tray.HookWindow(kWindow);
  int turn = 0;
  std::string asked;
  icon.onRequest = [&] { asked += " " + std::to_string(turn) + icon.requests.back().substr(0, 1); };
  const struct {
    int busyRequests;
    bool addsLate;
    const char* asked;  // turn and kind of each request; turn 0 is the add itself
  } rows[] = {{0, false, " 0a"},
              {2, false, " 0a 1a 1m 3a"},
              {1, true, " 0a 1a 1m"},
              {14, false, " 0a 1a 1m 3a 3m 7a 7m 15a 15m 25a 25m 35a 35m 45a 45m 55a"}};
  for (const auto& row : rows) {
    icon.busyRequests = row.busyRequests;
    icon.addsLate = row.addsLate;
    asked.clear();
    turn = 0;
    tray.AddTrayIcon(0, 0x55, "Tarvio");
    for (turn = 1; turn <= 70; ++turn) tray.RetryRefusedIcons();
    EXPECT_EQ(asked, row.asked) << row.busyRequests;
    EXPECT_EQ(icon.requests.back().substr(icon.requests.back().find(' ')), " 700 0 85 Tarvio");
    EXPECT_EQ(icon.icons, std::set<std::uint32_t>{0});
    tray.RemoveTrayIcon(0);
  }
}

// Without a registered message number, 0 (WM_NULL) must not count as a new taskbar.
TEST_F(Tray, AnUnregisteredTaskbarMessageReAddsNothing) {
  icon.taskbarCreated = 0;
  tray.HookWindow(kWindow);
  tray.AddTrayIcon(0, 0x55, "Tarvio");
  hook.Send(kWindow, 0);
  EXPECT_EQ(icon.requests.size(), 1u);
  NI_Public(nullptr).TrayIconClicked(0);  // without a show function a click does nothing
}

}  // namespace
}  // namespace tarvio::tray
