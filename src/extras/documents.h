#pragma once
// Opening documents: the help page in the browser, the plan file in the text editor,
// addresses through the shell; and the program's own folder.
#include <string>

#include "platform/form.h"
#include "platform/shell.h"

namespace tarvio::platform {
class ProgramInfo;
class Toolkit;
}  // namespace tarvio::platform

namespace tarvio::extras {

inline constexpr const char* kHelpFileName = "hilfe.htm";
inline constexpr const char* kEditorProgram = "notepad.exe";

class Documents {
 public:
  Documents(platform::Shell& shell, const platform::ProgramInfo& program, platform::Toolkit& toolkit)
      : shell_(shell), program_(program), toolkit_(toolkit) {}

  // The shell's "Open" on the document; whatever happens is not reported.
  void OpenDocument(platform::WindowHandle owner, const std::string& document, platform::ShowCommand show);
  // An empty document becomes the help page beside the program, in the caller's variable
  // too. With confirm, the user is told afterwards that the page went to the browser.
  void ShowHelp(platform::WindowHandle owner, std::string& document, bool confirm);
  // The plan file in the system's text editor; the path stays unquoted, so the editor
  // takes the whole rest of the command line as its one file name, blanks included.
  // Where this Windows has no editor of its own, the shell opens the file with whatever
  // program the user has for it.
  void EditProviderFile(platform::WindowHandle owner, const std::string& iniFilePath);
  // The program's folder with exactly one backslash at the end.
  std::string AppDirectory() const;

 private:
  platform::Shell& shell_;
  const platform::ProgramInfo& program_;
  platform::Toolkit& toolkit_;
};

}  // namespace tarvio::extras
