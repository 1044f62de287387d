#include "support/profile_backends.h"

#include <atomic>
#include <chrono>
#include <fstream>

#include "platform/portable/ini_profile_reader.h"
#ifdef _WIN32
#include "platform/win32/win32_profile_reader.h"
#include "platform/win32/win32_registry_scratch.h"
#endif

namespace tarvio::test {

std::vector<ProfileBackend> ProfileBackends() {
  std::vector<ProfileBackend> backends;
  backends.push_back({"Portable", [] { return std::make_unique<platform::portable::IniProfileReader>(); }, false});
#ifdef _WIN32
  backends.push_back({"Kernel32", [] { return std::make_unique<platform::win32::Win32ProfileReader>(); },
                      platform::win32::RunningUnderWine()});
#endif
  return backends;
}

ScratchFolder::ScratchFolder() {
  static std::atomic<int> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  folder_ = std::filesystem::temp_directory_path() /
            ("tarvio-profile-" + std::to_string(stamp) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(folder_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

std::string ScratchFolder::Write(const std::string& fileName, const std::string& bytes) const {
  std::ofstream out(folder_ / fileName, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return PathOf(fileName);
}

std::string ScratchFolder::PathOf(const std::string& fileName) const { return (folder_ / fileName).string(); }

}  // namespace tarvio::test
