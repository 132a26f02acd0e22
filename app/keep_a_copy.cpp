#include "app/keep_a_copy.h"

#include <cderr.h>
#include <commdlg.h>
#include <winspool.h>

#include <string>

#include "app/print_licence.h"
#include "app/rich_text.h"
#include "launcher/licence_copy.h"
#include "platform/error_win.h"
#include "platform/system_library.h"
#include "platform/text_win.h"

namespace discgate {
namespace {

// System-menu commands are below 0xF000, with the low four bits clear: the system uses them.
constexpr UINT kPrintCommand = 0x0010;
constexpr UINT kSaveCommand = 0x0020;
constexpr DWORD kErrorPrinterNotFound = 3012;  // ERROR_PRINTER_NOT_FOUND: "No printers were found."
constexpr int kCsidlPersonal = 0x0005;         // the user's Documents

// The licence's text as it was shown: the box's own while the reader has left it as it was,
// else its file's, read again and checked against what was shown.
Result<std::string> ShownLicence(const LicenceView& view, const Licence& licence,
                                 Platform& platform) {
  if (!licence.rtf && view.Unmodified()) return Narrow(view.Text());
  return LicenceAsShown(platform, licence);
}

// An RTF licence in a rich-edit control no one sees, as it was shown: it lays out the pages of a
// printout, and gives the licence's plain text.
class HiddenLicence {
 public:
  HiddenLicence(HWND parent, const std::string& shown) {
    const wchar_t* className = RichEditClass();
    if (!className) return;
    m_box = ::CreateWindowExW(0, className, L"", WS_CHILD | ES_MULTILINE, 0, 0, 0, 0, parent,
                              nullptr, nullptr, nullptr);
    if (m_box && !StreamRtf(m_box, shown)) Destroy();
  }
  ~HiddenLicence() { Destroy(); }
  HiddenLicence(const HiddenLicence&) = delete;
  HiddenLicence& operator=(const HiddenLicence&) = delete;

  HWND Handle() const { return m_box; }
  std::wstring Text() const { return BoxText(m_box); }

 private:
  void Destroy() {
    if (m_box) ::DestroyWindow(m_box);
    m_box = nullptr;
  }
  HWND m_box = nullptr;
};

template <typename Function>
Function Dialogs(const char* name) {
  return SystemFunctionAs<Function>(L"comdlg32.dll", name);
}

// The common dialogs' own error, 0 when the user cancelled.
DWORD DialogError() {
  using ErrorFunction = DWORD(WINAPI*)();
  const auto error = Dialogs<ErrorFunction>("CommDlgExtendedError");
  return error ? error() : ERROR_MOD_NOT_FOUND;
}

// Whether the user has a printer at all: the Print dialog would only say so in a box of its own,
// and then return as if cancelled.
bool AnyPrinter() {
  using EnumFunction = BOOL(WINAPI*)(DWORD, LPWSTR, DWORD, LPBYTE, DWORD, LPDWORD, LPDWORD);
  const auto enumPrinters = SystemFunctionAs<EnumFunction>(L"winspool.drv", "EnumPrintersW");
  if (!enumPrinters) return true;  // the dialog will tell
  DWORD needed = 0;
  DWORD count = 0;
  enumPrinters(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed,
               &count);
  return needed > 0;
}

std::wstring DocumentsFolder() {
  using FolderFunction = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPWSTR);
  const auto folderPath = SystemFunctionAs<FolderFunction>(L"shell32.dll", "SHGetFolderPathW");
  wchar_t folder[MAX_PATH] = {};
  if (!folderPath || FAILED(folderPath(nullptr, kCsidlPersonal, nullptr, 0, folder))) return {};
  return folder;
}

Status WriteNewContent(const std::wstring& path, const std::string& bytes) {
  // The dialog asked before an existing file is replaced.
  const UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return LastError();
  for (std::size_t done = 0; done < bytes.size();) {
    DWORD written = 0;
    const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
    if (!::WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr)) {
      return LastError();
    }
    done += written;
  }
  return {};
}

}  // namespace

void KeepACopy::AddToMenu(HWND window, const UiLanguage& language) {
  const HMENU menu = ::GetSystemMenu(window, FALSE);
  if (!menu) return;
  ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuW(menu, MF_STRING, kPrintCommand, Widen(language[&UiTextRow::printMenu]).c_str());
  ::AppendMenuW(menu, MF_STRING, kSaveCommand, Widen(language[&UiTextRow::saveMenu]).c_str());
}

KeepACopy::Command KeepACopy::OfMenu(WPARAM systemCommand) {
  switch (systemCommand & 0xFFF0) {
    case kPrintCommand:
      return Command::Print;
    case kSaveCommand:
      return Command::Save;
    default:
      return Command::None;
  }
}

