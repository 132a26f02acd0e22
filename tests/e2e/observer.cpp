// Looks at and drives another program's window from outside, as a user would: the end-to-end
// tests run it under Wine beside the program under test. TITLE is a window's title, or
// "class:NAME" for a window of that class whatever its title.
//
//   observer VERB ARGUMENTS...
//
// The verbs and what each takes are in kVerbs below; a call with no verb, or a wrong one, prints
// them all.
#include <windows.h>
#include <oleacc.h>
#include <richedit.h>
#include <psapi.h>
#include <tlhelp32.h>
#include <winspool.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <memory>
#include <utility>
#include <vector>

#include "tests/e2e/records.h"

namespace {

// Programs of Wine's own that may run in the prefix whatever the test does.
constexpr const wchar_t* kWinePrograms[] = {
    L"services.exe", L"winedevice.exe",      L"plugplay.exe", L"svchost.exe",
    L"rpcss.exe",    L"explorer.exe",        L"conhost.exe",  L"start.exe",
    L"wineboot.exe", L"winemenubuilder.exe", L"tabtip.exe",   L"observer.exe",
};

bool IsWineProgram(const wchar_t* name) {
  for (const wchar_t* known : kWinePrograms) {
    if (_wcsicmp(name, known) == 0) return true;
  }
  return false;
}

// The programs running in the prefix that are neither Wine's nor the observer's.
std::wstring OtherPrograms() {
  std::wstring others;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return L"<no process list>";
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more;
       more = Process32NextW(snapshot, &entry)) {
    if (!IsWineProgram(entry.szExeFile)) others += std::wstring(entry.szExeFile) + L" ";
  }
  CloseHandle(snapshot);
  return others;
}

// A positive end point for "nothing was started": every program that the program under test
// started has ended, so whatever it would record is on disk by now.
int Settle(int milliseconds) {
  std::wstring others;
  for (int waited = 0; !(others = OtherPrograms()).empty(); waited += 50) {
    if (waited >= milliseconds) {
      std::printf("%s\n", Utf8(others).c_str());
      return 1;
    }
    Sleep(50);
  }
  return 0;
}

// A text box given a megabyte of long paragraphs wraps them for seconds after the window shows,
// longer on a machine busy with the lint; Wine takes a thread that has not asked for a message for
// 5 s as hung, and SMTO_ABORTIFHUNG would give up on a window that is only slow. The time-out
// still ends the wait for one that never answers.
std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 30000, &length)) {
    return L"<no answer>";
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_NORMAL, 30000, &copied);
  text.resize(copied);
  return text;
}

// Control characters written so that each control stays on one line of output.
std::string Escaped(const std::wstring& text) {
  std::string out;
  for (const char c : Utf8(text)) {
    if (c == '\r')
      out += "\\r";
    else if (c == '\n')
      out += "\\n";
    else if (c == '\\')
      out += "\\\\";
    else
      out += c;
  }
  return out;
}

// The next top-level window after `after` that TITLE names: "class:NAME" names a window class,
// for windows whose title is in the user's language; anything else is the title.
HWND NextTop(HWND after, const wchar_t* title) {
  if (std::wcsncmp(title, L"class:", 6) == 0)
    return FindWindowExW(nullptr, after, title + 6, nullptr);
  return FindWindowExW(nullptr, after, nullptr, title);
}

// A top-level window with the title that is not a message box (which may carry the same title).
HWND FindMain(const wchar_t* title) {
  for (HWND each = nullptr; (each = NextTop(each, title)) != nullptr;) {
    wchar_t className[16] = {};
    GetClassNameW(each, className, 16);
    if (std::wcscmp(className, L"#32770") != 0) return each;
  }
  return nullptr;
}

HWND WaitFor(const wchar_t* className, const wchar_t* title, int milliseconds) {
  for (int waited = 0;; waited += 20) {
    if (HWND window = className ? FindWindowW(className, title) : FindMain(title)) return window;
    if (waited >= milliseconds) return nullptr;
    Sleep(20);
  }
}

HWND Required(const wchar_t* title) {
  HWND window = FindMain(title);
  if (!window) {
    std::fprintf(stderr, "no window titled %s\n", Utf8(title).c_str());
    std::exit(2);
  }
  return window;
}

HWND Control(HWND window, const wchar_t* id) {
  HWND control = GetDlgItem(window, std::wcstol(id, nullptr, 10));
  if (!control) {
    std::fprintf(stderr, "no control %s\n", Utf8(id).c_str());
    std::exit(2);
  }
  return control;
}

// Where a window is on the screen, as the user sees it: left is left also in a mirrored window.
RECT OnScreen(HWND window, bool client) {
  RECT rect{};
  if (client) {
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  } else {
    GetWindowRect(window, &rect);
  }
  if (rect.left > rect.right) std::swap(rect.left, rect.right);
  return rect;
}

