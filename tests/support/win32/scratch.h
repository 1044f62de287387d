#pragma once
// Scratch places on the real system for the Windows tests: a registry key below
// HKEY_CURRENT_USER\Software and a file, both removed when the test is done.
#include <string>

namespace tarvio::test {

class ScratchKey {
 public:
  ScratchKey();  // "Software\TarvioTest-<process>-<tick>-<n>", created empty
  ~ScratchKey();
  ScratchKey(const ScratchKey&) = delete;
  ScratchKey& operator=(const ScratchKey&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

class ScratchFile {
 public:
  explicit ScratchFile(const std::string& bytes);  // in the temporary folder
  ~ScratchFile();
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;
  const std::string& Path() const { return path_; }  // ANSI

 private:
  std::string path_;
};

}  // namespace tarvio::test
