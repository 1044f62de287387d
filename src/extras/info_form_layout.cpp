#include "extras/info_form_layout.h"

#include <string>

#include "extras/product.h"
#include "platform/resource_ids.h"

namespace tarvio::extras {
namespace {

// Every control of the dialog lies directly in its client area.
platform::ControlSpec Control(int id, platform::ControlKind kind, const char* caption, int left, int top, int width,
                              int height, int tabIndex = -1) {
  return platform::MakeControl(id, kind, caption, 0, left, top, width, height, tabIndex);
}

}  // namespace

platform::FormSpec InfoFormLayout() {
  using platform::ControlKind;
  platform::FormSpec form;
  form.caption = std::string("Info über ") + kProductName;
  form.clientWidth = 9384;
  form.clientHeight = 6396;
  form.minimizeBox = false;
  form.icon = platform::kInfoIconId;
  form.initialFocus = kInfoButtonBase + kInfoMailButton;

  platform::ControlSpec picture = Control(kInfoPictureId, ControlKind::Picture, "", 120, 120, 1635, 6135);
  picture.resource = platform::kInfoPictureId;
  form.controls.push_back(picture);

  platform::ControlSpec label = Control(kInfoLabelId, ControlKind::Label, "", 1920, 120, 7335, 5415);
  label.fontName = "Arial";
  label.fontPoints = 9.6;
  form.controls.push_back(label);

  // A horizontal line from x 1919 to x 9294 at y 5572.
  form.controls.push_back(Control(kInfoLineId, ControlKind::Line, "", 1919, 5572, 9294 - 1919, 0));

  platform::ControlSpec mail = Control(kInfoButtonBase + kInfoMailButton, ControlKind::Button,
                                       "Eine &E-Mail an mich schreiben", 1920, 5700, 1455, 555, 0);
  form.controls.push_back(mail);

  platform::ControlSpec news = Control(kInfoButtonBase + kInfoNewsButton, ControlKind::Button,
                                       "Die 'News'-Seite auf meiner Web-Site öffnen", 3540, 5700, 1995, 555, 1);
  form.controls.push_back(news);

  platform::ControlSpec close = Control(kInfoButtonBase + kInfoCloseButton, ControlKind::Button,
                                        "Dieses Fenster &schliessen", 7860, 5700, 1455, 555, 2);
  close.toolTip = "... bringt Sie zurück zum Programm";
  form.controls.push_back(close);
  return form;
}

}  // namespace tarvio::extras
