// tarvio_driver.exe: drives the running tarvio.exe from outside, as a user and Windows
// would, for the end-to-end scenarios. One command per call (the table below); results
// on standard output; exit code 0 for success, 1 for a failed wait or a missing window,
// 2 for bad usage.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/win32/form_class.h"

namespace {

using tarvio::platform::win32::kFormClassName;

constexpr const char* kProductName = "Tarvio";
constexpr DWORD kPollMilliseconds = 50;
constexpr int kMessageBoxTextId = 0xFFFF;

struct Search {
  const char* className;
  bool mainWindow;  // the main window is captioned with the product name, the info dialog is not
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  char className[64] = {};
  char caption[256] = {};
  GetClassNameA(window, className, sizeof className);
  GetWindowTextA(window, caption, sizeof caption);
  if (std::strcmp(className, search->className) != 0 || (std::strcmp(caption, kProductName) == 0) != search->mainWindow) {
    return TRUE;
  }
  search->found = window;
  return FALSE;
}

HWND FindTop(const char* className, bool mainWindow) {
  Search search{className, mainWindow, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}
HWND MainWindow() { return FindTop(kFormClassName, true); }
HWND InfoWindow() { return FindTop(kFormClassName, false); }
HWND MessageBoxWindow() { return FindTop("#32770", true); }

bool WaitFor(DWORD timeout, const std::function<bool()>& condition) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start >= timeout) return false;
    Sleep(kPollMilliseconds);
  }
}

[[noreturn]] void Fail(const std::string& what, int code = 1) {
  std::fprintf(stderr, "%s\n", what.c_str());
  std::exit(code);
}

std::string Utf8(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return {};
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
  out.resize(static_cast<std::size_t>(size - 1));
  return out;
}

// UTF-8 with carriage returns and line feeds shown as \r and \n: the program's German
// texts compare as written, on one line.
std::string WindowText(HWND window) {
  wchar_t buffer[4096] = {};
  GetWindowTextW(window, buffer, 4096);
  std::string out;
  for (const char c : Utf8(buffer)) out += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
  return out;
}

bool IsCombo(HWND control) {
  char className[64] = {};
  GetClassNameA(control, className, sizeof className);
  return std::strcmp(className, "ComboBox") == 0;
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

HKEY OpenKey(const std::string& root, const std::string& path, REGSAM access) {
  if (root != "HKCU" && root != "HKLM") Fail("unknown root " + root, 2);
  HKEY key = nullptr;
  RegOpenKeyExA(root == "HKCU" ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE, path.c_str(), 0, access, &key);
  return key;
}

std::string ReadValue(const std::string& root, const std::string& path, const std::string& name) {
  HKEY key = OpenKey(root, path, KEY_QUERY_VALUE);
  char data[1024] = {};
  DWORD size = sizeof data - 1;
  const bool found =
      key != nullptr && RegQueryValueExA(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size) == 0;
  if (key != nullptr) RegCloseKey(key);
  return found ? data : "<missing>";
}

void WriteValue(HKEY root, const std::string& path, const std::string& name, const std::string& text) {
  HKEY key = nullptr;
  if (RegCreateKeyA(root, path.c_str(), &key) != ERROR_SUCCESS) Fail("cannot create " + path);
  RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>(text.size() + 1));
  RegCloseKey(key);
}

void DeleteValue(const std::string& root, const std::string& path, const std::string& name) {
  if (HKEY key = OpenKey(root, path, KEY_SET_VALUE)) {
    RegDeleteValueA(key, name.c_str());
    RegCloseKey(key);
  }
}

struct Args {
  std::vector<std::string> words;
  const std::string& Text(std::size_t i) const { return words.at(i); }
  unsigned long Number(std::size_t i) const { return std::strtoul(words.at(i).c_str(), nullptr, 0); }
  bool Has(std::size_t i) const { return i < words.size(); }
};

