// tarvio_driver.exe: drives the running tarvio.exe from outside, as a user and Windows
// would, for the end-to-end tests. One command per call; results on standard output,
// exit code 0 for success, 1 for a failed wait or a missing window, 2 for bad usage.
#include <windows.h>

#include "platform/win32/form_class.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr const char* kFormClass = tarvio::platform::win32::kFormClassName;
constexpr const char* kMainCaption = "Tarvio";
constexpr DWORD kPollMilliseconds = 50;
constexpr int kMessageBoxTextId = 0xFFFF;
// Where Windows XP and later keep the default Internet connection (per user and per machine).
constexpr const char* kAutodialDefaultKey = "Software\\Microsoft\\RAS Autodial\\Default";

struct Search {
  const char* className;
  const char* caption;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  char className[64] = {};
  char caption[256] = {};
  GetClassNameA(window, className, sizeof className);
  GetWindowTextA(window, caption, sizeof caption);
  if (std::strcmp(className, search->className) == 0 && std::strcmp(caption, search->caption) == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindTop(const char* className, const char* caption) {
  Search search{className, caption, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND MainWindow() { return FindTop(kFormClass, kMainCaption); }
HWND MessageBoxWindow() { return FindTop("#32770", kMainCaption); }

template <typename Condition>
bool WaitFor(DWORD timeout, Condition condition) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start >= timeout) return false;
    Sleep(kPollMilliseconds);
  }
}

// Carriage returns and line feeds shown as \r and \n, so a text prints on one line.
std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else out += c;
  }
  return out;
}

std::string Utf8(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return {};
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
  out.resize(static_cast<std::size_t>(size - 1));
  return out;
}

// UTF-8, so that the tests compare the program's German texts as written.
std::string WindowText(HWND window) {
  wchar_t buffer[4096] = {};
  GetWindowTextW(window, buffer, 4096);
  return Utf8(buffer);
}

std::string ClassOf(HWND window) {
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  return className;
}

HKEY Root(const std::string& name) {
  if (name == "HKCU") return HKEY_CURRENT_USER;
  if (name == "HKLM") return HKEY_LOCAL_MACHINE;
  std::fprintf(stderr, "unknown root %s\n", name.c_str());
  std::exit(2);
}

int Fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  return 1;
}

HWND RequireMain() {
  HWND window = MainWindow();
  if (window == nullptr) {
    std::fprintf(stderr, "no Tarvio window\n");
    std::exit(1);
  }
  return window;
}