KeepACopy::Command KeepACopy::OfKey(HWND window, const MSG& message) {
  if (message.message != WM_KEYDOWN || ::GetKeyState(VK_CONTROL) >= 0 ||
      ::GetKeyState(VK_MENU) < 0 || !(message.hwnd == window || ::IsChild(window, message.hwnd))) {
    return Command::None;
  }
  if (message.wParam == 'P') return Command::Print;
  if (message.wParam == 'S') return Command::Save;
  return Command::None;
}

Status KeepACopy::Print(HWND window, const LicenceView& view, const Licence& licence,
                        WinPlatform& platform, const std::wstring& caption) {
  if (!AnyPrinter()) return Error{kErrorPrinterNotFound, {}, Action::Print, {}};
  using PrintFunction = BOOL(WINAPI*)(LPPRINTDLGW);
  const auto printDialog = Dialogs<PrintFunction>("PrintDlgW");
  PRINTDLGW print{};
  print.lStructSize = sizeof print;
  print.hwndOwner = window;
  // PD_NOWARNING: with no printer the report below says so, in the reader's language.
  print.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE | PD_NOWARNING;
  if (!printDialog || !printDialog(&print)) {
    const DWORD error = printDialog ? DialogError() : ERROR_MOD_NOT_FOUND;
    if (error == 0) return {};  // cancelled
    const bool noPrinter = error == PDERR_NODEFAULTPRN || error == PDERR_NODEVICES;
    return Error{noPrinter ? kErrorPrinterNotFound : error, {}, Action::Print, {}};
  }
  if (print.hDevMode) ::GlobalFree(print.hDevMode);
  if (print.hDevNames) ::GlobalFree(print.hDevNames);
  const HDC printer = print.hDC;
  Result<std::string> shown = ShownLicence(view, licence, platform);
  Status printed = shown.ok() ? Status{} : Status{shown.error()};
  const PageFrame frame{caption, Widen(CopyFileName(licence.path)), licence.rightToLeft};
  if (shown.ok() && !licence.rtf) {
    printed = PrintPlain(printer, Widen(shown.value()), frame);
  } else if (shown.ok()) {
    const HiddenLicence box(window, shown.value());
    printed = box.Handle() ? PrintRich(printer, box.Handle(), frame) : LastError();
  }
  ::DeleteDC(printer);
  if (!printed.ok() && printed.error().action == Action::None) {
    return WithAction(printed.error(), Action::Print);
  }
  return printed;
}

Status KeepACopy::Save(HWND window, const LicenceView& view, const Licence& licence,
                       WinPlatform& platform) {
  using SaveFunction = BOOL(WINAPI*)(LPOPENFILENAMEW);
  const auto saveDialog = Dialogs<SaveFunction>("GetSaveFileNameW");
  const std::wstring suggested = Widen(CopyFileName(licence.path));
  if (!saveDialog) return WithAction(SystemError(ERROR_MOD_NOT_FOUND), Action::SaveCopy);
  std::wstring file = suggested;
  file.resize(32768, L'\0');
  const std::wstring documents = DocumentsFolder();
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = window;
  // An RTF licence may be kept as the RTF shown or as its plain text.
  dialog.lpstrFilter = licence.rtf ? L"*.rtf\0*.rtf\0*.txt\0*.txt\0" : L"*.txt\0*.txt\0";
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = documents.empty() ? nullptr : documents.c_str();
  dialog.lpstrDefExt = licence.rtf ? L"rtf" : L"txt";
  dialog.Flags =
      OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_EXPLORER | OFN_HIDEREADONLY;
  if (!saveDialog(&dialog)) {
    const DWORD error = DialogError();
    return error == 0 ? Status{} : Status{Error{error, {}, Action::SaveCopy, Narrow(suggested)}};
  }
  file.resize(std::char_traits<wchar_t>::length(file.c_str()));
  Result<std::string> shown = ShownLicence(view, licence, platform);
  if (!shown.ok()) return shown.error();
  std::string bytes;
  if (licence.rtf && dialog.nFilterIndex == 1) {
    bytes = std::move(shown.value());
  } else if (licence.rtf) {
    const HiddenLicence box(window, shown.value());
    if (!box.Handle()) return WithAction(LastError(), Action::SaveCopy, Narrow(file));
    bytes = PlainCopy(Narrow(box.Text()));
  } else {
    bytes = PlainCopy(shown.value());
  }
  const Status written = WriteNewContent(file, bytes);
  if (!written.ok()) return WithAction(written.error(), Action::SaveCopy, Narrow(file));
  return {};
}

}  // namespace discgate