BOOL CALLBACK PrintChild(HWND child, LPARAM parent) {
  wchar_t className[64] = {};
  GetClassNameW(child, className, 64);
  const RECT screen = OnScreen(child, false);
  RECT rect = screen;
  // In the parent's own coordinates, which a mirrored parent counts from its right edge.
  MapWindowPoints(nullptr, reinterpret_cast<HWND>(parent), reinterpret_cast<POINT*>(&rect), 2);
  if (rect.left > rect.right) std::swap(rect.left, rect.right);
  const auto style = static_cast<unsigned long>(GetWindowLongPtrW(child, GWL_STYLE));
  const auto exStyle = static_cast<unsigned long>(GetWindowLongPtrW(child, GWL_EXSTYLE));
  std::printf(
      "child id=%d class=%s style=0x%08lx exstyle=0x%08lx rect=%ld,%ld,%ld,%ld "
      "screen=%ld,%ld,%ld,%ld text=%s\n",
      GetDlgCtrlID(child), Utf8(className).c_str(), style, exStyle, rect.left, rect.top,
      rect.right - rect.left, rect.bottom - rect.top, screen.left, screen.top,
      screen.right - screen.left, screen.bottom - screen.top, Escaped(TextOf(child)).c_str());
  return TRUE;
}

int Dump(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  POINT origin{};
  ClientToScreen(window, &origin);
  const RECT screen = OnScreen(window, true);
  const RECT frame = OnScreen(window, false);
  std::printf(
      "window pid=%lu origin=%ld,%ld style=0x%08lx exstyle=0x%08lx client=%ld,%ld "
      "screen=%ld,%ld,%ld,%ld frame=%ld,%ld,%ld,%ld text=%s\n",
      static_cast<unsigned long>(pid), origin.x, origin.y,
      static_cast<unsigned long>(GetWindowLongPtrW(window, GWL_STYLE)),
      static_cast<unsigned long>(GetWindowLongPtrW(window, GWL_EXSTYLE)), client.right,
      client.bottom, screen.left, screen.top, screen.right - screen.left,
      screen.bottom - screen.top, frame.left, frame.top, frame.right - frame.left,
      frame.bottom - frame.top, Escaped(TextOf(window)).c_str());
  EnumChildWindows(window, PrintChild, reinterpret_cast<LPARAM>(window));
  return 0;
}

HWND Focused(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

int Key(HWND window, const std::wstring& name) {
  UINT key = 0;
  if (name == L"tab")
    key = VK_TAB;
  else if (name == L"escape")
    key = VK_ESCAPE;
  else if (name == L"return")
    key = VK_RETURN;
  else if (name == L"a")
    key = 'A';
  else
    return 2;
  HWND target = Focused(window);
  if (!target) target = window;
  const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
  // Posted, so the key goes through the program's own message loop like real input does.
  PostMessageW(target, WM_KEYDOWN, key, 1 | (scan << 16));
  PostMessageW(target, WM_KEYUP, key, 1 | (scan << 16) | (3u << 30));
  return 0;
}

// A message box: a dialog with the message box's text control (id 0xFFFF), not another dialog
// of the program's (the progress of a print) that may come and go first.
HWND WaitForMessageBox(int milliseconds) {
  for (int waited = 0;; waited += 20) {
    for (HWND each = nullptr;
         (each = FindWindowExW(nullptr, each, L"#32770", nullptr)) != nullptr;) {
      if (GetDlgItem(each, 0xFFFF)) return each;
    }
    if (waited >= milliseconds) return nullptr;
    Sleep(20);
  }
}

int MessageBoxReport(int milliseconds) {
  HWND box = WaitForMessageBox(milliseconds);
  if (!box) return 1;
  std::printf("caption=%s\n", Escaped(TextOf(box)).c_str());
  // The message text is the box's static control with id 0xFFFF.
  if (HWND text = GetDlgItem(box, 0xFFFF)) std::printf("text=%s\n", Escaped(TextOf(text)).c_str());
  std::fflush(stdout);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  return 0;
}

// Key presses as the keyboard makes them, sent to the window with the focus in one go.
class Keys {
 public:
  Keys& Press(WORD key) { return Add(key, 0); }
  Keys& Release(WORD key) { return Add(key, KEYEVENTF_KEYUP); }
  Keys& Tap(WORD key) { return Press(key).Release(key); }
  int Send() {
    const UINT sent = SendInput(static_cast<UINT>(m_inputs.size()), m_inputs.data(), sizeof(INPUT));
    const bool all = sent == m_inputs.size();
    m_inputs.clear();
    return all ? 0 : 1;
  }

 private:
  Keys& Add(WORD key, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = flags;
    m_inputs.push_back(input);
    return *this;
  }
  std::vector<INPUT> m_inputs;
};

// Opens the window's system menu from the keyboard (Alt+Space), as a user does, then presses
// LETTER, the access key of one of its items.
int SystemMenuKey(HWND window, wchar_t letter) {
  SetForegroundWindow(window);
  Keys keys;
  if (keys.Press(VK_MENU).Tap(VK_SPACE).Release(VK_MENU).Send() != 0) return 1;
  // The menu opens in the window's own thread; the letter must come once it is there.
  for (int waited = 0; !FindWindowW(L"#32768", nullptr) && waited < 10000; waited += 20) Sleep(20);
  return keys.Tap(static_cast<WORD>(towupper(letter))).Send();
}

// Answers the Save dialog that comes within MS milliseconds: the file name PATH, then Save. The
// name is the dialog's file-name box (edt1, or the combo box cmb13 around it).
int SaveAs(int milliseconds, const wchar_t* path, int type) {
  HWND dialog = WaitFor(L"#32770", nullptr, milliseconds);
  if (!dialog) return 1;
  HWND name = GetDlgItem(dialog, 0x480);
  if (!name) name = GetDlgItem(dialog, 0x47C);
  if (!name) return 2;
  if (type > 0) {
    // The "Save as type" list (cmb1), chosen as a user would: the dialog is told of the change.
    HWND types = GetDlgItem(dialog, 0x470);
    if (!types || SendMessageW(types, CB_SETCURSEL, type - 1, 0) == CB_ERR) return 2;
    for (const WORD chosen : {CBN_SELENDOK, CBN_SELCHANGE}) {  // Wine's and Windows' dialogs
      SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(0x470, chosen), reinterpret_cast<LPARAM>(types));
    }
  }
  SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path));
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  return 0;
}