HWND Require(HWND window) {
  if (window == nullptr) Fail("no Tarvio window");
  return window;
}
HWND Main() { return Require(MainWindow()); }
// The main window, or the info dialog when the command's last word is "info".
bool ForInfo(const Args& a) { return !a.words.empty() && a.words.back() == "info"; }
HWND Find(const Args& a) { return ForInfo(a) ? InfoWindow() : MainWindow(); }
HWND Target(const Args& a) { return Require(Find(a)); }
HWND Control(const Args& a, std::size_t at, HWND parent) {
  HWND control = GetDlgItem(parent, static_cast<int>(a.Number(at)));
  if (control == nullptr) Fail("no control " + a.Text(at));
  return control;
}

std::string ItemText(HWND control, LRESULT index) {
  const bool combo = IsCombo(control);
  // Wide calls: Wine hands list texts across processes in UTF-16 whatever was asked.
  const LRESULT length = SendMessageW(control, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
  SendMessageW(control, combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(buffer.data()));
  return Utf8(buffer.data());
}

void PostKey(UINT down, UINT up, WPARAM key, LPARAM flags) {
  HWND focus = FocusOf(Main());
  HWND target = focus != nullptr ? focus : Main();
  PostMessageA(target, down, key, 1 | flags);
  if (up != 0) PostMessageA(target, up, key, static_cast<LPARAM>(0xC0000001u) | flags);
}

int Print(const std::string& text) {
  std::printf("%s\n", text.c_str());
  return 0;
}
int Check(bool ok) {
  if (!ok) Fail("timeout");
  return 0;
}

struct Command {
  const char* name;
  const char* usage;
  std::size_t minArgs;
  std::function<int(const Args&)> run;
};

// Every wait polls for its condition with a time limit.
const std::vector<Command> kCommands = {
    {"wait-window", "MS [info]", 1, [](const Args& a) { return Check(WaitFor(a.Number(0), [&] { return Find(a) != nullptr; })); }},
    {"wait-gone", "MS [info]", 1, [](const Args& a) { return Check(WaitFor(a.Number(0), [&] { return Find(a) == nullptr; })); }},
    {"visible", "[info]", 0, [](const Args& a) { return Print(IsWindowVisible(Target(a)) ? "1" : "0"); }},
    {"wait-visible", "0|1 MS [info]", 2,
     [](const Args& a) {
       const bool want = a.Number(0) != 0;
       return Check(WaitFor(a.Number(1), [&] {
         HWND window = Find(a);
         return window != nullptr && (IsWindowVisible(window) != FALSE) == want;
       }));
     }},
    // The tray icon's left click, repeated until the window shows. The icon's messages
    // reach the program once start-up has hooked the window, and a posted message is
    // handled once it waits for input again: a shown window proves start-up is over.
    {"show", "MS", 1,
     [](const Args& a) {
       return Check(WaitFor(a.Number(0), [] {
         HWND window = MainWindow();
         if (window == nullptr) return false;
         PostMessageA(window, 1024, 0, WM_LBUTTONDOWN);
         return WaitFor(300, [window] { return IsWindowVisible(window) != FALSE; });
       }));
     }},
    {"client", "", 0,
     [](const Args&) {
       RECT client{};
       GetClientRect(Main(), &client);
       return Print(std::to_string(client.right) + " " + std::to_string(client.bottom));
     }},
    {"rect", "ID", 1,
     [](const Args& a) {
       RECT r{};
       GetWindowRect(Control(a, 0, Main()), &r);
       MapWindowPoints(nullptr, Main(), reinterpret_cast<POINT*>(&r), 2);
       return Print(std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right - r.left) +
                    " " + std::to_string(r.bottom - r.top));
     }},
    {"caption", "[ID]", 0, [](const Args& a) { return Print(WindowText(a.Has(0) ? Control(a, 0, Main()) : Main())); }},
    {"items", "ID", 1,
     [](const Args& a) {
       HWND control = Control(a, 0, Main());
       const LRESULT count = SendMessageA(control, IsCombo(control) ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
       for (LRESULT i = 0; i < count; ++i) Print(ItemText(control, i));
       return 0;
     }},
    {"selection", "ID", 1,
     [](const Args& a) {
       HWND control = Control(a, 0, Main());
       const LRESULT at = SendMessageA(control, IsCombo(control) ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
       return Print(std::to_string(at) + " " + (at >= 0 ? ItemText(control, at) : ""));
     }},
    {"enabled", "[ID]", 0,
     [](const Args& a) { return Print(IsWindowEnabled(a.Has(0) ? Control(a, 0, Main()) : Main()) ? "1" : "0"); }},
    // From the control that has the focus, around once.
    {"taborder", "", 0,
     [](const Args&) {
       HWND start = FocusOf(Main());
       if (start == nullptr) Fail("no focus");
       HWND at = start;
       do {
         Print(std::to_string(GetDlgCtrlID(at)));
         at = GetNextDlgTabItem(Main(), at, FALSE);
       } while (at != nullptr && at != start);
       return 0;
     }},
    // The control of the window (or the info dialog) that has the focus; 0 for none.
    {"focus", "[info]", 0,
     [](const Args& a) {
       HWND window = Target(a);
       HWND focus = FocusOf(window);
       return Print(std::to_string(focus != nullptr && IsChild(window, focus) ? GetDlgCtrlID(focus) : 0));
     }},
    {"click", "ID [info]", 1,
     [](const Args& a) {
       HWND window = Target(a);
       PostMessageA(window, WM_COMMAND, MAKEWPARAM(a.Number(0), BN_CLICKED),
                    reinterpret_cast<LPARAM>(Control(a, 0, window)));
       return 0;
     }},
    // What a user's pick does: the control changes, then tells its parent.
    {"choose", "ID INDEX", 2,
     [](const Args& a) {
       HWND control = Control(a, 0, Main());
       const bool combo = IsCombo(control);
       SendMessageA(control, combo ? CB_SETCURSEL : LB_SETCURSEL, a.Number(1), 0);
       PostMessageA(Main(), WM_COMMAND, MAKEWPARAM(a.Number(0), combo ? CBN_SELCHANGE : LBN_SELCHANGE),
                    reinterpret_cast<LPARAM>(control));
       return 0;
     }},
    {"key", "VK", 1, [](const Args& a) {
       PostKey(WM_KEYDOWN, WM_KEYUP, a.Number(0), 0);
       return 0;
     }},
    // A typed character for the focused control; with "alt" as Windows sends it while Alt
    // is held (the context bit set).
    {"char", "C [alt]", 1,
     [](const Args& a) {
       const bool alt = a.Has(1) && a.Text(1) == "alt";
       PostKey(alt ? WM_SYSCHAR : WM_CHAR, 0, static_cast<unsigned char>(a.Text(0)[0]), alt ? 1L << 29 : 0);
       return 0;
     }},
    {"post", "MSG WPARAM LPARAM", 3,
     [](const Args& a) {
       PostMessageA(Main(), static_cast<UINT>(a.Number(0)), a.Number(1), static_cast<LPARAM>(a.Number(2)));
       return 0;
     }},
    {"close-titlebar", "", 0, [](const Args&) {
       PostMessageA(Main(), WM_SYSCOMMAND, SC_CLOSE, 0);
       return 0;
     }},
    // What the Task Manager sends to end a program: a bare WM_CLOSE.
    {"close", "", 0, [](const Args&) {
       PostMessageA(Main(), WM_CLOSE, 0, 0);
       return 0;
     }},
    {"end-session", "", 0,
     [](const Args&) {
       DWORD_PTR answer = 0;
       SendMessageTimeoutA(Main(), WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 5000, &answer);
       Print(std::to_string(answer));
       SendMessageTimeoutA(Main(), WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 5000, &answer);
       return 0;
     }},
    {"wait-box", "MS", 1,
     [](const Args& a) {
       HWND box = nullptr;
       Check(WaitFor(a.Number(0), [&box] { return (box = MessageBoxWindow()) != nullptr; }));
       HWND text = GetDlgItem(box, kMessageBoxTextId);
       return Print(text != nullptr ? WindowText(text) : "");
     }},
    // Pressed by its identifier: closing the box would answer Cancel under Wine.
    {"press-box", "ID", 1,
     [](const Args& a) {
       HWND box = MessageBoxWindow();
       if (box == nullptr) Fail("no message box");
       PostMessageA(box, WM_COMMAND, MAKEWPARAM(a.Number(0), BN_CLICKED), reinterpret_cast<LPARAM>(Control(a, 0, box)));
       return Check(WaitFor(5000, [box] { return !IsWindow(box); }));
     }},
    {"no-box", "MS", 1,
     [](const Args& a) {
       if (WaitFor(a.Number(0), [] { return MessageBoxWindow() != nullptr; })) Fail("a message box appeared");
       return 0;
     }},
    {"reg-get", "ROOT KEY NAME", 3, [](const Args& a) { return Print(ReadValue(a.Text(0), a.Text(1), a.Text(2))); }},
    {"reg-set", "ROOT KEY NAME TEXT", 4,
     [](const Args& a) {
       WriteValue(a.Text(0) == "HKLM" ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER, a.Text(1), a.Text(2), a.Text(3));
       return 0;
     }},
    {"reg-del-value", "ROOT KEY NAME", 3, [](const Args& a) {
       DeleteValue(a.Text(0), a.Text(1), a.Text(2));
       return 0;
     }},
    {"wait-reg", "ROOT KEY NAME TEXT MS", 5,
     [](const Args& a) {
       std::string seen;
       if (WaitFor(a.Number(4), [&] { return (seen = ReadValue(a.Text(0), a.Text(1), a.Text(2))) == a.Text(3); })) return 0;
       Fail("value is " + seen);
     }},
    // A clean dial-up state: the dial-up entries, the current connection in every place
    // that holds it for the user, the idle time, and no machine-wide default connection.
    {"seed", "INTERNETPROFILE HANGUPTIMER ENTRY...", 2,
     [](const Args& a) {
       constexpr const char* kAutodial = "Software\\Microsoft\\RAS Autodial\\Default";
       RegDeleteTreeA(HKEY_CURRENT_USER, "remoteaccess");
       for (std::size_t i = 2; i < a.words.size(); ++i) {
         HKEY key = nullptr;
         if (RegCreateKeyA(HKEY_CURRENT_USER, ("remoteaccess\\Profile\\" + a.Text(i)).c_str(), &key) == 0) RegCloseKey(key);
       }
       WriteValue(HKEY_CURRENT_USER, "remoteaccess", "InternetProfile", a.Text(0));
       WriteValue(HKEY_CURRENT_USER, "remoteaccess", "Default", a.Text(0));
       WriteValue(HKEY_CURRENT_USER, kAutodial, "DefaultInternet", a.Text(0));
       WriteValue(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\ICSharing\\Settings\\General", "HangupTimer",
                  a.Text(1));
       DeleteValue("HKLM", kAutodial, "DefaultInternet");
       return 0;
     }},
};

}  // namespace

int main(int argc, char** argv) {
  Args args;
  for (int i = 2; i < argc; ++i) args.words.emplace_back(argv[i]);
  for (const Command& command : kCommands) {
    if (argc >= 2 && command.name == std::string(argv[1]) && args.words.size() >= command.minArgs) {
      return command.run(args);
    }
  }
  for (const Command& command : kCommands) std::fprintf(stderr, "%s %s\n", command.name, command.usage);
  return 2;
}
