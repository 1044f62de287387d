// The tray hook on real windows: the hooked window's own procedure must see exactly the
// messages the hook passes on, and get its place back when the hook goes.
#ifdef _WIN32

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/portable/cp1252_codec.h"
#include "platform/portable/recording_notify_icon.h"
#include "platform/win32/win32_probe_window.h"
#include "platform/win32/win32_window_hook.h"
#include "tray/ni_private.h"
#include "tray/ni_public.h"

namespace tarvio::tray {
namespace {

using platform::win32::ProbeWindow;
using Received = ProbeWindow::Received;

constexpr std::uint32_t kWmUser = 1024;

class HookOnRealWindow : public testing::Test {
 protected:
  ProbeWindow window;
  platform::win32::Win32WindowHook hook;
  platform::portable::RecordingNotifyIcon icon;  // the hook is under test, not the taskbar
  platform::portable::Cp1252Codec codec;
  std::vector<std::uintptr_t> clicks;
  int shown = 0;
  NI_Public reaction{[this] { ++shown; }};
  NI_Private tray{icon, hook, codec, reaction};
};

TEST_F(HookOnRealWindow, IconMessagesStayWithTheHookAndOthersReachTheOldProcedure) {
  ASSERT_NE(window.Handle(), 0u);
  tray.HookWindow(window.Handle());
  EXPECT_EQ(tray.PrevWndProc(), ProbeWindow::OwnProcedure());
  EXPECT_NE(window.CurrentProcedure(), ProbeWindow::OwnProcedure());

  for (const std::intptr_t mouse : {512, 513, 514, 515, 516, 517, 518}) {
    EXPECT_EQ(window.Send(kWmUser, 0, mouse), 0) << mouse;
  }
  EXPECT_EQ(shown, 4);
  EXPECT_EQ(window.Send(kWmUser + 5, 0xBEEF, -3), ProbeWindow::kAnswer);
  EXPECT_EQ(window.ReceivedAtLeast(kWmUser), (std::vector<Received>{{kWmUser + 5, 0xBEEF, -3}}));
}

TEST_F(HookOnRealWindow, UnhookPutsTheOldProcedureBack) {
  tray.HookWindow(window.Handle());
  tray.UnhookWindow();
  EXPECT_EQ(window.CurrentProcedure(), ProbeWindow::OwnProcedure());
  EXPECT_EQ(window.Send(kWmUser, 0, 513), ProbeWindow::kAnswer);
  EXPECT_EQ(shown, 0);
  EXPECT_EQ(window.ReceivedAtLeast(kWmUser), (std::vector<Received>{{kWmUser, 0, 513}}));
  EXPECT_EQ(tray.HookedWindow(), window.Handle());
}

TEST_F(HookOnRealWindow, NewTaskbarReAddsTheIconAndPassesTheMessageOn) {
  icon.taskbarCreated = 0xC123;
  tray.HookWindow(window.Handle());
  tray.AddTrayIcon(0, 0, "Tarvio");
  EXPECT_EQ(window.Send(0xC123, 0, 0), ProbeWindow::kAnswer);
  ASSERT_EQ(icon.requests.size(), 2u);
  EXPECT_EQ(icon.requests[1].code, 0u);
  EXPECT_EQ(icon.requests[1].record.hWnd, window.Handle());
  tray.UnhookWindow();
}

}  // namespace
}  // namespace tarvio::tray

#endif  // _WIN32
