// tarvio_driver.exe: drives the running tarvio.exe from outside, as a user and Windows
// would, for the end-to-end scenarios. One command per call, or several separated by ";"
// (the table at the end);
// results on standard output; exit code 0 for success, 1 for a failed wait or a missing
// window, 2 for bad usage. A command whose last word is "info" works on the info dialog.
#include <windows.h>
#include <commctrl.h>
#include <sddl.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/win32/form_class.h"

namespace {

using Args = std::vector<std::string>;

[[noreturn]] void Fail(const std::string& what, int code = 1) {
  std::fprintf(stderr, "%s\n", what.c_str());
  std::exit(code);
}
int Print(const std::string& text) {
  std::printf("%s\n", text.c_str());
  return 0;
}
unsigned long Number(const Args& a, std::size_t i) { return std::strtoul(a.at(i).c_str(), nullptr, 0); }
bool ForInfo(const Args& a) { return !a.empty() && a.back() == "info"; }

// The program's forms share one class; the main window is the one captioned "Tarvio".
HWND FindTop(const char* className, bool mainWindow) {
  for (HWND w = FindWindowExA(nullptr, nullptr, className, nullptr); w;
       w = FindWindowExA(nullptr, w, className, nullptr)) {
    char caption[256] = {};
    GetWindowTextA(w, caption, sizeof caption);
    if ((std::strcmp(caption, "Tarvio") == 0) == mainWindow) return w;
  }
  return nullptr;
}
HWND Find(const Args& a) { return FindTop(tarvio::platform::win32::kFormClassName, !ForInfo(a)); }
HWND Box() { return FindTop("#32770", true); }
// A search that misses the window fails the command aloud: a null window handed on
// would read as an empty text.
HWND Window(const Args& a) {
  HWND window = Find(a);
  return window ? window : (Fail("no Tarvio window"), nullptr);
}
HWND Control(const Args& a, std::size_t i, HWND parent) {
  HWND control = GetDlgItem(parent, static_cast<int>(Number(a, i)));
  return control ? control : (Fail("no control " + a.at(i)), nullptr);
}

int WaitFor(unsigned long milliseconds, const std::function<bool()>& condition) {
  for (const DWORD start = GetTickCount(); !condition(); Sleep(50)) {
    if (GetTickCount() - start >= milliseconds) Fail("timeout");
  }
  return 0;
}

// UTF-8 with carriage returns and line feeds shown as \r and \n: the program's German
// texts compare as written, on one line.
std::string Utf8(const wchar_t* text) {
  char buffer[8192] = {};
  WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer, sizeof buffer, nullptr, nullptr);
  std::string out;
  for (const char* c = buffer; *c != '\0'; ++c) out += *c == '\r' ? "\\r" : *c == '\n' ? "\\n" : std::string(1, *c);
  return out;
}
std::string Text(HWND window) {
  wchar_t text[4096] = {};
  GetWindowTextW(window, text, 4096);
  return Utf8(text);
}

bool IsCombo(HWND control) {
  char name[16] = {};
  GetClassNameA(control, name, sizeof name);
  return std::strcmp(name, "ComboBox") == 0;
}
// Wide calls: Wine hands list texts across processes in UTF-16 whatever was asked.
std::string Item(HWND control, LRESULT index) {
  wchar_t text[1024] = {};
  SendMessageW(control, IsCombo(control) ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(text));
  return Utf8(text);
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}
int Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return PostMessageA(window, message, wParam, lParam) ? 0 : 1;
}
// What a control tells its window: the code, with the control's identifier and handle.
int Notify(const Args& a, WORD code) {
  return Post(Window(a), WM_COMMAND, MAKEWPARAM(Number(a, 0), code),
              reinterpret_cast<LPARAM>(Control(a, 0, Window(a))));
}
// Keys and typed characters go where Windows sends them: to the control with the focus.
int PostToFocus(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND focus = FocusOf(Window({}));
  return Post(focus ? focus : Window({}), message, wParam, lParam);
}

