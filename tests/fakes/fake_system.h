#pragma once
// The smaller parts of the outside world, each as the test sets it and recording what
// the program asked of it.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/ansi_code_page.h"
#include "platform/clock.h"
#include "platform/instance_check.h"
#include "platform/notify_icon.h"
#include "platform/phonebook.h"
#include "platform/program_info.h"
#include "platform/screen.h"
#include "platform/shell.h"
#include "platform/utf8.h"
#include "platform/window_hook.h"

namespace tarvio::test {

class FakeClock final : public platform::Clock {
 public:
  platform::LocalTime Now() override {
    ++readings;
    return now;
  }
  platform::LocalTime now{2, 8, 0, 3};  // a Tuesday, 08:00:03
  int readings = 0;
};

// A code page of one byte a character that holds what Latin-1 holds.
class FakeAnsiCodePage final : public platform::AnsiCodePage {
 public:
  bool TakesUtf8WithoutMark() const override { return singleByte; }
  bool Holds(std::string_view utf8) const override {
    return std::ranges::all_of(platform::Utf16FromUtf8(utf8), [](char16_t unit) { return unit <= 0xFF; });
  }
  bool singleByte = true;  // false: a double-byte code page such as 932
};

class FakeScreen final : public platform::Screen {
 public:
  platform::ScreenMetrics Metrics() const override { return metrics; }
  platform::ScreenMetrics metrics = platform::MetricsOfScreen(1024, 768, 96, 96);
};

class FakeProgramInfo final : public platform::ProgramInfo {
 public:
  std::string ProgramFilePath() const override { return path; }
  platform::ProgramVersion Version() const override { return version; }
  std::string path = "C:\\Programme\\Tarvio\\tarvio.exe";
  platform::ProgramVersion version{1, 0, 0, 203};
};

class FakeInstanceCheck final : public platform::InstanceCheck {
 public:
  bool AnotherInstanceRunning() override { return anotherRunning; }
  void ShowRunningInstance() override { ++showRequests; }
  bool anotherRunning = false;
  int showRequests = 0;
};

class FakePhonebook final : public platform::Phonebook {
 public:
  std::vector<std::string> EntryNames() override { return entries; }
  std::vector<std::string> entries;
};

class FakeShell final : public platform::Shell {
 public:
  void Open(platform::WindowHandle owner, std::string_view document, platform::ShowCommand show) override {
    opened.push_back(std::to_string(owner) + " " + std::string(document) + Show(show));
    if (onOpen) onOpen();  // what happens while the shell runs a message loop of its own
  }
  bool StartSystemProgram(std::string_view program, std::string_view commandLine, platform::ShowCommand show) override {
    started.push_back(std::string(program) + ": " + std::string(commandLine) + Show(show));
    return systemProgramsThere;
  }
  static std::string Show(platform::ShowCommand s) { return s == platform::ShowCommand::Normal ? " (1)" : " (10)"; }
  std::vector<std::string> opened;   // "owner document (show command)"
  std::vector<std::string> started;  // "program: command line (show command)"
  bool systemProgramsThere = true;   // false: this Windows lacks the program asked for
  std::function<void()> onOpen;
};

// A shell that keeps its icons; while busy it refuses every request, and a refused add
// may still be carried out late, as a busy Explorer does after a time-out.
class FakeNotifyIcon final : public platform::NotifyIcon {
 public:
  bool Notify(platform::NotifyRequest request, platform::WindowHandle window, std::uint32_t iconId,
              platform::IconHandle icon, std::string_view tip) override {
    using enum platform::NotifyRequest;
    requests.push_back((request == Add      ? "add "
                        : request == Modify ? "modify "
                                            : "delete ") +
                       std::to_string(window) + " " + std::to_string(iconId) + " " + std::to_string(icon) + " " +
                       std::string(tip));
    if (onRequest) onRequest();
    if (busyRequests > 0) {
      --busyRequests;
      if (request == Add && addsLate) icons.insert(iconId);
      return false;
    }
    if (request == Add) return icons.insert(iconId).second;
    return request == Modify ? icons.count(iconId) != 0 : icons.erase(iconId) != 0;
  }
  std::uint32_t TaskbarCreatedMessage() override { return taskbarCreated; }
  // Explorer started anew: a taskbar without icons.
  std::uint32_t NewTaskbar() {
    icons.clear();
    return taskbarCreated;
  }
  std::function<void()> onRequest;
  std::vector<std::string> requests;      // "add|modify|delete window id icon tip"
  std::set<std::uint32_t> icons;          // the ones the taskbar shows
  int busyRequests = 0;                   // refused before the shell answers again
  bool addsLate = false;                  // a refused add shows up all the same
  std::uint32_t taskbarCreated = 0xC0F0;  // registered messages lie in 0xC000..0xFFFF
};

// Windows without a window system: each window has its current procedure. A message
// sent to a window runs the sink while the sink's procedure is installed; any other
// procedure is foreign: the delivery is recorded and answered with 0x600 + message.
class FakeWindowHook final : public platform::WindowHook {
 public:
  static constexpr platform::WindowProcedure kSink = 0x5150;
  platform::WindowProcedure SinkProcedure(platform::WindowMessageSink& sink) override {
    sink_ = &sink;
    return kSink;
  }
  platform::WindowProcedure SetWindowProcedure(platform::WindowHandle window,
                                               platform::WindowProcedure procedure) override {
    return std::exchange(procedures[window], procedure);
  }
  std::intptr_t CallWindowProcedure(platform::WindowProcedure procedure, platform::WindowHandle window,
                                    std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override {
    // A procedure that calls itself would never return on Windows.
    if (procedure == kSink) {
      ++recursions;
      return 0;
    }
    delivered.push_back(std::to_string(procedure) + " " + std::to_string(window) + " " + std::to_string(message) + " " +
                        std::to_string(wParam) + " " + std::to_string(lParam));
    return 0x600 + static_cast<std::intptr_t>(message);
  }
  std::intptr_t Send(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wParam = 0,
                     std::intptr_t lParam = 0) {
    return procedures[window] == kSink ? sink_->WindowMessage(window, message, wParam, lParam)
                                       : CallWindowProcedure(procedures[window], window, message, wParam, lParam);
  }
  std::map<platform::WindowHandle, platform::WindowProcedure> procedures;
  std::vector<std::string> delivered;  // "procedure window message wParam lParam"
  int recursions = 0;

 private:
  platform::WindowMessageSink* sink_ = nullptr;
};

}  // namespace tarvio::test
