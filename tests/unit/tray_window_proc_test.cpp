#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/portable/cp1252_codec.h"
#include "platform/portable/recording_notify_icon.h"
#include "platform/portable/recording_window_hook.h"
#include "tray/ni_private.h"
#include "tray/ni_public.h"

namespace tarvio::tray {
namespace {

using platform::portable::RecordingWindowHook;

constexpr platform::WindowHandle kWindow = 0x2A0;
constexpr platform::WindowProcedure kOldProcedure = 0x7000;
constexpr std::uint32_t kWmPaint = 15;

class TrayTest : public testing::Test {
 protected:
  TrayTest() { hook.procedures[kWindow] = kOldProcedure; }

  platform::portable::RecordingNotifyIcon icon;
  RecordingWindowHook hook;
  platform::portable::Cp1252Codec codec;
  int shown = 0;
  NI_Public reaction{[this] { ++shown; }};
  NI_Private tray{icon, hook, codec, reaction};
};

TEST_F(TrayTest, HookSavesThePreviousProcedureAndInstallsItsOwn) {
  tray.HookWindow(kWindow);
  EXPECT_EQ(tray.HookedWindow(), kWindow);
  EXPECT_EQ(tray.PrevWndProc(), kOldProcedure);
  EXPECT_EQ(hook.procedures[kWindow], RecordingWindowHook::kSinkProcedure);
}

TEST_F(TrayTest, ButtonPressesAndDoubleClicksShowTheWindowAndNothingReachesTheOldProcedure) {
  tray.HookWindow(kWindow);
  for (const std::intptr_t mouse : {513, 515, 516, 518}) {
    EXPECT_EQ(hook.Send(kWindow, 1024, 0, mouse), 0) << mouse;
  }
  EXPECT_EQ(shown, 4);
  EXPECT_TRUE(hook.delivered.empty());
}

TEST_F(TrayTest, ReleasesAndMovesAreConsumedWithoutShowingTheWindow) {
  tray.HookWindow(kWindow);
  hook.answer = 99;
  for (const std::intptr_t mouse : {512, 514, 517, 0, -1}) {
    EXPECT_EQ(hook.Send(kWindow, 1024, 0, mouse), 0) << mouse;
  }
  EXPECT_EQ(shown, 0);
  EXPECT_TRUE(hook.delivered.empty());
}

TEST_F(TrayTest, OtherMessagesReachTheOldProcedureUnchangedAndItsResultComesBack) {
  tray.HookWindow(kWindow);
  hook.answer = -77;
  EXPECT_EQ(tray.TrayWindowProc(0x999, kWmPaint, 0xAB, -5), -77);
  EXPECT_EQ(hook.Send(kWindow, 1023, 1, 2), -77);
  const std::vector<RecordingWindowHook::Delivery> expected{{kOldProcedure, 0x999, kWmPaint, 0xAB, -5},
                                                            {kOldProcedure, kWindow, 1023, 1, 2}};
  EXPECT_EQ(hook.delivered, expected);
  EXPECT_EQ(shown, 0);
}

TEST_F(TrayTest, AddNamesTheHookedWindowAndDeleteCarriesIconOneAndEmptyTip) {
  tray.HookWindow(kWindow);
  tray.AddTrayIcon(0, 0x55, "Tarvio");
  tray.RemoveTrayIcon(0);
  ASSERT_EQ(icon.requests.size(), 2u);
  const auto& add = icon.requests[0];
  const auto& remove = icon.requests[1];
  EXPECT_EQ(add.code, 0u);
  EXPECT_EQ(remove.code, 2u);
  EXPECT_EQ(remove.record.hWnd, kWindow);
  EXPECT_EQ(remove.record.uID, add.record.uID);
  EXPECT_EQ(remove.record.hIcon, 1u);
  EXPECT_EQ(remove.record.uFlags, 7u);
  EXPECT_EQ(remove.record.uCallbackMessage, 1024u);
  EXPECT_EQ(std::string(remove.record.szTip.begin(), remove.record.szTip.end()), '\0' + std::string(63, ' '));
}

TEST_F(TrayTest, UnhookRestoresTheProcedureButKeepsTheModuleState) {
  tray.HookWindow(kWindow);
  tray.UnhookWindow();
  EXPECT_EQ(hook.procedures[kWindow], kOldProcedure);
  EXPECT_EQ(tray.HookedWindow(), kWindow);
  EXPECT_EQ(tray.PrevWndProc(), kOldProcedure);
  tray.RemoveTrayIcon(0);
  EXPECT_EQ(icon.requests.back().record.hWnd, kWindow);
}

TEST_F(TrayTest, NewTaskbarGetsTheIconBackAndTheMessageStillReachesTheOldProcedure) {
  tray.HookWindow(kWindow);
  tray.AddTrayIcon(0, 0x55, "Tarvio");
  hook.Send(kWindow, icon.taskbarCreated, 0, 0);
  ASSERT_EQ(icon.requests.size(), 2u);
  EXPECT_EQ(icon.requests[1].code, 0u);
  EXPECT_EQ(icon.requests[1].record.hWnd, kWindow);
  EXPECT_EQ(icon.requests[1].record.uID, 0u);
  EXPECT_EQ(icon.requests[1].record.hIcon, 0x55u);
  EXPECT_EQ(icon.requests[1].record.szTip, icon.requests[0].record.szTip);
  ASSERT_EQ(hook.delivered.size(), 1u);
  EXPECT_EQ(hook.delivered[0].message, icon.taskbarCreated);
}

TEST_F(TrayTest, NewTaskbarAfterRemovalAddsNothing) {
  tray.HookWindow(kWindow);
  tray.AddTrayIcon(0, 0x55, "Tarvio");
  tray.RemoveTrayIcon(0);
  hook.Send(kWindow, icon.taskbarCreated, 0, 0);
  EXPECT_EQ(icon.requests.size(), 2u);
}

TEST_F(TrayTest, UnregisteredTaskbarMessageDoesNotTurnNullMessagesIntoReAdds) {
  icon.taskbarCreated = 0;
  tray.HookWindow(kWindow);
  tray.AddTrayIcon(0, 0x55, "Tarvio");
  hook.Send(kWindow, 0, 0, 0);
  EXPECT_EQ(icon.requests.size(), 1u);
  EXPECT_EQ(hook.delivered.size(), 1u);
}

TEST_F(TrayTest, SecondHookWhileHookedKeepsTheFirstPreviousProcedure) {
  tray.HookWindow(kWindow);
  tray.HookWindow(kWindow);
  EXPECT_EQ(tray.PrevWndProc(), kOldProcedure);
  hook.Send(kWindow, kWmPaint, 0, 0);
  EXPECT_FALSE(hook.recursed);
  ASSERT_EQ(hook.delivered.size(), 1u);
  tray.UnhookWindow();
  EXPECT_EQ(hook.procedures[kWindow], kOldProcedure);
}

TEST_F(TrayTest, HookingAgainAfterUnhookWorks) {
  tray.HookWindow(kWindow);
  tray.UnhookWindow();
  tray.HookWindow(kWindow);
  EXPECT_EQ(tray.PrevWndProc(), kOldProcedure);
  EXPECT_EQ(hook.procedures[kWindow], RecordingWindowHook::kSinkProcedure);
}

TEST(NI_Public, ClickWithoutAShowFunctionDoesNothing) {
  NI_Public reaction(nullptr);
  reaction.TrayIconClicked(0);
  int shown = 0;
  NI_Public counting([&] { ++shown; });
  counting.TrayIconClicked(12345);
  EXPECT_EQ(shown, 1);
}

}  // namespace
}  // namespace tarvio::tray
