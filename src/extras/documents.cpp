#include "extras/documents.h"

#include "extras/paths.h"
#include "extras/product.h"
#include "platform/program_info.h"
#include "platform/shell.h"
#include "platform/toolkit.h"

namespace tarvio::extras {

void Documents::OpenDocument(platform::WindowHandle owner, const std::string& document, int showCommand) {
  shell_.Execute(owner, "Open", document, showCommand);
}

void Documents::ShowHelp(platform::WindowHandle owner, std::string& document, int confirm) {
  if (document.empty()) document = AppDirectory() + kHelpFileName;
  OpenDocument(owner, document, platform::kSwShowDefault);
  if (confirm != 0) toolkit_.MsgBox(owner, kHelpSentMessage, platform::kMbInformation, kProductName);
}

void Documents::EditProviderFile(const std::string& iniFilePath) {
  shell_.StartProcess(kEditorCommand + iniFilePath, kEditorWindowStyle);
}

std::string Documents::AppDirectory() const { return WithBackslash(FolderOf(program_.ProgramFilePath())); }

}  // namespace tarvio::extras
