#pragma once
// MainForm: the program's one permanent window and its life cycle. Start-up (Form_Load),
// the six buttons (Btn_Click), the close request (Form_QueryUnload) and the shutdown
// (Form_Unload); it owns the lists and composes the subsystems behind them.
#include <cstdint>
#include <memory>
#include <string>

#include "app/main_form_ids.h"
#include "extras/documents.h"
#include "extras/info_form.h"
#include "platform/form.h"
#include "platform/list_control.h"
#include "platform/platform_bundle.h"
#include "schedule/ini_reader.h"
#include "schedule/schedule.h"
#include "tray/ni_private.h"
#include "tray/ni_public.h"

namespace tarvio::app {

inline constexpr std::uint32_t kTrayIconId = 0;
// A tick at this second of the minute or later asks for no refused icon.
inline constexpr int kLastIconRetrySecond = 50;

class MainForm final : public platform::FormEvents {
 public:
  explicit MainForm(const platform::PlatformBundle& platform);
  ~MainForm() override;
  MainForm(const MainForm&) = delete;
  MainForm& operator=(const MainForm&) = delete;

  // Start-up, steps 1 to 9. False when the program must end at once: another instance
  // runs (no window shown, no icon, nothing written), or it was ended meanwhile.
  bool Form_Load();
  void Btn_Click(int index);
  // Returns cancel: true keeps the window.
  bool Form_QueryUnload(platform::CloseCause cause);
  void Form_Unload();
  // The tray icon's click: shows the window; a visible window stays visible.
  void ShowMainWindow();

  void ButtonClicked(int id) override { Btn_Click(id - kButtonIdBase); }
  bool QueryUnload(platform::CloseCause cause) override { return Form_QueryUnload(cause); }
  void Unloaded() override { Form_Unload(); }
  // The clock first, then an icon the shell refused.
  void TimerTick() override;

  bool Ended() const { return ended_; }
  const schedule::Schedule& Plan() const { return schedule_; }

  // Declared before everything that refers to them.
  platform::ListControl ProviderList{platform::ListControl::Order::Sorted};
  platform::ListControl HangUpDelayList{platform::ListControl::Order::Added};
  platform::ListControl HangUpUnitList{platform::ListControl::Order::Added};
  platform::ListControl PrvList[2]{platform::ListControl(platform::ListControl::Order::Sorted),
                                   platform::ListControl(platform::ListControl::Order::Sorted)};
  bool ListsReady = false;  // true once start-up has filled every list

 private:
  // The lists' selection handlers. A choice Windows refused to store is taken back: the
  // list shows again what is stored, and the restoring selection stores nothing.
  void ProviderChosen();
  // The icon's tip for the connection shown and the plan in force, changed at every
  // switch and every rebuild; the shell hears only of a tip that differs.
  std::string IconTip();
  void ShowDueInTip();
  void HangUpChosen();
  // An unload asked for while a plan rebuild is yielding waits until the rebuild is done:
  // the rebuild goes on filling the lists after its yield.
  void CarryOutPendingUnload();
  // The plan entries the last rebuild could not place, owned by the main window.
  void ReportUnknownConnections();

  platform::PlatformBundle platform_;
  schedule::IniReader ini_;
  schedule::Schedule schedule_;
  extras::Documents documents_;
  extras::InfoForm infoForm_;
  tray::NI_Public niPublic_;
  tray::NI_Private niPrivate_;
  std::unique_ptr<platform::Form> form_;
  bool switchStored_ = false;  // the last selection of ProviderList was stored
  bool restoring_ = false;     // a list is being set back to what is stored
  bool unloadPending_ = false;
  bool ended_ = false;
};

}  // namespace tarvio::app
