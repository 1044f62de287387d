#include "support/win32/probe_window.h"

#include <windows.h>

namespace tarvio::test {
namespace {

constexpr const char* kClassName = "TarvioProbeWindow";

// One log per window, kept in the window's user data.
using Log = std::vector<ProbeWindow::Received>;

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* log = reinterpret_cast<Log*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (log != nullptr) log->push_back({message, wParam, lParam});
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    delete log;
  }
  if (message >= WM_USER || message == WM_PAINT) return ProbeWindow::kAnswer;
  return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterProbeClass() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = ProbeProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kClassName;
  RegisterClassA(&windowClass);  // a second registration fails harmlessly
}

}  // namespace

ProbeWindow::ProbeWindow() {
  RegisterProbeClass();
  auto* log = new Log;
  const HWND window = CreateWindowExA(0, kClassName, "Probe", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), log);
  if (window == nullptr) delete log;
  handle_ = reinterpret_cast<platform::WindowHandle>(window);
}

ProbeWindow::~ProbeWindow() {
  if (handle_ != 0) DestroyWindow(reinterpret_cast<HWND>(handle_));
}

std::intptr_t ProbeWindow::Send(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) const {
  return SendMessageA(reinterpret_cast<HWND>(handle_), message, wParam, lParam);
}

platform::WindowProcedure ProbeWindow::CurrentProcedure() const {
  return static_cast<platform::WindowProcedure>(GetWindowLongPtrA(reinterpret_cast<HWND>(handle_), GWLP_WNDPROC));
}

platform::WindowProcedure ProbeWindow::OwnProcedure() {
  return reinterpret_cast<platform::WindowProcedure>(&ProbeProc);
}

std::vector<ProbeWindow::Received> ProbeWindow::ReceivedAtLeast(std::uint32_t firstMessage) const {
  std::vector<Received> selected;
  const auto* log = reinterpret_cast<const Log*>(GetWindowLongPtrA(reinterpret_cast<HWND>(handle_), GWLP_USERDATA));
  if (log == nullptr) return selected;
  for (const Received& received : *log) {
    if (received.message >= firstMessage) selected.push_back(received);
  }
  return selected;
}

}  // namespace tarvio::test
