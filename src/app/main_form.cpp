#include "app/main_form.h"

#include "app/icon_tip.h"
#include "app/main_form_ids.h"
#include "app/main_form_layout.h"
#include "app/main_form_texts.h"
#include "dialup/hangup_timer.h"
#include "dialup/load_settings.h"
#include "dialup/provider_switch.h"
#include "platform/clock.h"
#include "platform/instance_check.h"
#include "platform/product.h"
#include "platform/scoped_flag.h"
#include "platform/toolkit.h"

namespace tarvio::app {

MainForm::MainForm(const platform::PlatformBundle& platform)
    : platform_(platform),
      ini_(platform.profileReader, platform.fileReader, platform.ansiCodePage),
      schedule_(ini_, platform.toolkit, platform.clock, ProviderList, PrvList[0], PrvList[1],
                [this] { return switchStored_; }),
      documents_(platform.shell, platform.programInfo, platform.toolkit),
      infoForm_(platform.formFactory, platform.screen, documents_, platform.programInfo),
      niPublic_([this] { ShowMainWindow(); }),
      niPrivate_(platform.notifyIcon, platform.windowHook, niPublic_) {
  ProviderList.OnClick([this] { ProviderChosen(); });
  HangUpDelayList.OnClick([this] { HangUpChosen(); });
  HangUpUnitList.OnClick([this] { HangUpChosen(); });
}

MainForm::~MainForm() {
  // The window goes before the lists it shows.
  form_.reset();
}

bool MainForm::Form_Load() {
  // 1. One instance per session. Asked before the window exists, so that a refused start
  // has no window and no clock at all.
  if (platform_.instanceCheck.AnotherInstanceRunning()) {
    platform_.toolkit.MsgBox(0, kAlreadyRunningText, platform::MessageStyle::Exclamation);
    // Its icon may be in the hidden part of the notification area: the running copy shows
    // its window, as a click on the icon would.
    platform_.instanceCheck.ShowRunningInstance();
    ended_ = true;
    return false;
  }
  form_ = platform_.formFactory.Create(MainFormLayout(), *this);
  if (!form_) {
    // Windows refused the window: without it there is no clock, no icon and no way to end.
    ended_ = true;
    return false;
  }
  form_->AttachList(kProviderListId, ProviderList);
  form_->AttachList(kHangUpDelayListId, HangUpDelayList);
  form_->AttachList(kHangUpUnitListId, HangUpUnitList);
  form_->AttachList(kWorkdayListId, PrvList[0]);
  form_->AttachList(kWeekendListId, PrvList[1]);

  form_->SetCaption(platform::kProductName);                                    // 2
  schedule_.IniFilePath = documents_.AppDirectory() + schedule::kPlanFileName;  // 3
  dialup::FillHangUpLists(HangUpDelayList, HangUpUnitList);                     // 4
  dialup::LoadSettings(platform_.registry, platform_.phonebook, HangUpDelayList, HangUpUnitList,
                       ProviderList);  // 5, and the plan built from the filled list
  schedule_.RebuildSchedule();
  ListsReady = true;                                              // 6
  niPrivate_.HookWindow(form_->Handle());                         // 7
  niPrivate_.AddTrayIcon(kTrayIconId, form_->Icon(), IconTip());  // 8
  form_->Hide();                                                  // 9
  CarryOutPendingUnload();
  // Only now: a message box waits for a person, the clock must not.
  ReportUnknownConnections();
  return !ended_;
}

void MainForm::Btn_Click(int index) {
  switch (index) {
    case kBtnRebuild:
      schedule_.RebuildSchedule();
      CarryOutPendingUnload();
      ShowDueInTip();
      ReportUnknownConnections();
      break;
    case kBtnHide:
      form_->Hide();
      break;
    case kBtnEnd:
      if (platform_.toolkit.MsgBox(form_->Handle(), kExitQuestionText, platform::MessageStyle::YesNoQuestionNoFirst) ==
          platform::Answer::Yes) {
        form_->Unload();
      }
      break;
    case kBtnInfo:
      infoForm_.Show();
      break;
    case kBtnEditPlan:
      documents_.EditProviderFile(form_->Handle(), schedule_.IniFilePath);
      break;
    case kBtnHelp: {
      std::string document;
      documents_.ShowHelp(form_->Handle(), document, false);
      break;
    }
    default:
      break;
  }
}

bool MainForm::Form_QueryUnload(platform::CloseCause cause) {
  if (cause == platform::CloseCause::TitleBar) {
    form_->Hide();
    return true;
  }
  // The rebuild goes on filling the lists after its yield: the window waits for it.
  if (schedule_.Rebuilding()) {
    unloadPending_ = true;
    return true;
  }
  return false;
}

void MainForm::Form_Unload() {
  niPrivate_.RemoveTrayIcon(kTrayIconId);
  niPrivate_.UnhookWindow();
  // A report still waiting goes with the window it belongs to.
  schedule_.DropReports();
  ended_ = true;
}

void MainForm::TimerTick() {
  schedule_.Tick(ListsReady);
  // After the clock's work: the shell waits for a busy Explorer up to 4 s for each of a
  // retry's two requests, so a retry starts only early enough in the minute to be over
  // before the next one, whose switch may be due at its start.
  if (platform_.clock.Now().second < kLastIconRetrySecond) niPrivate_.RetryRefusedIcons();
}

void MainForm::ProviderChosen() {
  if (restoring_) return;
  switchStored_ = dialup::ProviderSelected(platform_.registry, ProviderList, ListsReady);
  if (!switchStored_) {
    // Quietly: the clock tries again at its next tick.
    const platform::ScopedFlag restoring(restoring_);
    ProviderList.SetListIndex(dialup::CurrentConnection(platform_.registry, ProviderList));
  }
  if (ListsReady) ShowDueInTip();
}

std::string MainForm::IconTip() { return app::IconTip(ProviderList, schedule_.ProviderPlan, platform_.clock.Now()); }

void MainForm::ShowDueInTip() { niPrivate_.ChangeTrayTip(kTrayIconId, IconTip()); }

void MainForm::HangUpChosen() {
  if (restoring_ || dialup::ServeHangUpValues(platform_.registry, HangUpDelayList, HangUpUnitList, ListsReady)) return;
  {
    const platform::ScopedFlag restoring(restoring_);
    dialup::ReadHangUpTime(platform_.registry, HangUpDelayList, HangUpUnitList);
  }
  // Owned by the window, which takes no choice while the box is open: one box a refused choice.
  platform_.toolkit.MsgBox(form_->Handle(), kHangUpRefusedText, platform::MessageStyle::Exclamation);
}

void MainForm::ShowMainWindow() {
  if (!ended_) form_->Show();
}

void MainForm::ReportUnknownConnections() {
  if (!ended_) schedule_.ReportUnknownConnections(form_->Handle());
}

void MainForm::CarryOutPendingUnload() {
  // A click inside the rebuild's yield comes back here before the rebuild is done.
  if (!unloadPending_ || schedule_.Rebuilding()) return;
  unloadPending_ = false;
  form_->Unload();
}

}  // namespace tarvio::app
