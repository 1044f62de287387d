#include "platform/win32/win32_platform.h"

#include "platform/win32/form_factory.h"
#include "platform/win32/message_pump.h"
#include "platform/win32/win32_ansi_code_page.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_file_reader.h"
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

namespace tarvio::platform::win32 {

struct Win32Platform::BackEnds {
  Win32Registry registry;
  Win32ProfileReader profileReader;
  Win32Clock clock;
  Win32Toolkit toolkit;
  Win32FormFactory formFactory;
  Win32Screen screen;
  Win32NotifyIcon notifyIcon;
  Win32WindowHook windowHook;
  Win32Shell shell;
  Win32ProgramInfo programInfo;
  // Tells a second start in the same session that the program runs already.
  Win32InstanceCheck instanceCheck{"Local\\Tarvio.SingleInstance", "Tarvio.SingleInstance"};
  Win32Phonebook phonebook;
  Win32FileReader fileReader;
  Win32AnsiCodePage ansiCodePage;
};

Win32Platform::Win32Platform() : backEnds_(std::make_unique<BackEnds>()) {}
Win32Platform::~Win32Platform() = default;

PlatformBundle Win32Platform::Bundle() {
  BackEnds& b = *backEnds_;
  return {b.registry,   b.profileReader, b.clock,       b.toolkit,       b.formFactory, b.screen,     b.notifyIcon,
          b.windowHook, b.shell,         b.programInfo, b.instanceCheck, b.phonebook,   b.fileReader, b.ansiCodePage};
}

int Win32Platform::Run(bool started) {
  return started && backEnds_->formFactory.OpenForms() > 0 ? RunMessageLoop() : 0;
}

}  // namespace tarvio::platform::win32
