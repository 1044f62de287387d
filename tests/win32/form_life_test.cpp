// Forms made and unloaded month after month on the real user32 and gdi32: each gives back
// what it held, each handle once, and a window Windows refuses is no form.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "extras/info_form_layout.h"
#include "fakes/fake_forms.h"
#include "platform/win32/form_factory.h"

namespace tarvio::platform::win32 {
namespace {

// What the process holds, as Windows counts it (GDI and USER objects, kernel handles) and
// probed handle by handle (GDI objects, this thread's windows, kernel handles): Wine 8
// answers 0 to GetGuiResources and GetProcessHandleCount, but its tables take any 16-bit
// handle value.
std::vector<std::uintptr_t> Holdings() {
  HANDLE self = GetCurrentProcess();
  DWORD handles = 0;
  GetProcessHandleCount(self, &handles);
  std::vector<std::uintptr_t> held{
      GetGuiResources(self, GR_GDIOBJECTS), GetGuiResources(self, GR_USEROBJECTS), handles, 0, 0, 0};
  for (std::uintptr_t value = 1; value < 0x10000; ++value) {
    const auto window = reinterpret_cast<HWND>(value);
    DWORD flags = 0;
    held[3] += GetObjectType(reinterpret_cast<HGDIOBJ>(value)) != 0;
    held[4] += IsWindow(window) && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
    held[5] += value % 4 == 0 && GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags);
  }
  return held;
}

// Windows refuses a window when the desktop heap or the USER objects run out; a CBT hook
// that vetoes every window of this thread makes it refuse one here.
LRESULT CALLBACK RefuseWindows(int code, WPARAM wParam, LPARAM lParam) {
  return code == HCBT_CREATEWND ? 1 : CallNextHookEx(nullptr, code, wParam, lParam);
}

// The info dialog's layout has a picture, fonts of its own and tool tips, all made with the
// window (not shown: Wine without a window manager waits a while for each shown window to
// go). Its tool tip window goes with the form's window; had the form destroyed it again
// through its stale handle, the call would have failed and left its error behind.
TEST(FormLifeCycle, FormsGiveBackAllTheyHeldOnceAndARefusedWindowIsNoForm) {
  Win32FormFactory factory;
  test::NoFormEvents events;
  const HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseWindows, nullptr, GetCurrentThreadId());
  EXPECT_EQ(factory.Create(extras::InfoFormLayout(), events), nullptr);
  UnhookWindowsHookEx(hook);
  int failedReleases = 0;
  const auto openAndUnload = [&] {
    std::unique_ptr<Form> form = factory.Create(extras::InfoFormLayout(), events);
    form->SetToolTip(extras::InfoButtonId(extras::kInfoMailButton), "E-Mail");
    form->Unload();
    SetLastError(ERROR_SUCCESS);
    form.reset();
    failedReleases += GetLastError() != ERROR_SUCCESS;
  };
  openAndUnload();  // the class and the common controls load once
  const std::vector<std::uintptr_t> before = Holdings();
  for (int round = 0; round < 200; ++round) openAndUnload();
  EXPECT_EQ(Holdings(), before);
  EXPECT_EQ(failedReleases, 0);
  // The refused window never counted: the last form unloaded ends the program.
  EXPECT_EQ(factory.OpenForms(), 0);
  MSG quit{};
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
}  // namespace tarvio::platform::win32
