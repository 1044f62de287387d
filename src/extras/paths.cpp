#include "extras/paths.h"

namespace tarvio::extras {

std::string WithBackslash(const std::string& path) {
  if (!path.empty() && path.back() == '\\') return path;
  return path + '\\';
}

std::string FolderOf(const std::string& filePath) {
  const std::size_t last = filePath.find_last_of('\\');
  if (last == std::string::npos) return "";
  std::string folder = filePath.substr(0, last);
  if (folder.size() == 2 && folder[1] == ':') folder += '\\';
  return folder;
}

}  // namespace tarvio::extras