// The Print dialog: "Pages" (rad3) from FROM to TO (edt1, edt2), then OK.
int PrintPages(int milliseconds, const wchar_t* from, const wchar_t* to) {
  HWND dialog = WaitFor(L"#32770", nullptr, milliseconds);
  HWND pages = dialog ? GetDlgItem(dialog, 0x422) : nullptr;
  if (!pages) return 1;
  SendMessageW(pages, BM_CLICK, 0, 0);
  SendMessageW(GetDlgItem(dialog, 0x480), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(from));
  SendMessageW(GetDlgItem(dialog, 0x481), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(to));
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  return 0;
}

double Milliseconds(const LARGE_INTEGER& from) {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

int TimeStart(const wchar_t* title, const wchar_t* exe, int milliseconds, bool close) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring commandLine = L"\"" + std::wstring(exe) + L"\"";
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(exe, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return 2;
  }
  CloseHandle(process.hThread);
  HWND window = nullptr;
  for (;;) {
    window = FindWindowW(nullptr, title);
    DWORD pid = 0;
    if (window) GetWindowThreadProcessId(window, &pid);
    if (pid == process.dwProcessId && IsWindowVisible(window)) break;
    if (Milliseconds(start) > milliseconds) return 1;
    Sleep(1);
  }
  const double elapsed = Milliseconds(start);
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
  if (close) {
    // Ended, not closed: an orderly close under Wine without a window manager waits up to a
    // second for the X server to withdraw the window, which would cost more than is measured.
    TerminateProcess(process.hProcess, 0);
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) return 1;
  }
  CloseHandle(process.hProcess);
  std::printf("%.1f %lu\n", elapsed, static_cast<unsigned long>(memory.PeakWorkingSetSize / 1024));
  return 0;
}

int TimeClick(HWND button, const wchar_t* file, int milliseconds) {
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  PostMessageW(button, BM_CLICK, 0, 0);
  while (GetFileAttributesW(file) == INVALID_FILE_ATTRIBUTES) {
    if (Milliseconds(start) > milliseconds) return 1;
    Sleep(1);
  }
  std::printf("%.1f\n", Milliseconds(start));
  return 0;
}

// The screen's DPI. Wine gives every monitor the system's DPI, so it is also the window's.
int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

// The user's message font at a DPI: the font the window's label and buttons are given; or, with
// a face, that face at the message font's size.
HFONT MessageFont(int dpi, const wchar_t* face) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  using ForDpi = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
  const auto forDpi = reinterpret_cast<ForDpi>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"user32.dll"), "SystemParametersInfoForDpi")));
  if (!forDpi || !forDpi(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0, dpi)) {
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
  }
  if (face) lstrcpynW(metrics.lfMessageFont.lfFaceName, face, LF_FACESIZE);
  return CreateFontIndirectW(&metrics.lfMessageFont);
}

int Fit(HWND window, const wchar_t* face) {
  const int dpi = ScreenDpi();
  HFONT font = MessageFont(dpi, face);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  std::printf("dpi=%d licence=%s\n", dpi, Escaped(TextOf(GetDlgItem(window, 101))).c_str());
  for (const int id : {100, 102, 103}) {
    HWND control = GetDlgItem(window, id);
    if (!control) continue;  // a notice has no decline button
    RECT have{};
    GetClientRect(control, &have);
    const std::wstring text = TextOf(control);
    // A label wraps at its width, as the static control does; a button keeps one line.
    RECT need{0, 0, id == 100 ? have.right : 0, 0};
    const UINT flags =
        DT_CALCRECT | DT_NOPREFIX | (id == 100 ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE);
    DrawTextW(dc, text.c_str(), -1, &need, flags);
    std::printf("id=%d need=%ld,%ld have=%ld,%ld text=%s\n", id, need.right, need.bottom,
                have.right, have.bottom, Escaped(text).c_str());
  }
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  return 0;
}

