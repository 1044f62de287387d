#include "platform/win32/win32_notify_icon.h"

#include <shlwapi.h>

#include <algorithm>
#include <cstring>

#include "platform/utf8.h"
#include "platform/win32/ansi.h"
#include "platform/win32/notify_record.h"
#include "platform/win32/system_files.h"

namespace tarvio::platform::win32 {
namespace {

constexpr std::string_view kCutMark = "...";

// Shell32 tells its version from 4.71 (Internet Explorer 4's shell, Windows 98) on; one
// that does not is the first shell of Windows 95 and NT 4.0. Major version 5 is Windows
// 2000 and ME.
std::size_t ShellTipBytes() {
  HMODULE shell32 = GetModuleHandleA("shell32.dll");
  using DllGetVersionFunction = HRESULT(CALLBACK*)(DLLVERSIONINFO*);
  const auto getVersion =
      AsFunction<DllGetVersionFunction>(shell32 ? GetProcAddress(shell32, "DllGetVersion") : nullptr);
  DLLVERSIONINFO version{};
  version.cbSize = sizeof version;
  const bool secondForm = getVersion != nullptr && SUCCEEDED(getVersion(&version)) && version.dwMajorVersion >= 5;
  return secondForm ? kSecondFormTipBytes : kFirstFormTipBytes;
}

}  // namespace

NOTIFYICONDATAA NotifyRecord(HWND window, UINT iconId, HICON icon, std::string_view ansiTip, std::size_t tipBytes) {
  NOTIFYICONDATAA record{};
  // The form the shell knows: older shells refuse a size they do not know.
  record.cbSize = tipBytes == kSecondFormTipBytes ? NOTIFYICONDATAA_V2_SIZE : NOTIFYICONDATAA_V1_SIZE;
  record.hWnd = window;
  record.uID = iconId;
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = kTrayCallbackMessage;
  record.hIcon = icon;
  // The tip is cut before the NUL, so the NUL always falls within the tip.
  tipBytes = std::clamp<std::size_t>(tipBytes, 1, sizeof record.szTip);
  std::memset(record.szTip, ' ', tipBytes);
  const std::size_t kept = std::min(ansiTip.size(), tipBytes - 1);
  std::memcpy(record.szTip, ansiTip.data(), kept);
  record.szTip[kept] = '\0';
  return record;
}

std::string TipInCodePage(std::string_view utf8, std::size_t tipBytes, unsigned codePage) {
  std::string whole = ToCodePage(utf8, codePage);
  if (whole.size() < tipBytes) return whole;
  // Character by character: a character takes one or two bytes in a double-byte code
  // page, up to four where it is UTF-8.
  std::string kept;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::size_t start = pos;
    NextCodePoint(utf8, pos);
    std::string longer = kept + ToCodePage(utf8.substr(start, pos - start), codePage);
    if (longer.size() + kCutMark.size() >= tipBytes) break;
    kept = std::move(longer);
  }
  return kept + std::string(kCutMark);
}

std::size_t Win32NotifyIcon::TipBytes() {
  if (tipBytes_ == 0) tipBytes_ = ShellTipBytes();
  return tipBytes_;
}

bool Win32NotifyIcon::Notify(NotifyRequest request, WindowHandle window, std::uint32_t iconId, IconHandle icon,
                             std::string_view tip) {
  NOTIFYICONDATAA record = NotifyRecord(reinterpret_cast<HWND>(window), iconId, reinterpret_cast<HICON>(icon),
                                        TipInCodePage(tip, TipBytes(), CP_ACP), TipBytes());
  const DWORD message = request == NotifyRequest::Add      ? NIM_ADD
                        : request == NotifyRequest::Modify ? NIM_MODIFY
                                                           : NIM_DELETE;
  return Shell_NotifyIconA(message, &record) != FALSE;
}

std::uint32_t Win32NotifyIcon::TaskbarCreatedMessage() { return RegisterWindowMessageA("TaskbarCreated"); }

}  // namespace tarvio::platform::win32
