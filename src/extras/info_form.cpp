#include "extras/info_form.h"

#include <string>
#include <utility>

#include "extras/center_form.h"
#include "extras/documents.h"
#include "extras/version_suffix.h"
#include "platform/product.h"
#include "platform/screen.h"
#include "platform/shell.h"

namespace tarvio::extras {

InfoForm::InfoForm(platform::FormFactory& factory, const platform::Screen& screen, Documents& documents,
                   const platform::ProgramInfo& program, InfoEndpoints endpoints)
    : factory_(factory), screen_(screen), documents_(documents), program_(program), endpoints_(std::move(endpoints)) {}

void InfoForm::Show() {
  if (!loaded_) {
    retired_.push_back(std::move(form_));
    if (handlersRunning_ == 0) retired_.clear();
    form_ = factory_.Create(InfoFormLayout(), *this);
    if (!form_) return;
    loaded_ = true;
    Form_Load();
  }
  form_->Show();
}

void InfoForm::Form_Load() {
  PlaceDialog(*form_, screen_.Metrics());
  form_->SetToolTip(InfoButtonId(kInfoMailButton), MailToolTip(endpoints_));
  form_->SetToolTip(InfoButtonId(kInfoNewsButton), NewsToolTip(endpoints_));
  form_->SetCaption(std::string("Info über ") + platform::kProductName);
  form_->SetControlText(kInfoLabelId, InfoLabelText(VersionSuffix(program_)));
}

void InfoForm::ButtonClicked(int id) {
  // Opening a link, the shell may run a message loop of its own, in which the dialog can be
  // closed and loaded anew: its old window must outlive this handler.
  ++handlersRunning_;
  Btn_Click(id - kInfoButtonBase);
  --handlersRunning_;
}

void InfoForm::Btn_Click(int index) {
  if (!loaded_) return;
  switch (index) {
    case kInfoMailButton:
      documents_.OpenDocument(form_->Handle(), MailDocument(endpoints_, VersionSuffix(program_)),
                              platform::ShowCommand::Normal);
      break;
    case kInfoNewsButton:
      documents_.OpenDocument(form_->Handle(), endpoints_.newsPage, platform::ShowCommand::Normal);
      break;
    case kInfoCloseButton:
      form_->Unload();
      break;
    default:
      break;
  }
}

}  // namespace tarvio::extras