// Memory in the process of another program's window, for a message that points at a
// structure there; freed, with the handle to that process, when it goes.
class RemoteBuffer {
 public:
  static constexpr SIZE_T kSize = 4096;
  explicit RemoteBuffer(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    m_process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE | PROCESS_VM_READ, FALSE, pid);
    if (m_process) {
      m_address =
          VirtualAllocEx(m_process, nullptr, kSize, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    }
  }
  ~RemoteBuffer() {
    if (m_address) VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
    if (m_process) CloseHandle(m_process);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  void* Address() const { return m_address; }
  template <typename T>
  bool Write(const T& value) {
    return m_address && WriteProcessMemory(m_process, m_address, &value, sizeof value, nullptr);
  }
  template <typename T>
  bool Read(T& value) const {
    return m_address && ReadProcessMemory(m_process, m_address, &value, sizeof value, nullptr);
  }

 private:
  HANDLE m_process = nullptr;
  void* m_address = nullptr;
};

// WM_DPICHANGED carries a pointer to the suggested rectangle, which the window reads in its own
// process. The rectangle is written at one address in both processes, so the window finds it
// whether Wine passes the pointer on as it is or copies what it points to.
int ChangeDpi(HWND window, int dpi) {
  RECT rect{};
  GetWindowRect(window, &rect);
  const int from = ScreenDpi();
  RECT suggested{rect.left, rect.top, rect.left + MulDiv(rect.right - rect.left, dpi, from),
                 rect.top + MulDiv(rect.bottom - rect.top, dpi, from)};
  // An address free in both processes: the one the window's process gives may be taken here, so
  // each buffer tried stays until the end, and the next attempt gets another address.
  std::vector<std::unique_ptr<RemoteBuffer>> tried;
  void* local = nullptr;
  for (int attempt = 0; attempt < 16 && !local; ++attempt) {
    tried.push_back(std::make_unique<RemoteBuffer>(window));
    void* at = tried.back()->Address();
    local = at ? VirtualAlloc(at, RemoteBuffer::kSize, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE)
               : nullptr;
  }
  if (!local || !tried.back()->Write(suggested)) {
    std::fprintf(stderr, "no address for the rectangle in both processes\n");
    return 2;
  }
  std::memcpy(local, &suggested, sizeof suggested);
  DWORD_PTR result = 0;
  const LRESULT sent = SendMessageTimeoutW(window, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi),
                                           reinterpret_cast<LPARAM>(tried.back()->Address()),
                                           SMTO_ABORTIFHUNG, 10000, &result);
  VirtualFree(local, 0, MEM_RELEASE);
  return sent ? 0 : 1;
}

// The distance in pixels between two lines of a text box, and the first line in view.
int LineSpacing(HWND edit) {
  const LRESULT top = SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0);
  const LRESULT line = SendMessageW(edit, EM_LINEINDEX, static_cast<WPARAM>(top), 0);
  const LRESULT next = SendMessageW(edit, EM_LINEINDEX, static_cast<WPARAM>(top + 1), 0);
  if (line < 0 || next < 0) return 2;
  const LRESULT at = SendMessageW(edit, EM_POSFROMCHAR, static_cast<WPARAM>(line), 0);
  const LRESULT below = SendMessageW(edit, EM_POSFROMCHAR, static_cast<WPARAM>(next), 0);
  std::printf("%d %d\n",
              static_cast<int>(static_cast<short>(HIWORD(below))) -
                  static_cast<int>(static_cast<short>(HIWORD(at))),
              static_cast<int>(top));
  return 0;
}

// Key presses with Ctrl held, as the keyboard makes them, to the window with the focus.
int ControlKeys(HWND window, wchar_t** names, int count) {
  SetForegroundWindow(window);
  Keys keys;
  keys.Press(VK_CONTROL);
  for (int i = 0; i < count; ++i) {
    const std::wstring name = names[i];
    keys.Tap(name == L"plus"       ? VK_OEM_PLUS
             : name == L"minus"    ? VK_OEM_MINUS
             : name == L"add"      ? VK_ADD
             : name == L"subtract" ? VK_SUBTRACT
             : name == L"numpad0"  ? VK_NUMPAD0
                                   : static_cast<WORD>(name[0]));
  }
  return keys.Release(VK_CONTROL).Send();
}