HWND RequireControl(const char* idText) {
  HWND control = GetDlgItem(RequireMain(), std::atoi(idText));
  if (control == nullptr) {
    std::fprintf(stderr, "no control %s\n", idText);
    std::exit(1);
  }
  return control;
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

int Usage() {
  std::fprintf(stderr,
               "commands: wait-window MS | show MS | wait-gone MS | visible | wait-visible 0|1 MS | client | rect ID |\n"
               "  caption [ID] | items ID | selection ID | enabled ID | taborder | focus | click ID |\n"
               "  choose ID INDEX | key VK | post MSG WPARAM LPARAM | close-titlebar | close | end-session |\n"
               "  wait-box MS | press-box ID | no-box MS | reg-get ROOT KEY NAME | reg-set ROOT KEY NAME TEXT |\n"
               "  reg-del-value ROOT KEY NAME | reg-del-tree ROOT KEY | reg-add-key ROOT KEY |\n"
               "  wait-reg ROOT KEY NAME TEXT MS | windows | program MS | seed INTERNETPROFILE HANGUPTIMER ENTRY...\n");
  return 2;
}

// EnumWindows wants a CALLBACK (stdcall in the 32-bit build), which a lambda is not.
BOOL CALLBACK PrintWindowLine(HWND window, LPARAM) {
  std::printf("%s|%s|%d\n", ClassOf(window).c_str(), WindowText(window).c_str(), IsWindowVisible(window) ? 1 : 0);
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string command = argv[1];
  auto arg = [&](int i) -> const char* {
    if (i + 1 >= argc) std::exit(Usage());
    return argv[i + 1];
  };
  auto number = [&](int i) { return std::strtoul(arg(i), nullptr, 0); };

  if (command == "wait-window") {
    return WaitFor(number(1), [] { return MainWindow() != nullptr; }) ? 0 : Fail("timeout");
  }
  if (command == "wait-gone") {
    return WaitFor(number(1), [] { return MainWindow() == nullptr; }) ? 0 : Fail("timeout");
  }
  if (command == "visible") {
    std::printf("%d\n", IsWindowVisible(RequireMain()) ? 1 : 0);
    return 0;
  }
  if (command == "wait-visible") {
    const bool want = number(1) != 0;
    return WaitFor(number(2), [want] {
             HWND window = MainWindow();
             return window != nullptr && (IsWindowVisible(window) != FALSE) == want;
           })
               ? 0
               : Fail("timeout");
  }
  if (command == "show") {
    // The tray icon's left click, repeated until the window shows. The icon's messages
    // reach the program only once start-up has hooked the window, and posted messages
    // are handled only when it waits for input again after start-up: a shown window
    // proves start-up is over.
    const DWORD timeout = number(1);
    return WaitFor(timeout,
                   [] {
                     HWND window = MainWindow();
                     if (window == nullptr) return false;
                     PostMessageA(window, 1024, 0, WM_LBUTTONDOWN);
                     return WaitFor(300, [window] { return IsWindowVisible(window) != FALSE; });
                   })
               ? 0
               : Fail("timeout");
  }
  if (command == "client") {
    RECT client{};
    GetClientRect(RequireMain(), &client);
    std::printf("%ld %ld\n", client.right, client.bottom);
    return 0;
  }
  if (command == "rect") {
    HWND control = RequireControl(arg(1));
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, RequireMain(), reinterpret_cast<POINT*>(&rect), 2);
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    return 0;
  }
  if (command == "caption") {
    HWND window = argc > 2 ? RequireControl(arg(1)) : RequireMain();
    std::printf("%s\n", Escaped(WindowText(window)).c_str());
    return 0;
  }
  if (command == "items" || command == "selection") {
    HWND control = RequireControl(arg(1));
    const bool combo = ClassOf(control) == "ComboBox";
    const UINT countMessage = combo ? CB_GETCOUNT : LB_GETCOUNT;
    const UINT textMessage = combo ? CB_GETLBTEXT : LB_GETTEXT;
    const UINT lengthMessage = combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN;
    // Wide calls: Wine hands list texts across processes in UTF-16 whatever was asked.
    auto itemText = [&](LRESULT index) {
      const LRESULT length = SendMessageW(control, lengthMessage, static_cast<WPARAM>(index), 0);
      std::vector<wchar_t> buffer(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
      SendMessageW(control, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
      return Utf8(buffer.data());
    };
    if (command == "items") {
      const LRESULT count = SendMessageA(control, countMessage, 0, 0);
      for (LRESULT i = 0; i < count; ++i) std::printf("%s\n", itemText(i).c_str());
    } else {
      const LRESULT selected = SendMessageA(control, combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
      std::printf("%ld %s\n", static_cast<long>(selected), selected >= 0 ? itemText(selected).c_str() : "");
    }
    return 0;
  }
  if (command == "enabled") {
    std::printf("%d\n", IsWindowEnabled(RequireControl(arg(1))) ? 1 : 0);
    return 0;
  }
  if (command == "taborder") {
    // From the control that has the focus once the window is first shown, around once.
    HWND window = RequireMain();
    HWND start = FocusOf(window);
    if (start == nullptr) return Fail("no focus");
    HWND at = start;
    do {
      std::printf("%d\n", GetDlgCtrlID(at));
      at = GetNextDlgTabItem(window, at, FALSE);
    } while (at != nullptr && at != start);
    return 0;
  }
  if (command == "focus") {
    HWND focus = FocusOf(RequireMain());
    std::printf("%d\n", focus != nullptr ? GetDlgCtrlID(focus) : 0);
    return 0;
  }
  if (command == "click") {
    HWND control = RequireControl(arg(1));
    PostMessageA(RequireMain(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
                 reinterpret_cast<LPARAM>(control));
    return 0;
  }
  if (command == "choose") {
    // What a user's pick does: the control changes, then tells its parent.
    HWND control = RequireControl(arg(1));
    const bool combo = ClassOf(control) == "ComboBox";
    SendMessageA(control, combo ? CB_SETCURSEL : LB_SETCURSEL, number(2), 0);
    PostMessageA(RequireMain(), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(control), combo ? CBN_SELCHANGE : LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(control));
    return 0;
  }
  if (command == "key") {
    HWND window = RequireMain();
    HWND focus = FocusOf(window);
    HWND target = focus != nullptr ? focus : window;
    const WPARAM key = number(1);
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    return 0;
  }
  if (command == "post") {
    PostMessageA(RequireMain(), static_cast<UINT>(number(1)), number(2), static_cast<LPARAM>(number(3)));
    return 0;
  }
  if (command == "close-titlebar") {
    PostMessageA(RequireMain(), WM_SYSCOMMAND, SC_CLOSE, 0);
    return 0;
  }
  if (command == "close") {
    // What the Task Manager sends to end a program: a bare WM_CLOSE.
    PostMessageA(RequireMain(), WM_CLOSE, 0, 0);
    return 0;
  }
  if (command == "end-session") {
    HWND window = RequireMain();
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 5000, &answer);
    std::printf("%lu\n", static_cast<unsigned long>(answer));
    SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 5000, &answer);
    return 0;
  }
  if (command == "wait-box") {
    HWND box = nullptr;
    if (!WaitFor(number(1), [&box] { return (box = MessageBoxWindow()) != nullptr; })) return Fail("timeout");
    HWND text = GetDlgItem(box, kMessageBoxTextId);
    std::printf("%s\n", Escaped(text != nullptr ? WindowText(text) : std::string()).c_str());
    return 0;
  }
  if (command == "press-box") {
    HWND box = MessageBoxWindow();
    if (box == nullptr) return Fail("no message box");
    const int id = static_cast<int>(number(1));
    HWND button = GetDlgItem(box, id);
    if (button == nullptr) return Fail("no such button");
    // Pressed by its identifier: closing the box would answer Cancel under Wine.
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return WaitFor(5000, [box] { return !IsWindow(box); }) ? 0 : Fail("box stays");
  }
  if (command == "no-box") {
    return WaitFor(number(1), [] { return MessageBoxWindow() != nullptr; }) ? Fail("a message box appeared") : 0;
  }
  if (command == "reg-get") {
    HKEY key = nullptr;
    if (RegOpenKeyExA(Root(arg(1)), arg(2), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
      std::printf("<missing>\n");
      return 0;
    }
    char data[1024] = {};
    DWORD size = sizeof data - 1;
    DWORD type = 0;
    const LONG status = RegQueryValueExA(key, arg(3), nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    std::printf("%s\n", status == ERROR_SUCCESS ? data : "<missing>");
    return 0;
  }
  if (command == "wait-reg") {
    // Polls until the value holds the text: ROOT KEY NAME TEXT MS.
    const std::string want = arg(4);
    const HKEY root = Root(arg(1));
    const char* path = arg(2);
    const char* name = arg(3);
    std::string seen = "<missing>";
    const bool matched = WaitFor(number(5), [&] {
      HKEY key = nullptr;
      if (RegOpenKeyExA(root, path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
      char data[1024] = {};
      DWORD size = sizeof data - 1;
      const LONG status = RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
      RegCloseKey(key);
      if (status == ERROR_SUCCESS) seen = data;
      return status == ERROR_SUCCESS && want == data;
    });
    if (!matched) std::fprintf(stderr, "value is %s\n", seen.c_str());
    return matched ? 0 : 1;
  }
  if (command == "windows") {
    // Every top-level window with its class and caption, for finding one's way.
    EnumWindows(PrintWindowLine, 0);
    return 0;
  }
  if (command == "program") {
    // The program file behind a window of the form class, found as the installer finds
    // a running Tarvio: by the class alone.
    HWND window = nullptr;
    if (!WaitFor(number(1), [&window] { return (window = FindWindowA(kFormClass, nullptr)) != nullptr; })) {
      return Fail("no window of the form class");
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    char path[MAX_PATH * 4] = {};
    DWORD size = sizeof path;
    const bool named = process != nullptr && QueryFullProcessImageNameA(process, 0, path, &size);
    if (process != nullptr) CloseHandle(process);
    if (!named) return Fail("its process cannot be opened");
    std::printf("%s\n", path);
    return 0;
  }
  if (command == "seed") {
    // A clean dial-up state in one call: SEED INTERNETPROFILE HANGUPTIMER ENTRY...
    // Every value the program reads or writes starts from what is given here; the current
    // connection goes to both places that hold it for the user.
    RegDeleteTreeA(HKEY_CURRENT_USER, "remoteaccess");
    HKEY key = nullptr;
    for (int i = 4; i < argc; ++i) {
      const std::string path = std::string("remoteaccess\\Profile\\") + argv[i];
      if (RegCreateKeyA(HKEY_CURRENT_USER, path.c_str(), &key) == ERROR_SUCCESS) RegCloseKey(key);
    }
    auto setText = [](HKEY root, const char* path, const char* name, const std::string& text) {
      HKEY opened = nullptr;
      if (RegCreateKeyA(root, path, &opened) != ERROR_SUCCESS) return false;
      RegSetValueExA(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>(text.size() + 1));
      RegCloseKey(opened);
      return true;
    };
    const bool done = setText(HKEY_CURRENT_USER, "remoteaccess", "InternetProfile", arg(1)) &&
                      setText(HKEY_CURRENT_USER, "remoteaccess", "Default", arg(1)) &&
                      setText(HKEY_CURRENT_USER, kAutodialDefaultKey, "DefaultInternet", arg(1)) &&
                      setText(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\ICSharing\\Settings\\General",
                              "HangupTimer", arg(2));
    // The machine-wide default connection is not there unless a test puts it there.
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kAutodialDefaultKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
      RegDeleteValueA(key, "DefaultInternet");
      RegCloseKey(key);
    }
    return done ? 0 : Fail("cannot seed");
  }
  if (command == "reg-set") {
    HKEY key = nullptr;
    if (RegCreateKeyA(Root(arg(1)), arg(2), &key) != ERROR_SUCCESS) return Fail("cannot create key");
    const std::string text = arg(4);
    RegSetValueExA(key, arg(3), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
    return 0;
  }
  if (command == "reg-add-key") {
    HKEY key = nullptr;
    if (RegCreateKeyA(Root(arg(1)), arg(2), &key) != ERROR_SUCCESS) return Fail("cannot create key");
    RegCloseKey(key);
    return 0;
  }
  if (command == "reg-del-value") {
    HKEY key = nullptr;
    if (RegOpenKeyExA(Root(arg(1)), arg(2), 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
      RegDeleteValueA(key, arg(3));
      RegCloseKey(key);
    }
    return 0;
  }
  if (command == "reg-del-tree") {
    RegDeleteTreeA(Root(arg(1)), arg(2));
    return 0;
  }
  return Usage();
}
