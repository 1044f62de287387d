#pragma once
// Opening documents: the help page in the browser, the plan file in the text editor,
// addresses through the shell; and the program's own folder.
#include <string>

#include "platform/form.h"

namespace tarvio::platform {
class ProgramInfo;
class Shell;
class Toolkit;
}  // namespace tarvio::platform

namespace tarvio::extras {

inline constexpr const char* kHelpFileName = "hilfe.htm";
inline constexpr const char* kHelpSentMessage = "HTML-Hilfetext wurde an den Standard-Browser geschickt ...";
inline constexpr const char* kEditorCommand = "notepad.exe ";
inline constexpr int kEditorWindowStyle = 1;  // normal window with the focus

class Documents {
 public:
  Documents(platform::Shell& shell, const platform::ProgramInfo& program, platform::Toolkit& toolkit)
      : shell_(shell), program_(program), toolkit_(toolkit) {}

  // The shell's "Open" on the document; whatever happens is not reported.
  void OpenDocument(platform::WindowHandle owner, const std::string& document, int showCommand);
  // An empty document becomes the help page beside the program, in the caller's variable too.
  // confirm != 0 tells the user afterwards that the page went to the browser.
  void ShowHelp(platform::WindowHandle owner, std::string& document, int confirm);
  // The plan file in the text editor; the path stays unquoted, so the editor takes the
  // whole rest of the command line as its one file name, blanks included.
  void EditProviderFile(const std::string& iniFilePath);
  // The program's folder with exactly one backslash at the end.
  std::string AppDirectory() const;

 private:
  platform::Shell& shell_;
  const platform::ProgramInfo& program_;
  platform::Toolkit& toolkit_;
};

}  // namespace tarvio::extras