HKEY Root(const std::string& root) { return root == "HKLM" ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }
// A value as text; a DWORD as dword:XXXXXXXX; "<missing>" when it is not there.
std::string ReadValue(const std::string& root, const std::string& path, const std::string& name) {
  char data[1024] = {};
  DWORD size = sizeof data - 1, type = 0;
  if (RegGetValueA(Root(root), path.c_str(), name.c_str(), RRF_RT_ANY, &type, data, &size)) return "<missing>";
  if (type != REG_DWORD) return data;
  char dword[16] = {};
  std::snprintf(dword, sizeof dword, "dword:%08lx", static_cast<unsigned long>(*reinterpret_cast<DWORD*>(data)));
  return dword;
}
void WriteValue(HKEY root, const std::string& path, const std::string& name, const std::string& text) {
  if (RegSetKeyValueA(root, path.c_str(), name.c_str(), REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1))) {
    Fail("cannot write " + path);
  }
}
int DeleteValue(HKEY root, const std::string& path, const std::string& name) {
  RegDeleteKeyValueA(root, path.c_str(), name.c_str());
  return 0;
}

// The key's access list: "read" lets everybody read the key and nobody write it, as
// HKLM\\System is for a standard user; "full" gives everybody everything again. Its owner
// may always change the list.
int SetKeyAccess(HKEY root, const std::string& path, bool writable) {
  HKEY key = nullptr;
  PSECURITY_DESCRIPTOR access = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, WRITE_DAC, &key)) return 0;
  ConvertStringSecurityDescriptorToSecurityDescriptorA(writable ? "D:(A;;KA;;;WD)" : "D:(A;;KR;;;WD)", SDDL_REVISION_1,
                                                       &access, nullptr);
  if (RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, access)) Fail("cannot set the access of " + path);
  LocalFree(access);
  RegCloseKey(key);
  return 0;
}

// The tip of the program's icon as the notification area keeps it: the texts of the tool
// tips of the tray's process, each copied by its tool tip control into memory of that
// process, where the control reads and writes what it is given.
std::wstring TrayTip() {
  DWORD tray = 0;
  GetWindowThreadProcessId(FindWindowA("Shell_TrayWnd", nullptr), &tray);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, tray);
  struct Shared {
    TTTOOLINFOW tool;
    wchar_t text[1024];  // as much as a tool tip hands out
  } local{};
  auto* shared = static_cast<Shared*>(VirtualAllocEx(process, nullptr, sizeof local, MEM_COMMIT, PAGE_READWRITE));
  std::wstring tips;
  for (HWND tip = nullptr; shared && (tip = FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr));) {
    DWORD owner = 0;
    GetWindowThreadProcessId(tip, &owner);
    for (WPARAM i = 0; owner == tray && i < static_cast<WPARAM>(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0)); ++i) {
      local = {};
      local.tool.cbSize = sizeof local.tool;
      local.tool.lpszText = shared->text;
      WriteProcessMemory(process, shared, &local, sizeof local, nullptr);
      SendMessageW(tip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&shared->tool));
      ReadProcessMemory(process, shared, &local, sizeof local - sizeof(wchar_t), nullptr);
      tips += local.text;
    }
  }
  if (shared) VirtualFreeEx(process, shared, 0, MEM_RELEASE);
  if (process) CloseHandle(process);
  return tips;
}

struct Command {
  const char* name;
  const char* usage;
  std::size_t arguments;
  std::function<int(const Args&)> run;
};

