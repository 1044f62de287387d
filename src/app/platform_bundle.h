#pragma once
// Everything the program needs of the outside world, handed to MainForm in one piece:
// the real Win32 back-ends in tarvio.exe, the portable ones in the tests.

namespace tarvio::platform {
class AnsiCodec;
class Clock;
class FormFactory;
class InstanceCheck;
class NotifyIcon;
class Phonebook;
class ProfileReader;
class ProgramInfo;
class Registry;
class Screen;
class Shell;
class Toolkit;
class WindowHook;
}  // namespace tarvio::platform

namespace tarvio::app {

struct PlatformBundle {
  platform::Registry& registry;
  platform::ProfileReader& profileReader;
  const platform::AnsiCodec& codec;
  platform::Clock& clock;
  platform::Toolkit& toolkit;
  platform::FormFactory& formFactory;
  const platform::Screen& screen;
  platform::NotifyIcon& notifyIcon;
  platform::WindowHook& windowHook;
  platform::Shell& shell;  // documents and process start
  const platform::ProgramInfo& programInfo;
  platform::InstanceCheck& instanceCheck;
  platform::Phonebook& phonebook;  // dial-up entries of Windows XP and later
};

}  // namespace tarvio::app
