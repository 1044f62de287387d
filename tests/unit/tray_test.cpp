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
// carrying it out later all the same. Each tick asks again until the icon is there, then
// never again.
TEST_F(Tray, AnAddTheShellDropsIsAskedForOnTheTicksUntilTheIconIsThere) {
  tray.HookWindow(kWindow);
  const struct {
    int busyRequests;
    bool addsLate;
    Texts requests;  // the add, then three ticks
  } rows[] = {{0, false, {"add"}}, {2, false, {"add", "add", "modify", "add"}}, {1, true, {"add", "add", "modify"}}};
  for (const auto& row : rows) {
    icon.busyRequests = row.busyRequests;
    icon.addsLate = row.addsLate;
    icon.requests.clear();
    tray.AddTrayIcon(0, 0x55, "Tarvio");
    for (int tick = 0; tick < 3; ++tick) tray.RetryRefusedIcons();
    Texts kinds;
    for (const std::string& request : icon.requests) kinds.push_back(request.substr(0, request.find(' ')));
    EXPECT_EQ(kinds, row.requests) << row.busyRequests;
    EXPECT_EQ(icon.requests.back(), kinds.back() + " 700 0 85 Tarvio");
    EXPECT_EQ(icon.icons, std::set<std::uint32_t>{0});
    tray.RemoveTrayIcon(0);
  }
}

// Each request to a taskbar that does not answer makes the program wait: while it keeps
// refusing, the retries come further apart, up to every tenth turn; a new taskbar is asked
// at once, and again at the next turn.
TEST_F(Tray, RetriesBackOffWhileTheShellRefusesAndANewTaskbarStartsAfresh) {
  tray.HookWindow(kWindow);
  icon.busyRequests = 1000;
  tray.AddTrayIcon(0, 0x55, "Tarvio");
  std::vector<int> askedAt;
  for (int turn = 1; turn <= 40; ++turn) {
    if (turn == 38) hook.Send(kWindow, icon.NewTaskbar());
    const std::size_t before = icon.requests.size();
    tray.RetryRefusedIcons();
    if (icon.requests.size() > before) askedAt.push_back(turn);
  }
  EXPECT_EQ(askedAt, (std::vector<int>{1, 3, 7, 15, 25, 35, 38, 40}));
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