// What a screen reader is told about a control: its accessible name and role.
int Accessible(HWND control) {
  if (FAILED(CoInitialize(nullptr))) return 2;
  IAccessible* accessible = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&accessible)))) {
    return 1;
  }
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  VARIANT role{};
  const bool named = SUCCEEDED(accessible->get_accName(self, &name)) && name;
  accessible->get_accRole(self, &role);
  std::printf("role=%ld name=%s\n", role.vt == VT_I4 ? role.lVal : -1L,
              named ? Escaped(name).c_str() : "");
  SysFreeString(name);
  accessible->Release();
  CoUninitialize();
  return 0;
}

// Whether the characters FROM to TO of a rich-edit control are all bold, as its own
// EM_GETCHARFORMAT says. The structure is filled in the control's process and read from there.
int Bold(HWND control, int from, int to) {
  RemoteBuffer remote(control);
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  if (!remote.Write(format)) return 2;
  SendMessageW(control, EM_SETSEL, static_cast<WPARAM>(from), to);
  DWORD_PTR result = 0;
  SendMessageTimeoutW(control, EM_GETCHARFORMAT, SCF_SELECTION,
                      reinterpret_cast<LPARAM>(remote.Address()), SMTO_ABORTIFHUNG, 10000, &result);
  if (!remote.Read(format)) return 2;
  std::printf("%d\n", (format.dwMask & CFM_BOLD) && (format.dwEffects & CFE_BOLD) ? 1 : 0);
  return 0;
}

int Lock(const wchar_t* path, int milliseconds, bool edit) {
  HANDLE file = CreateFileW(path, edit ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ,
                            edit ? FILE_SHARE_READ | FILE_SHARE_WRITE : 0, nullptr, OPEN_EXISTING,
                            0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  std::printf("locked\n");
  std::fflush(stdout);
  Sleep(static_cast<DWORD>(milliseconds));
  CloseHandle(file);
  return 0;
}

// A file that another program writes is whole once it exists and that program has let it go:
// until then, an open that shares with nobody fails.
int Written(const wchar_t* path, int milliseconds) {
  for (int waited = 0;; waited += 20) {
    HANDLE file = CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      CloseHandle(file);
      return 0;
    }
    if (waited >= milliseconds) return 1;
    Sleep(20);
  }
}

// The tests' printer: Wine's PostScript driver, described by PPD, with its pages going to the
// Linux file PAGES. Both kinds of program find it: the driver is added for each environment.
constexpr wchar_t kTestPrinter[] = L"Pages";

int AddTestPrinter(const wchar_t* ppd, const wchar_t* pages) {
  const wchar_t* name = std::wcsrchr(ppd, L'\\') ? std::wcsrchr(ppd, L'\\') + 1 : ppd;
  for (const wchar_t* environment : {L"Windows x64", L"Windows NT x86"}) {
    wchar_t folder[MAX_PATH] = {};
    DWORD needed = 0;
    if (!GetPrinterDriverDirectoryW(nullptr, const_cast<wchar_t*>(environment), 1,
                                    reinterpret_cast<BYTE*>(folder), sizeof folder, &needed) ||
        !CopyFileW(ppd, (std::wstring(folder) + L"\\" + name).c_str(), FALSE)) {
      return 2;
    }
    DRIVER_INFO_3W driver{};
    driver.cVersion = 3;
    driver.pName = const_cast<wchar_t*>(L"Wine PostScript Driver");
    driver.pEnvironment = const_cast<wchar_t*>(environment);
    driver.pDriverPath = const_cast<wchar_t*>(L"wineps.drv");
    driver.pConfigFile = driver.pDriverPath;
    driver.pDataFile = const_cast<wchar_t*>(name);
    if (!AddPrinterDriverExW(nullptr, 3, reinterpret_cast<BYTE*>(&driver), APD_COPY_NEW_FILES)) {
      return 3;
    }
  }
  PRINTER_INFO_2W printer{};
  printer.pPrinterName = const_cast<wchar_t*>(kTestPrinter);
  printer.pPortName = const_cast<wchar_t*>(pages);
  printer.pDriverName = const_cast<wchar_t*>(L"Wine PostScript Driver");
  printer.pPrintProcessor = const_cast<wchar_t*>(L"WinPrint");
  printer.pDatatype = const_cast<wchar_t*>(L"RAW");
  printer.Attributes = PRINTER_ATTRIBUTE_LOCAL;
  HANDLE added = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&printer));
  if (!added) return 4;
  ClosePrinter(added);
  return SetDefaultPrinterW(kTestPrinter) ? 0 : 5;
}

// Deletes the tests' printer and waits until no program can open it any more: a job the program
// printed may still hold it, and a test after this one must find no printer at all.
int DeleteTestPrinter() {
  for (int waited = 0; waited < 20000; waited += 100) {
    HANDLE printer = nullptr;
    PRINTER_DEFAULTSW access{nullptr, nullptr, PRINTER_ALL_ACCESS};
    if (!OpenPrinterW(const_cast<wchar_t*>(kTestPrinter), &printer, &access)) return 0;
    DeletePrinter(printer);
    ClosePrinter(printer);
    Sleep(100);
  }
  return 1;
}

