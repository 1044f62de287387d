#pragma once
// InfoForm: the modeless info dialog. Shown by the main window's "&Info"; while it is
// open, "&Info" shows the same dialog again; once closed, the next "&Info" loads it anew.
#include <memory>
#include <vector>

#include "extras/info_form_layout.h"
#include "extras/info_texts.h"
#include "platform/form.h"

namespace tarvio::platform {
class ProgramInfo;
class Screen;
}  // namespace tarvio::platform

namespace tarvio::extras {

class Documents;

class InfoForm final : public platform::FormEvents {
 public:
  InfoForm(platform::FormFactory& factory, const platform::Screen& screen, Documents& documents,
           const platform::ProgramInfo& program, InfoEndpoints endpoints = BuildEndpoints());

  // Loads the dialog unless it is loaded, then shows it.
  void Show();
  // 0 mail, 1 news page, 3 close; other indices do nothing.
  void Btn_Click(int index);
  bool Loaded() const { return loaded_; }
  // The dialog's window while loaded, otherwise null.
  platform::Form* Window() const { return loaded_ ? form_.get() : nullptr; }

  void ButtonClicked(int id) override;
  bool QueryUnload(platform::CloseCause /*cause*/) override { return false; }
  void Unloaded() override { loaded_ = false; }

 private:
  void Form_Load();

  platform::FormFactory& factory_;
  const platform::Screen& screen_;
  Documents& documents_;
  const platform::ProgramInfo& program_;
  InfoEndpoints endpoints_;
  // An unloaded window is kept until the next load: it may still be inside its own
  // close handling when it reports the unload.
  std::unique_ptr<platform::Form> form_;
  // Windows unloaded while a button handler of the dialog ran: they go at a load when none
  // runs any more, never under the handler.
  std::vector<std::unique_ptr<platform::Form>> retired_;
  int handlersRunning_ = 0;
  bool loaded_ = false;
};

}  // namespace tarvio::extras
