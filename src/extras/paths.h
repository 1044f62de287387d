#pragma once
// Folder names as Windows writes them, with backslashes.
#include <string>

namespace tarvio::extras {

// The path followed by one backslash unless it already ends in one; "" gives "\".
std::string WithBackslash(const std::string& path);

// The folder that holds a file, as the system names folders: without a final backslash,
// except a drive's root, which keeps it ("C:\").
std::string FolderOf(const std::string& filePath);

}  // namespace tarvio::extras
