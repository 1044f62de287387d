// least_tray.exe: the least a tray program holds, the anchor of the memory benchmark
// (resident_sets.sh). One hidden window with a button, a drop-down list and a list box, a
// five-second timer and one icon in the notification area, built with Tarvio's manifest,
// so that it loads the same common controls and visual styles.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

namespace {

constexpr const char* kClassName = "LeastTray";
constexpr UINT kIconMessage = WM_APP;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  if (message == kIconMessage && lParam == WM_LBUTTONDOWN) ShowWindow(window, SW_SHOW);
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, kClassName, kClassName, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                                CW_USEDEFAULT, 400, 200, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  const auto child = [&](DWORD exStyle, const char* className, DWORD style, int x, int y, int width, int height) {
    CreateWindowExA(exStyle, className, "", WS_CHILD | WS_VISIBLE | style, x, y, width, height, window, nullptr,
                    instance, nullptr);
  };
  child(0, "BUTTON", BS_PUSHBUTTON, 8, 8, 100, 25);
  child(0, "COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 8, 40, 160, 200);
  child(WS_EX_CLIENTEDGE, "LISTBOX", LBS_NOTIFY | WS_VSCROLL, 180, 8, 200, 150);
  SetTimer(window, 1, 5000, nullptr);
  NOTIFYICONDATAA icon{};
  icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
  icon.hWnd = window;
  icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  icon.uCallbackMessage = kIconMessage;
  icon.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));  // IDI_APPLICATION
  lstrcpyA(icon.szTip, kClassName);
  Shell_NotifyIconA(NIM_ADD, &icon);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  Shell_NotifyIconA(NIM_DELETE, &icon);
  return 0;
}
