#include "extras/info_form_layout.h"

#include "platform/resource_ids.h"

namespace tarvio::extras {
namespace {

using platform::ControlKind;

// Every control of the dialog lies directly in its client area.
platform::ControlSpec Control(int id, ControlKind kind, const char* caption, int left, int top, int width, int height,
                              int tabIndex = -1) {
  return platform::MakeControl(id, kind, caption, 0, left, top, width, height, tabIndex);
}

}  // namespace

platform::FormSpec InfoFormLayout() {
  // The caption is set when the dialog loads.
  platform::FormSpec form{.caption = "",
                          .clientWidth = 9384,
                          .clientHeight = 6396,
                          .minimizeBox = false,
                          .icon = platform::kInfoIconId,
                          .timerMilliseconds = 0,
                          .initialFocus = InfoButtonId(kInfoMailButton)};

  platform::ControlSpec picture = Control(kInfoPictureId, ControlKind::Picture, "", 120, 120, 1635, 6135);
  picture.resource = platform::kInfoPictureId;
  platform::ControlSpec label = Control(kInfoLabelId, ControlKind::Label, "", 1920, 120, 7335, 5415);
  label.fontName = "Arial";
  label.fontPoints = 9.6;
  platform::ControlSpec close = Control(InfoButtonId(kInfoCloseButton), ControlKind::Button,
                                        "Dieses Fenster &schliessen", 7860, 5700, 1455, 555, 2);
  close.toolTip = "... bringt Sie zurück zum Programm";
  form.controls = {
      picture,
      label,
      // A horizontal line from x 1919 to x 9294 at y 5572.
      Control(kInfoLineId, ControlKind::Line, "", 1919, 5572, 9294 - 1919, 0),
      Control(InfoButtonId(kInfoMailButton), ControlKind::Button, "Eine &E-Mail an mich schreiben", 1920, 5700, 1455,
              555, 0),
      Control(InfoButtonId(kInfoNewsButton), ControlKind::Button, "Die 'News'-Seite auf meiner Web-Site öffnen", 3540,
              5700, 1995, 555, 1),
      close,
  };
  return form;
}

}  // namespace tarvio::extras