// Each window that stayed, on the error stream: whose it is, and whether that process has ended.
void SayWhoStayed(const wchar_t* title) {
  for (HWND each = nullptr; (each = NextTop(each, title)) != nullptr;) {
    DWORD pid = 0;
    const DWORD thread = GetWindowThreadProcessId(each, &pid);
    DWORD exitCode = 0;
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, pid);
    const bool ended =
        process && GetExitCodeProcess(process, &exitCode) && exitCode != STILL_ACTIVE;
    if (process) CloseHandle(process);
    std::fprintf(stderr, "stayed: window %p of process %lu thread %lu, %s, %s\n",
                 static_cast<void*>(each), pid, thread, IsWindowVisible(each) ? "shown" : "hidden",
                 !process ? "no such process"
                 : ended  ? "which has ended"
                          : "which is running");
  }
}

// Ends the program of a window as TerminateProcess does, waits until it has ended, and checks that
// no window of the title is left. Wine's server takes a thread's windows away as it ends the
// thread, in the same step that ends the process, so nothing is left to wait for: a window still
// there is a fault, said at once with whose it is. (A signal from Linux leaves the windows until
// the server finds the process gone.)
int End(const wchar_t* title, int milliseconds) {
  DWORD pid = 0;
  GetWindowThreadProcessId(Required(title), &pid);
  HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
  if (!process) return 2;
  const bool ended =
      TerminateProcess(process, 9) &&
      WaitForSingleObject(process, static_cast<DWORD>(milliseconds)) == WAIT_OBJECT_0;
  CloseHandle(process);
  if (!ended) return 1;
  if (NextTop(nullptr, title)) {
    SayWhoStayed(title);
    return 3;
  }
  return 0;
}

int Gone(const wchar_t* title, int milliseconds) {
  for (int waited = 0; NextTop(nullptr, title); waited += 20) {
    if (waited >= milliseconds) {
      SayWhoStayed(title);
      return 1;
    }
    Sleep(20);
  }
  return 0;
}

int Count(const wchar_t* title) {
  int windows = 0;
  for (HWND each = nullptr; (each = NextTop(each, title)) != nullptr;) ++windows;
  std::printf("%d\n", windows);
  return 0;
}

int ClickAll(const wchar_t* title, const wchar_t* id) {
  for (HWND each = nullptr; (each = NextTop(each, title)) != nullptr;) {
    PostMessageW(Control(each, id), BM_CLICK, 0, 0);
  }
  return 0;
}

int Click(const wchar_t* title, const wchar_t* id, int times) {
  HWND button = Control(Required(title), id);
  for (int i = 0; i < times; ++i) PostMessageW(button, BM_CLICK, 0, 0);
  return 0;
}

int Text(const wchar_t* title, const wchar_t* id, const wchar_t* path) {
  const std::string text = Utf8(TextOf(Control(Required(title), id)));
  FILE* file = _wfopen(path, L"wb");
  if (!file) return 2;
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
  return 0;
}

int Bits() {
  std::printf("%d\n", static_cast<int>(sizeof(void*) * 8));
  return 0;
}

int Focus(const wchar_t* title) {
  std::printf("%d\n", GetDlgCtrlID(Focused(Required(title))));
  return 0;
}

int Number(const wchar_t* text) { return _wtoi(text); }

// The verbs: what each takes and does, how many arguments (at least, at most), and how.
struct Verb {
  const wchar_t* name;
  const char* arguments;
  const char* does;
  int fewest;
  int most;
  int (*run)(wchar_t** a, int count);
};

