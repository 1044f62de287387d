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

TEST_F(TrayTest, HookingSavesThePreviousProcedureAndUnhookingPutsItBack) {
  for (int round = 0; round < 2; ++round) {
    tray.HookWindow(kWindow);
    EXPECT_EQ(tray.HookedWindow(), kWindow) << round;
    EXPECT_EQ(tray.PrevWndProc(), kOldProcedure) << round;
    EXPECT_EQ(hook.procedures[kWindow], RecordingWindowHook::kSinkProcedure) << round;
    tray.UnhookWindow();
    EXPECT_EQ(hook.procedures[kWindow], kOldProcedure) << round;
    // The module state stays: the icon's removal after the unhook still names the window.
    EXPECT_EQ(tray.HookedWindow(), kWindow) << round;
    EXPECT_EQ(tray.PrevWndProc(), kOldProcedure) << round;
  }
  tray.RemoveTrayIcon(0);
  EXPECT_EQ(icon.requests.back().record.hWnd, kWindow);
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

TEST_F(TrayTest, IconMessagesAreConsumedAndOnlyPressesAndDoubleClicksShowTheWindow) {
  tray.HookWindow(kWindow);
  hook.answer = 99;
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

TEST_F(TrayTest, NewTaskbarGetsTheIconBackUntilItIsRemovedAndTheMessageStillReachesTheOldProcedure) {
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
  tray.RemoveTrayIcon(0);
  hook.Send(kWindow, icon.taskbarCreated, 0, 0);
  EXPECT_EQ(icon.requests.size(), 3u);
}

TEST_F(TrayTest, UnregisteredTaskbarMessageDoesNotTurnNullMessagesIntoReAdds) {
  icon.taskbarCreated = 0;
  tray.HookWindow(kWindow);
  tray.AddTrayIcon(0, 0x55, "Tarvio");
  hook.Send(kWindow, 0, 0, 0);
  EXPECT_EQ(icon.requests.size(), 1u);
  EXPECT_EQ(hook.delivered.size(), 1u);
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
