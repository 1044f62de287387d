#include "extras/documents.h"

#include "extras/paths.h"
#include "platform/program_info.h"
#include "platform/toolkit.h"

namespace tarvio::extras {

void Documents::OpenDocument(platform::WindowHandle owner, const std::string& document, platform::ShowCommand show) {
  shell_.Open(owner, document, show);
}

void Documents::ShowHelp(platform::WindowHandle owner, std::string& document, bool confirm) {
  if (document.empty()) document = AppDirectory() + kHelpFileName;
  OpenDocument(owner, document, platform::ShowCommand::Default);
  if (confirm) {
    toolkit_.MsgBox(owner, "HTML-Hilfetext wurde an den Standard-Browser geschickt ...",
                    platform::MessageStyle::Information);
  }
}

void Documents::EditProviderFile(platform::WindowHandle owner, const std::string& iniFilePath) {
  const std::string commandLine = std::string(kEditorProgram) + " " + iniFilePath;
  if (!shell_.StartSystemProgram(kEditorProgram, commandLine, platform::ShowCommand::Normal)) {
    OpenDocument(owner, iniFilePath, platform::ShowCommand::Normal);
  }
}

std::string Documents::AppDirectory() const { return WithBackslash(FolderOf(program_.ProgramFilePath())); }

}  // namespace tarvio::extras
