#include "app/main_form.h"

#include "app/main_form_ids.h"
#include "app/main_form_layout.h"
#include "app/main_form_texts.h"
#include "dialup/hangup_timer.h"
#include "dialup/load_settings.h"
#include "extras/product.h"
#include "platform/instance_check.h"
#include "platform/toolkit.h"
#include "schedule/provider_switch.h"

namespace tarvio::app {

MainForm::MainForm(const PlatformBundle& platform)
    : platform_(platform),
      aan_(platform.registry, platform.codec),
      ini_(platform.profileReader, platform.codec),
      schedule_(ini_, platform.toolkit, platform.clock, ProviderList, PrvList[0], PrvList[1]),
      documents_(platform.shell, platform.programInfo, platform.toolkit),
      infoForm_(platform.formFactory, platform.screen, documents_, platform.programInfo),
      niPublic_([this] { ShowMainWindow(); }),
      niPrivate_(platform.notifyIcon, platform.windowHook, platform.codec, niPublic_) {
  ProviderList.OnClick([this] { schedule::ProviderSelected(aan_, ProviderList, ListsReady); });
  HangUpDelayList.OnClick([this] { dialup::ServeHangUpValues(aan_, HangUpDelayList, HangUpUnitList, ListsReady); });
  HangUpUnitList.OnClick([this] { dialup::ServeHangUpValues(aan_, HangUpDelayList, HangUpUnitList, ListsReady); });
}

MainForm::~MainForm() {
  // The window goes before the lists it shows.
  form_.reset();
}

bool MainForm::Form_Load() {
  // 1. One instance per session. Asked before the window exists, so that a refused start
  // has no window and no clock at all.
  if (platform_.instanceCheck.AnotherInstanceRunning()) {
    platform_.toolkit.MsgBox(0, kAlreadyRunningText, platform::kMbExclamation, extras::kProductName);
    ended_ = true;
    return false;
  }
  form_ = platform_.formFactory.Create(MainFormLayout(), *this);
  form_->AttachList(kProviderListId, ProviderList);
  form_->AttachList(kHangUpDelayListId, HangUpDelayList);
  form_->AttachList(kHangUpUnitListId, HangUpUnitList);
  form_->AttachList(kWorkdayListId, PrvList[0]);
  form_->AttachList(kWeekendListId, PrvList[1]);

  form_->SetCaption(extras::kProductName);                                          // 2
  schedule_.IniFilePath = documents_.AppDirectory() + schedule::kPlanFileName;      // 3
  dialup::FillHangUpLists(HangUpDelayList, HangUpUnitList);                         // 4
  dialup::LoadSettings(aan_, platform_.phonebook, HangUpDelayList, HangUpUnitList, ProviderList, schedule_);  // 5
  ListsReady = -1;                                                                  // 6
  niPrivate_.HookWindow(form_->Handle());                                           // 7
  niPrivate_.AddTrayIcon(kTrayIconId, form_->Icon(), extras::kProductName);          // 8
  form_->Hide();                                                                    // 9
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
      ReportUnknownConnections();
      break;
    case kBtnHide:
      if (form_) form_->Hide();
      break;
    case kBtnEnd:
      if (form_ && platform_.toolkit.MsgBox(form_->Handle(), kExitQuestionText, platform::kMbYesNoQuestionDefaultNo, extras::kProductName) ==
              platform::kIdYes &&
          form_) {
        form_->Unload();
      }
      break;
    case kBtnInfo:
      infoForm_.Show();
      break;
    case kBtnEditPlan:
      documents_.EditProviderFile(schedule_.IniFilePath);
      break;
    case kBtnHelp: {
      std::string document;
      documents_.ShowHelp(form_ ? form_->Handle() : 0, document, 0);
      break;
    }
    default:
      break;
  }
}

bool MainForm::Form_QueryUnload(int unloadMode) {
  if (unloadMode == platform::kCloseFromTitleBar) {
    if (form_) form_->Hide();
    return true;
  }
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

void MainForm::ShowMainWindow() {
  if (form_) form_->Show();
}

void MainForm::ReportUnknownConnections() {
  if (!ended_ && form_) schedule_.ReportUnknownConnections(form_->Handle());
}

void MainForm::CarryOutPendingUnload() {
  if (!unloadPending_ || schedule_.Rebuilding() || !form_) return;
  unloadPending_ = false;
  form_->Unload();
}

}  // namespace tarvio::app
