// The notify record, the window hook, the shell and the program file on the real system.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "extras/documents.h"
#include "extras/version_suffix.h"
#include "fakes/fake_system.h"
#include "fakes/fake_toolkit.h"
#include "platform/win32/ansi.h"
#include "platform/win32/notify_record.h"
#include "platform/win32/scoped.h"
#include "platform/win32/win32_notify_icon.h"
#include "platform/win32/win32_program_info.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_window_hook.h"
#include "tray/ni_private.h"
#include "tray/ni_public.h"

namespace tarvio::platform::win32 {
namespace {

// The first form of the record, as every shell from Windows 95 on accepts it: 88 bytes in
// the 32-bit program, 104 in the 64-bit one; the second, whose tip is twice as long, where
// shell32 is 5.0 or later (Wine's is 6.0).
TEST(NotifyRecord, IsTheFormTheShellKnowsWithMessageIconAndATipCutAtAWholeCharacter) {
  static_assert(sizeof(void*) == 8 || (NOTIFYICONDATAA_V1_SIZE == 88 && NOTIFYICONDATAA_V2_SIZE == 488));
  static_assert(sizeof(void*) == 4 || (NOTIFYICONDATAA_V1_SIZE == 104 && NOTIFYICONDATAA_V2_SIZE == 504));
  EXPECT_EQ(Win32NotifyIcon().TipBytes(), kSecondFormTipBytes);
  const struct {
    std::string tip;
    std::size_t tipBytes;
    std::string stored;
    DWORD size;
  } rows[] = {{"Tarvio", 64, "Tarvio" + std::string(1, '\0') + std::string(57, ' '), NOTIFYICONDATAA_V1_SIZE},
              {"", 64, '\0' + std::string(63, ' '), NOTIFYICONDATAA_V1_SIZE},
              {"Tarvio", 128, "Tarvio" + std::string(1, '\0') + std::string(121, ' '), NOTIFYICONDATAA_V2_SIZE}};
  for (const auto& row : rows) {
    const NOTIFYICONDATAA record =
        NotifyRecord(reinterpret_cast<HWND>(0x2A0), 7, reinterpret_cast<HICON>(1), row.tip, row.tipBytes);
    EXPECT_EQ(record.cbSize, row.size);
    EXPECT_EQ(std::vector<std::uintptr_t>({reinterpret_cast<std::uintptr_t>(record.hWnd), record.uID, record.uFlags,
                                           record.uCallbackMessage, reinterpret_cast<std::uintptr_t>(record.hIcon)}),
              std::vector<std::uintptr_t>({0x2A0, 7, 7, 1024, 1}));
    EXPECT_EQ(std::string(record.szTip, row.tipBytes), row.stored) << row.tip;
  }
  // A tip too long for the shell keeps the whole characters that fit before "...": in a
  // double-byte code page and in UTF-8 the cut never falls inside a character (short tips
  // here, where a cut at the byte would).
  const struct {
    std::string tip;
    std::size_t tipBytes;
    unsigned codePage;
    std::string kept;  // before the "..."; the whole tip where it fits
  } cuts[] = {{"Tarvio: äääääää", 16, 1252, "Tarvio: äääääää"},
              {"Tarvio: ääääääää", 16, 1252, "Tarvio: ääää..."},
              {"Tarvio: 接接接接", 15, 932, "Tarvio: 接..."},
              {"Tarvio: €€€", 16, 65001, "Tarvio: €..."}};
  for (const auto& cut : cuts) {
    EXPECT_EQ(TipInCodePage(cut.tip, cut.tipBytes, cut.codePage), ToCodePage(cut.kept, cut.codePage)) << cut.tip;
  }
}

// A window of its own whose procedure notes the messages from WM_USER on that reach it.
std::vector<UINT> g_received;
LRESULT CALLBACK OwnProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message < WM_USER) return DefWindowProcA(window, message, wParam, lParam);
  g_received.push_back(message + static_cast<UINT>(lParam));
  return 0x1234;
}

// The hooked window's own procedure sees exactly the messages the hook passes on, and
// gets its place back when the hook goes.
TEST(Win32WindowHook, TheIconsMessagesStayWithTheHookAndOthersReachTheOldProcedure) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = OwnProcedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "TarvioHookTest";
  RegisterClassA(&windowClass);
  const ScopedWindow window(CreateWindowA("TarvioHookTest", "", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50, nullptr, nullptr,
                                          windowClass.hInstance, nullptr));
  ASSERT_TRUE(window);
  Win32WindowHook hook;
  test::FakeNotifyIcon icon;
  int shown = 0;
  tray::NI_Public reaction([&] { ++shown; });
  tray::NI_Private tray(icon, hook, reaction);
  tray.HookWindow(reinterpret_cast<WindowHandle>(window.Get()));
  EXPECT_EQ(tray.PrevWndProc(), reinterpret_cast<WindowProcedure>(&OwnProcedure));
  for (const LPARAM mouse : {512, 513, 514, 515, 516, 517, 518})
    EXPECT_EQ(SendMessageA(window.Get(), 1024, 0, mouse), 0);
  EXPECT_EQ(shown, 4);
  EXPECT_EQ(SendMessageA(window.Get(), 1029, 0, 3), 0x1234);
  tray.UnhookWindow();
  EXPECT_EQ(SendMessageA(window.Get(), 1024, 0, 513), 0x1234);
  EXPECT_EQ(g_received, (std::vector<UINT>{1032, 1537}));
  EXPECT_EQ(shown, 4);
}

// The test program carries a version resource of known numbers.
TEST(Win32ProgramInfo, ReadsTheVersionAndTheFolderOfTheRunningProgram) {
  const Win32ProgramInfo program;
  EXPECT_EQ(extras::VersionSuffix(program), " (V1.0.203)");
  const std::string path = program.ProgramFilePath();
  ASSERT_TRUE(path.ends_with("tarvio_tests.exe")) << path;
  Win32Shell shell;
  test::FakeToolkit toolkit;
  EXPECT_EQ(extras::Documents(shell, program, toolkit).AppDirectory() + "tarvio_tests.exe", path);
  // A document that does not exist is not reported: a message box would hold the test
  // until its time runs out.
  shell.Open(0, "C:\\gibt-es-nicht\\nirgends\\fehlt.txt", ShowCommand::Normal);
  EXPECT_FALSE(shell.StartSystemProgram("fehlt.exe", "fehlt.exe", ShowCommand::Normal));
}

}  // namespace
}  // namespace tarvio::platform::win32
