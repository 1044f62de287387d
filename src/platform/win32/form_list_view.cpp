#include "platform/win32/form_list_view.h"

#include <windows.h>

#include "platform/win32/ansi.h"

namespace tarvio::platform::win32 {
namespace {

HWND Hwnd(std::uintptr_t handle) { return reinterpret_cast<HWND>(handle); }

}  // namespace

void FormListView::ItemInserted(int index, const std::string& text) {
  const std::string ansi = ToAnsi(text);
  SendMessageA(Hwnd(control_), dropDown_ ? CB_INSERTSTRING : LB_INSERTSTRING, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(ansi.c_str()));
}

void FormListView::ItemsCleared() { SendMessageA(Hwnd(control_), dropDown_ ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0); }

void FormListView::SelectionShown(int index) {
  // Neither message notifies the parent, so showing a selection never re-enters the list.
  SendMessageA(Hwnd(control_), dropDown_ ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int FormListView::ControlSelection() const {
  const LRESULT selected = SendMessageA(Hwnd(control_), dropDown_ ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
  return selected < 0 ? -1 : static_cast<int>(selected);
}

}  // namespace tarvio::platform::win32
