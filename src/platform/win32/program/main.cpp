// tarvio.exe: builds the real Win32 back-ends, hands them to MainForm and runs the
// message loop until no window of the program is open any more.
#include <windows.h>
#include <objbase.h>

#include "app/main_form.h"
#include "app/platform_bundle.h"
#include "ids.h"
#include "platform/resource_ids.h"
#include "platform/win32/form_factory.h"
#include "platform/win32/message_pump.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_codec.h"
#include "platform/win32/win32_instance_check.h"
#include "platform/win32/win32_notify_icon.h"
#include "platform/win32/win32_phonebook.h"
#include "platform/win32/win32_profile_reader.h"
#include "platform/win32/win32_program_info.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_screen.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_toolkit.h"
#include "platform/win32/win32_window_hook.h"

static_assert(IDI_TARVIO == tarvio::platform::kProgramIconId);
static_assert(IDI_INFO == tarvio::platform::kInfoIconId);
static_assert(IDR_INFO_PICTURE == tarvio::platform::kInfoPictureId);
static_assert(IDI_BUTTON_LISTS == tarvio::platform::kButtonIconListsId);
static_assert(IDI_BUTTON_LEAVE == tarvio::platform::kButtonIconLeaveId);
static_assert(IDI_BUTTON_HIDE == tarvio::platform::kButtonIconHideId);

namespace {

// The mutex that tells a second start in the same session that Tarvio runs already.
constexpr const char* kInstanceMutexName = "Tarvio.SingleInstance";

// The info dialog's picture is loaded through OLE.
class ComApartment {
 public:
  ComApartment() : initialized_(SUCCEEDED(CoInitialize(nullptr))) {}
  ~ComApartment() {
    if (initialized_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool initialized_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace tarvio::platform::win32;
  ComApartment com;
  Win32Codec codec;
  Win32Registry registry;
  Win32ProfileReader profileReader;
  Win32Clock clock;
  Win32Toolkit toolkit(codec);
  Win32FormFactory formFactory(codec);
  Win32Screen screen;
  Win32NotifyIcon notifyIcon;
  Win32WindowHook windowHook;
  Win32Shell shell(codec);
  Win32ProgramInfo programInfo(codec);
  Win32InstanceCheck instanceCheck(kInstanceMutexName);
  Win32Phonebook phonebook(codec);

  tarvio::app::MainForm mainForm({registry, profileReader, codec, clock, toolkit, formFactory, screen, notifyIcon,
                                  windowHook, shell, programInfo, instanceCheck, phonebook});
  if (!mainForm.Form_Load()) return 0;
  // Ends when the last window of the program is gone: the main window after its unload,
  // or the info dialog when it outlives the main window.
  return formFactory.OpenForms() > 0 ? RunMessageLoop() : 0;
}
