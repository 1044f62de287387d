#pragma once
// Everything the program needs of the outside world, handed to MainForm in one piece:
// the real Win32 back-ends in tarvio.exe, small doubles in the tests.

namespace tarvio::platform {

class AnsiCodePage;
class Clock;
class FileReader;
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

struct PlatformBundle {
  Registry& registry;
  ProfileReader& profileReader;
  Clock& clock;
  Toolkit& toolkit;
  FormFactory& formFactory;
  const Screen& screen;
  NotifyIcon& notifyIcon;
  WindowHook& windowHook;
  Shell& shell;  // documents and process start
  const ProgramInfo& programInfo;
  InstanceCheck& instanceCheck;
  Phonebook& phonebook;              // dial-up entries of Windows XP and later
  FileReader& fileReader;            // the plan file's bytes
  const AnsiCodePage& ansiCodePage;  // the code page of the "A" functions
};

}  // namespace tarvio::platform
