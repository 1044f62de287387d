#pragma once
// A notification area without a shell: keeps every request for the test to examine.
#include <cstdint>
#include <vector>

#include "platform/notify_icon.h"

namespace tarvio::platform::portable {

class RecordingNotifyIcon final : public NotifyIcon {
 public:
  struct Request {
    std::uint32_t code;
    NotifyIconRecord record;
  };

  void ShellNotifyIcon(std::uint32_t request, const NotifyIconRecord& record) override {
    requests.push_back({request, record});
  }
  std::uint32_t TaskbarCreatedMessage() override { return taskbarCreated; }

  std::vector<Request> requests;
  std::uint32_t taskbarCreated = 0xC0F0;  // registered messages lie in 0xC000..0xFFFF
};

}  // namespace tarvio::platform::portable
