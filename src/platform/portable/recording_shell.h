#pragma once
// A shell that opens nothing and starts nothing: keeps every request for the test.
#include <string>
#include <vector>

#include "platform/shell.h"

namespace tarvio::platform::portable {

class RecordingShell final : public Shell {
 public:
  struct Opened {
    WindowHandle owner;
    std::string operation;
    std::string file;
    int showCommand;
    bool operator==(const Opened&) const = default;
  };
  struct Started {
    std::string commandLine;
    int windowStyle;
    bool operator==(const Started&) const = default;
  };

  void Execute(WindowHandle owner, const std::string& operation, const std::string& file,
               int showCommand) override {
    opened.push_back({owner, operation, file, showCommand});
  }
  void StartProcess(const std::string& commandLine, int windowStyle) override {
    started.push_back({commandLine, windowStyle});
  }

  std::vector<Opened> opened;
  std::vector<Started> started;
};

}  // namespace tarvio::platform::portable