const std::vector<Command> kCommands = {
    {"wait-gone", "MS [info]", 1,
     [](const Args& a) { return WaitFor(Number(a, 0), [&] { return Find(a) == nullptr; }); }},
    {"wait-visible", "0|1 MS [info]", 2,
     [](const Args& a) {
       return WaitFor(Number(a, 1), [&] {
         HWND window = Find(a);
         return window && (IsWindowVisible(window) != FALSE) == (Number(a, 0) != 0);
       });
     }},
    // The icon's left click, repeated until the window shows: its messages reach the
    // program once start-up has hooked the window and waits for input again.
    {"show", "MS", 1,
     [](const Args& a) {
       return WaitFor(Number(a, 0), [&] {
         HWND window = Find(a);
         if (window == nullptr) return false;
         PostMessageA(window, 1024, 0, WM_LBUTTONDOWN);
         Sleep(300);
         return IsWindowVisible(window) != FALSE;
       });
     }},
    {"visible", "[info]", 0, [](const Args& a) { return Print(IsWindowVisible(Window(a)) ? "1" : "0"); }},
    {"enabled", "[ID]", 0,
     [](const Args& a) {
       return Print(IsWindowEnabled(a.empty() ? Window(a) : Control(a, 0, Window({}))) ? "1" : "0");
     }},
    {"caption", "[ID]", 0,
     [](const Args& a) { return Print(Text(a.empty() ? Window(a) : Control(a, 0, Window({})))); }},
    // Left, top, width and height of a control within the client area; of the client area for 0.
    {"rect", "ID [info]", 1,
     [](const Args& a) {
       RECT r{};
       GetClientRect(Window(a), &r);
       if (Number(a, 0) != 0) {
         GetWindowRect(Control(a, 0, Window(a)), &r);
         MapWindowPoints(nullptr, Window(a), reinterpret_cast<POINT*>(&r), 2);
       }
       return Print(std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right - r.left) +
                    " " + std::to_string(r.bottom - r.top));
     }},
    // The window on the screen, title bar and border included: WIDTHxHEIGHT+LEFT+TOP.
    {"frame", "[info]", 0,
     [](const Args& a) {
       RECT r{};
       GetWindowRect(Window(a), &r);
       return Print(std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top) + "+" +
                    std::to_string(r.left) + "+" + std::to_string(r.top));
     }},
    {"items", "ID", 1,
     [](const Args& a) {
       HWND control = Control(a, 0, Window({}));
       const LRESULT count = SendMessageA(control, IsCombo(control) ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
       for (LRESULT i = 0; i < count; ++i) Print(Item(control, i));
       return 0;
     }},
    {"selection", "ID", 1,
     [](const Args& a) {
       HWND control = Control(a, 0, Window({}));
       const LRESULT at = SendMessageA(control, IsCombo(control) ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
       return Print(std::to_string(at) + " " + (at >= 0 ? Item(control, at) : ""));
     }},
    // The control of the window that has the focus (0 for none); the tab order around from it.
    {"focus", "[info]", 0,
     [](const Args& a) {
       HWND focus = FocusOf(Window(a));
       return Print(std::to_string(focus && IsChild(Window(a), focus) ? GetDlgCtrlID(focus) : 0));
     }},
    {"taborder", "", 0,
     [](const Args& a) {
       HWND start = FocusOf(Window(a));
       HWND at = start ? start : (Fail("no focus"), nullptr);
       do {
         Print(std::to_string(GetDlgCtrlID(at)));
         at = GetNextDlgTabItem(Window(a), at, FALSE);
       } while (at != nullptr && at != start);
       return 0;
     }},
    {"click", "ID [info]", 1, [](const Args& a) { return Notify(a, BN_CLICKED); }},
    // What a user's pick does: the control changes, then tells its parent; a drop-down
    // list is opened for it and closed after the pick.
    {"choose", "ID INDEX", 2,
     [](const Args& a) {
       HWND control = Control(a, 0, Window(a));
       const bool combo = IsCombo(control);
       if (combo) SendMessageA(control, CB_SHOWDROPDOWN, TRUE, 0);
       SendMessageA(control, combo ? CB_SETCURSEL : LB_SETCURSEL, Number(a, 1), 0);
       Notify(a, combo ? CBN_SELCHANGE : LBN_SELCHANGE);
       if (!combo) return 0;
       Notify(a, CBN_SELENDOK);
       return Post(control, CB_SHOWDROPDOWN, FALSE, 0);
     }},
    // Keys, each to the control with the focus at its turn: after a Tab, the next key waits
    // until the focus has moved.
    {"key", "VK...", 1,
     [](const Args& a) {
       for (std::size_t i = 0; i < a.size(); ++i) {
         HWND before = FocusOf(Window({}));
         PostToFocus(WM_KEYDOWN, Number(a, i), 1);
         PostToFocus(WM_KEYUP, Number(a, i), static_cast<LPARAM>(0xC0000001u));
         if (Number(a, i) == VK_TAB) WaitFor(5000, [&] { return FocusOf(Window({})) != before; });
       }
       return 0;
     }},
    // A typed character; with "alt" as Windows sends it while Alt is held (the context bit set).
    {"char", "C [alt]", 1,
     [](const Args& a) {
       const bool alt = a.size() > 1 && a[1] == "alt";
       return PostToFocus(alt ? WM_SYSCHAR : WM_CHAR, static_cast<unsigned char>(a[0][0]), alt ? 1 | 1L << 29 : 1);
     }},
    // Any message: 1024 with a mouse message is the icon, 16 (WM_CLOSE) the Task
    // Manager's close, 274 with 61536 (WM_SYSCOMMAND, SC_CLOSE) the title bar's.
    {"post", "MSG WPARAM LPARAM", 3,
     [](const Args& a) {
       return Post(Window(a), static_cast<UINT>(Number(a, 0)), Number(a, 1), static_cast<LPARAM>(Number(a, 2)));
     }},
    {"end-session", "", 0,
     [](const Args& a) {
       DWORD_PTR answer = 0;
       SendMessageTimeoutA(Window(a), WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 5000, &answer);
       Print(std::to_string(answer));
       SendMessageTimeoutA(Window(a), WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 5000, &answer);
       return 0;
     }},
    // Waits for another program's top-level window of that class and caption; with
    // "close" it is then closed as its title bar would, and gone.
    {"window", "CLASS CAPTION MS [close]", 3,
     [](const Args& a) {
       HWND window = nullptr;
       WaitFor(Number(a, 2), [&] { return (window = FindWindowA(a[0].c_str(), a[1].c_str())) != nullptr; });
       if (a.size() < 4 || a[3] != "close") return 0;
       PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
       return WaitFor(5000, [window] { return !IsWindow(window); });
     }},
    // Waits until the icon's tip reads TEXT (given in the ANSI code page, as the command
    // line comes); on a time-out it says what the tip read last.
    {"wait-tip", "TEXT MS", 2,
     [](const Args& a) {
       wchar_t want[1024] = {};
       MultiByteToWideChar(CP_ACP, 0, a[0].c_str(), -1, want, 1024);
       std::wstring seen;
       for (const DWORD start = GetTickCount(); (seen = TrayTip()) != want; Sleep(100)) {
         if (GetTickCount() - start >= Number(a, 1)) Fail("the tip reads [" + Utf8(seen.c_str()) + "]");
       }
       return 0;
     }},
    {"wait-box", "MS", 1,
     [](const Args& a) {
       HWND box = nullptr;
       WaitFor(Number(a, 0), [&] { return (box = Box()) != nullptr; });
       return Print(Text(GetDlgItem(box, 0xFFFF)));
     }},
    // Pressed by its identifier: closing the box would answer Cancel under Wine.
    // Pressed once the box is there, at most 5 s after the call.
    {"press-box", "ID", 1,
     [](const Args& a) {
       HWND box = nullptr;
       WaitFor(5000, [&] { return (box = Box()) != nullptr; });
       PostMessageA(box, WM_COMMAND, MAKEWPARAM(Number(a, 0), BN_CLICKED),
                    reinterpret_cast<LPARAM>(Control(a, 0, box)));
       return WaitFor(5000, [box] { return !IsWindow(box); });
     }},
    {"reg-get", "ROOT KEY NAME...", 3,
     [](const Args& a) {
       for (std::size_t i = 2; i < a.size(); ++i) Print(ReadValue(a[0], a[1], a[i]));
       return 0;
     }},
    {"reg-set", "ROOT KEY NAME TEXT", 4,
     [](const Args& a) {
       WriteValue(Root(a[0]), a[1], a[2], a[3]);
       return 0;
     }},
    {"reg-del-value", "ROOT KEY NAME", 3, [](const Args& a) { return DeleteValue(Root(a[0]), a[1], a[2]); }},
    {"reg-access", "ROOT KEY read|full", 3,
     [](const Args& a) { return SetKeyAccess(Root(a[0]), a[1], a[2] == "full"); }},
    // "tick": meanwhile the main window gets its timer's message (the form's timer 1) sooner
    // than the five seconds would bring it, so a due switch is written without waiting for them.
    {"wait-reg", "ROOT KEY NAME TEXT MS [tick]", 5,
     [](const Args& a) {
       return WaitFor(Number(a, 4), [&] {
         if (HWND window = a.size() > 5 ? Find({}) : nullptr) PostMessageA(window, WM_TIMER, 1, 0);
         return ReadValue(a[0], a[1], a[2]) == a[3];
       });
     }},
    // The program file behind a window of the form class, found as the installer finds a
    // running Tarvio: by the class alone.
    {"program", "MS", 1,
     [](const Args& a) {
       HWND window = nullptr;
       const char* className = tarvio::platform::win32::kFormClassName;
       WaitFor(Number(a, 0), [&] { return (window = FindWindowA(className, nullptr)) != nullptr; });
       DWORD processId = 0;
       GetWindowThreadProcessId(window, &processId);
       HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
       char path[MAX_PATH * 4] = {};
       DWORD size = sizeof path;
       const bool named = process != nullptr && QueryFullProcessImageNameA(process, 0, path, &size);
       if (process != nullptr) CloseHandle(process);
       return named ? Print(path) : (Fail("its process cannot be opened"), 1);
     }},
    // The colours the screen shows at points X Y of a control, RRGGBB on one line (read from
    // the screen: Wine keeps what a window drew in the process that drew it).
    {"pixels", "ID X Y... [info]", 3,
     [](const Args& a) {
       HDC screen = GetDC(nullptr);
       std::string colours;
       for (std::size_t i = 1; i + 1 < a.size() && a[i + 1] != "info"; i += 2) {
         POINT at{static_cast<LONG>(Number(a, i)), static_cast<LONG>(Number(a, i + 1))};
         ClientToScreen(Control(a, 0, Window(a)), &at);
         const COLORREF c = GetPixel(screen, at.x, at.y);
         char text[8] = {};
         std::snprintf(text, sizeof text, " %02x%02x%02x", GetRValue(c), GetGValue(c), GetBValue(c));
         colours += text;
       }
       ReleaseDC(nullptr, screen);
       return Print(colours.substr(1));
     }},
    // The DLLs the program has loaded, by file name in lower case, one a line.
    {"modules", "", 0,
     [](const Args& a) {
       DWORD id = 0;
       GetWindowThreadProcessId(Window(a), &id);
       HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, id);
       MODULEENTRY32 module{};
       module.dwSize = sizeof module;
       for (BOOL more = Module32First(snapshot, &module); more; more = Module32Next(snapshot, &module)) {
         Print(CharLowerA(module.szModule));
       }
       return CloseHandle(snapshot) ? 0 : 1;
     }},
    // A clean dial-up state: the entries, the current connection in every place that holds
    // it for the user, the idle time, and no machine-wide default connection.
    {"seed", "INTERNETPROFILE HANGUPTIMER ENTRY...", 2,
     [](const Args& a) {
       constexpr const char* kAutodial = "Software\\Microsoft\\RAS Autodial\\Default";
       constexpr const char* kIcs = "System\\CurrentControlSet\\Services\\ICSharing\\Settings\\General";
       SetKeyAccess(HKEY_LOCAL_MACHINE, kIcs, true);  // whatever a failed scenario left
       RegDeleteTreeA(HKEY_CURRENT_USER, "remoteaccess");
       for (std::size_t i = 2; i < a.size(); ++i)
         WriteValue(HKEY_CURRENT_USER, "remoteaccess\\Profile\\" + a[i], "", "");
       WriteValue(HKEY_CURRENT_USER, "remoteaccess", "InternetProfile", a[0]);
       WriteValue(HKEY_CURRENT_USER, "remoteaccess", "Default", a[0]);
       WriteValue(HKEY_CURRENT_USER, kAutodial, "DefaultInternet", a[0]);
       WriteValue(HKEY_LOCAL_MACHINE, kIcs, "HangupTimer", a[1]);
       return DeleteValue(HKEY_LOCAL_MACHINE, kAutodial, "DefaultInternet");
     }},
};

int Run(const Args& words) {
  for (const Command& command : kCommands) {
    if (!words.empty() && command.name == words[0] && words.size() > command.arguments) {
      return command.run(Args(words.begin() + 1, words.end()));
    }
  }
  for (const Command& command : kCommands) std::fprintf(stderr, "%s %s\n", command.name, command.usage);
  return 2;
}

}  // namespace

// Commands separated by ";" run one after another in one call, up to the first that fails:
// each start of a program under Wine costs a second.
int main(int argc, char** argv) {
  for (int start = 1, end = 1; start <= argc; start = ++end) {
    while (end < argc && std::string(argv[end]) != ";") ++end;
    if (const int status = Run(Args(argv + start, argv + end)); status != 0) return status;
  }
  return 0;
}
