#pragma once
// MainForm: the program's one permanent window and its life cycle. Start-up (Form_Load),
// the six buttons (Btn_Click), the close request (Form_QueryUnload) and the shutdown
// (Form_Unload); it owns the lists and composes the subsystems behind them.
#include <cstdint>
#include <memory>
#include <string>

#include "app/main_form_ids.h"
#include "app/platform_bundle.h"
#include "dialup/aan.h"
#include "extras/documents.h"
#include "extras/info_form.h"
#include "platform/form.h"
#include "platform/list_control.h"
#include "schedule/ini_reader.h"
#include "schedule/schedule.h"
#include "tray/ni_private.h"
#include "tray/ni_public.h"

namespace tarvio::app {

inline constexpr std::uint32_t kTrayIconId = 0;

class MainForm final : public platform::FormEvents {
 public:
  explicit MainForm(const PlatformBundle& platform);
  ~MainForm() override;
  MainForm(const MainForm&) = delete;
  MainForm& operator=(const MainForm&) = delete;

  // Start-up, steps 1 to 9. False when another instance runs: the program must end at
  // once, with no window shown, no icon and nothing written.
  bool Form_Load();
  void Btn_Click(int index);
  // Returns cancel: true keeps the window.
  bool Form_QueryUnload(int unloadMode);
  void Form_Unload();
  // The tray icon's click: shows the window; a visible window stays visible.
  void ShowMainWindow();

  void ButtonClicked(int id) override { Btn_Click(id - kButtonIdBase); }
  bool QueryUnload(int unloadMode) override { return Form_QueryUnload(unloadMode); }
  void Unloaded() override { Form_Unload(); }
  void TimerTick() override { schedule_.Tick(ListsReady != 0); }

  platform::Form* Window() const { return form_.get(); }
  bool Ended() const { return ended_; }
  const std::string& IniFilePath() const { return schedule_.IniFilePath; }
  const schedule::Schedule& Plan() const { return schedule_; }
  const extras::InfoForm& Info() const { return infoForm_; }

  // Declared before everything that refers to them.
  platform::ListControl ProviderList{platform::ListControl::Order::Sorted};
  platform::ListControl HangUpDelayList{platform::ListControl::Order::Added};
  platform::ListControl HangUpUnitList{platform::ListControl::Order::Added};
  platform::ListControl PrvList[2]{platform::ListControl(platform::ListControl::Order::Sorted),
                                   platform::ListControl(platform::ListControl::Order::Sorted)};
  std::int16_t ListsReady = 0;  // -1 once start-up has filled every list

 private:
  // An unload asked for while a plan rebuild is yielding waits until the rebuild is done:
  // the rebuild goes on filling the lists after its yield.
  void CarryOutPendingUnload();
  // The plan entries the last rebuild could not place, owned by the main window.
  void ReportUnknownConnections();

  PlatformBundle platform_;
  dialup::Aan aan_;
  schedule::IniReader ini_;
  schedule::Schedule schedule_;
  extras::Documents documents_;
  extras::InfoForm infoForm_;
  tray::NI_Public niPublic_;
  tray::NI_Private niPrivate_;
  std::unique_ptr<platform::Form> form_;
  bool unloadPending_ = false;
  bool ended_ = false;
};

}  // namespace tarvio::app