constexpr Verb kVerbs[] = {
    {L"wait", "TITLE MS", "exit 0 once a top-level window with TITLE exists", 2, 2,
     [](wchar_t** a, int) { return WaitFor(nullptr, a[0], Number(a[1])) ? 0 : 1; }},
    {L"shown", "TITLE MS", "exit 0 once a top-level window with TITLE is visible: made and filled",
     2, 2,
     [](wchar_t** a, int) {
       for (int waited = 0; waited < Number(a[1]); waited += 20) {
         if (HWND window = FindMain(a[0]); window && IsWindowVisible(window)) return 0;
         Sleep(20);
       }
       return 1;
     }},
    {L"written", "FILE MS", "exit 0 once FILE exists and no program holds it open", 2, 2,
     [](wchar_t** a, int) { return Written(a[0], Number(a[1])); }},
    {L"printer", "PPD PAGES",
     "adds the tests' printer, the default, which prints to Linux file PAGES", 2, 2,
     [](wchar_t** a, int) { return AddTestPrinter(a[0], a[1]); }},
    {L"noprinter", "", "deletes the tests' printer; exit 0 once it is gone", 0, 0,
     [](wchar_t**, int) { return DeleteTestPrinter(); }},
    {L"end", "TITLE MS",
     "ends the window's program at once (TerminateProcess), waits for it; exit 0 if no such window "
     "is left",
     2, 2, [](wchar_t** a, int) { return End(a[0], Number(a[1])); }},
    {L"gone", "TITLE MS", "exit 0 once no such window exists", 2, 2,
     [](wchar_t** a, int) { return Gone(a[0], Number(a[1])); }},
    {L"dump", "TITLE", "the window and each child: class, id, styles, rectangles, text", 1, 1,
     [](wchar_t** a, int) { return Dump(Required(a[0])); }},
    {L"text", "TITLE ID FILE", "the control's whole text, as UTF-8, into FILE", 3, 3,
     [](wchar_t** a, int) { return Text(a[0], a[1], a[2]); }},
    {L"focus", "TITLE", "the id of the control that has the keyboard focus", 1, 1,
     [](wchar_t** a, int) { return Focus(a[0]); }},
    {L"key", "TITLE tab|escape|return|a", "a key press, to the focused control", 2, 2,
     [](wchar_t** a, int) { return Key(Required(a[0]), a[1]); }},
    {L"click", "TITLE ID [N]", "presses a button (N times, as fast as messages go)", 2, 3,
     [](wchar_t** a, int count) { return Click(a[0], a[1], count == 3 ? Number(a[2]) : 1); }},
    {L"count", "TITLE", "how many top-level windows have that title", 1, 1,
     [](wchar_t** a, int) { return Count(a[0]); }},
    {L"clickall", "TITLE ID", "presses the button in every window with that title", 2, 2,
     [](wchar_t** a, int) { return ClickAll(a[0], a[1]); }},
    {L"lock", "FILE MS", "holds FILE open, shared with nobody, for MS milliseconds", 2, 2,
     [](wchar_t** a, int) { return Lock(a[0], Number(a[1]), false); }},
    {L"edit", "FILE MS", "holds FILE open for writing, as an editor does, for MS milliseconds", 2,
     2, [](wchar_t** a, int) { return Lock(a[0], Number(a[1]), true); }},
    {L"close", "TITLE", "the close box (SC_CLOSE)", 1, 1,
     [](wchar_t** a, int) {
       PostMessageW(Required(a[0]), WM_SYSCOMMAND, SC_CLOSE, 0);
       return 0;
     }},
    {L"msgbox", "MS", "waits for a message box; prints its caption and text, presses OK", 1, 1,
     [](wchar_t** a, int) { return MessageBoxReport(Number(a[0])); }},
    {L"waitbox", "MS", "exit 0 once a message box exists; it is left open", 1, 1,
     [](wchar_t** a, int) { return WaitFor(L"#32770", nullptr, Number(a[0])) ? 0 : 1; }},
    {L"start", "TITLE EXE MS",
     "starts EXE; prints the milliseconds until its window exists and the process's peak working "
     "set then, in KB",
     3, 3, [](wchar_t** a, int) { return TimeStart(a[0], a[1], Number(a[2]), false); }},
    {L"measure", "TITLE EXE MS",
     "as start, and then the peak working set once the window has drawn its text", 3, 3,
     [](wchar_t** a, int) { return TimeStart(a[0], a[1], Number(a[2]), true); }},
    {L"clickwait", "TITLE ID FILE MS",
     "presses a button; prints the milliseconds until FILE exists", 4, 4,
     [](wchar_t** a, int) { return TimeClick(Control(Required(a[0]), a[1]), a[2], Number(a[3])); }},
    {L"settle", "MS",
     "exit 0 once no program runs in the prefix but Wine's own services and observers; else prints "
     "the others and exits 1",
     1, 1, [](wchar_t** a, int) { return Settle(Number(a[0])); }},
    {L"bits", "", "prints 32 or 64: what kind of program this observer is", 0, 0,
     [](wchar_t**, int) { return Bits(); }},
    {L"loadlib", "DLL", "loads DLL by its bare name, searched for as Windows does by default", 1, 1,
     [](wchar_t** a, int) { return LoadLibraryW(a[0]) ? 0 : 1; }},
    {L"fit", "TITLE [FACE]",
     "the screen's DPI and the text box's text; then for the label and each button the room its "
     "text needs in the window's message font at that DPI (or FACE at its size), and the room it "
     "has",
     1, 2, [](wchar_t** a, int count) { return Fit(Required(a[0]), count == 2 ? a[1] : nullptr); }},
    {L"dpi", "TITLE DPI",
     "tells the window it is now on a monitor with that DPI, as Windows does (WM_DPICHANGED, with "
     "the window's rectangle scaled)",
     2, 2, [](wchar_t** a, int) { return ChangeDpi(Required(a[0]), Number(a[1])); }},
    {L"lines", "TITLE ID",
     "the distance in pixels between two lines of a text box, and the first line in view", 2, 2,
     [](wchar_t** a, int) { return LineSpacing(Control(Required(a[0]), a[1])); }},
    {L"scroll", "TITLE ID N", "scrolls a text box N lines down", 3, 3,
     [](wchar_t** a, int) {
       SendMessageW(Control(Required(a[0]), a[1]), EM_LINESCROLL, 0, Number(a[2]));
       return 0;
     }},
    {L"ctrlkeys", "TITLE KEY...",
     "presses keys (plus minus add subtract numpad0 0 ...) with Ctrl held, from the keyboard, to "
     "the window's focused control",
     2, 40, [](wchar_t** a, int count) { return ControlKeys(Required(a[0]), a + 1, count - 1); }},
    {L"wheel", "TITLE ID DELTA", "turns the mouse wheel over a control with Ctrl held", 3, 3,
     [](wchar_t** a, int) {
       // Turned with Ctrl held, over the control.
       const WPARAM turn =
           MAKEWPARAM(MK_CONTROL, static_cast<WORD>(static_cast<short>(Number(a[2]))));
       PostMessageW(Control(Required(a[0]), a[1]), WM_MOUSEWHEEL, turn, 0);
       return 0;
     }},
    {L"accessible", "TITLE ID", "the role and name a screen reader gets for a control", 2, 2,
     [](wchar_t** a, int) { return Accessible(Control(Required(a[0]), a[1])); }},
    {L"uistate", "TITLE ID", "the control's keyboard cues (WM_QUERYUISTATE)", 2, 2,
     [](wchar_t** a, int) {
       std::printf("%d\n", static_cast<int>(
                               SendMessageW(Control(Required(a[0]), a[1]), WM_QUERYUISTATE, 0, 0)));
       return 0;
     }},
    {L"menukey", "TITLE LETTER", "opens the system menu with Alt+Space, then presses LETTER", 2, 2,
     [](wchar_t** a, int) { return SystemMenuKey(Required(a[0]), a[1][0]); }},
    {L"settingchange", "TEXT",
     "tells every window a setting changed (WM_SETTINGCHANGE with TEXT), as Windows does", 1, 1,
     [](wchar_t** a, int) {
       DWORD_PTR answer = 0;
       return SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0,
                                  reinterpret_cast<LPARAM>(a[0]), SMTO_ABORTIFHUNG, 5000, &answer)
                  ? 0
                  : 1;
     }},
    {L"ok", "MS", "presses OK in the dialog that comes within MS ms", 1, 1,
     [](wchar_t** a, int) {
       HWND dialog = WaitFor(L"#32770", nullptr, Number(a[0]));
       return dialog && PostMessageW(dialog, WM_COMMAND, IDOK, 0) ? 0 : 1;
     }},
    {L"saveas", "MS PATH [TYPE]",
     "answers the Save dialog that comes within MS ms with PATH (as its TYPEth type, from 1)", 2, 3,
     [](wchar_t** a, int count) {
       return SaveAs(Number(a[0]), a[1], count == 3 ? Number(a[2]) : 0);
     }},
    {L"pages", "MS FROM TO", "answers the Print dialog that comes within MS ms: pages FROM to TO",
     3, 3, [](wchar_t** a, int) { return PrintPages(Number(a[0]), a[1], a[2]); }},
    {L"dialogbutton", "TITLE ID MS",
     "presses button ID of the dialog TITLE that comes within MS ms", 3, 3,
     [](wchar_t** a, int) {
       HWND dialog = WaitFor(L"#32770", a[0], Number(a[2]));
       return dialog && PostMessageW(Control(dialog, a[1]), BM_CLICK, 0, 0) ? 0 : 1;
     }},
    {L"bold", "TITLE ID FROM TO",
     "1 when characters FROM to TO of a rich-edit control are all bold", 4, 4,
     [](wchar_t** a, int) {
       return Bold(Control(Required(a[0]), a[1]), Number(a[2]), Number(a[3]));
     }},
};

// Every verb and what it takes, for a call that named none or a wrong one.
int Usage(int count) {
  std::fprintf(stderr, "no such verb, or not with %d arguments; the verbs:\n", count);
  for (const Verb& verb : kVerbs) {
    std::fprintf(stderr, "  %ls %s\n      %s\n", verb.name, verb.arguments, verb.does);
  }
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  // Pixels as they are on the screen, whatever DPI Windows is set to.
  using SetAware = BOOL(WINAPI*)();
  if (const auto setAware = reinterpret_cast<SetAware>(reinterpret_cast<void*>(
          GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDPIAware")))) {
    setAware();
  }
  const int count = argc < 2 ? 0 : argc - 2;
  if (argc < 2) return Usage(count);
  for (const Verb& verb : kVerbs) {
    if (std::wcscmp(argv[1], verb.name) == 0 && count >= verb.fewest && count <= verb.most) {
      return verb.run(argv + 2, count);
    }
  }
  return Usage(count);
}
