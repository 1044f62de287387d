#pragma once
// The profile readers the contract tests run against, and INI files written to a
// scratch folder of the test's own.
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/profile.h"

namespace tarvio::test {

struct ProfileBackend {
  std::string name;
  std::function<std::unique_ptr<platform::ProfileReader>()> make;
  // Windows takes a UTF-8 byte-order mark as part of the first line; Wine skips it.
  bool honoursUtf8Mark = false;
};

// Test output names the back-end rather than dumping its bytes.
inline void PrintTo(const ProfileBackend& backend, std::ostream* out) { *out << backend.name; }

// The portable reader everywhere; in the Windows build also the system's own.
std::vector<ProfileBackend> ProfileBackends();

// A folder that exists for the object's lifetime, removed with everything in it.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // Writes the bytes as they are to a file of that name; returns its full path.
  std::string Write(const std::string& fileName, const std::string& bytes) const;
  std::string PathOf(const std::string& fileName) const;

 private:
  std::filesystem::path folder_;
};

}  // namespace tarvio::test
