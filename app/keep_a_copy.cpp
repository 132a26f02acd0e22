#include "app/keep_a_copy.h"

#include <cderr.h>
#include <commdlg.h>
#include <winspool.h>

#include <new>
#include <string>

#include "app/resource.h"
#include "launcher/licence_copy.h"
#include "launcher/out_of_memory.h"
#include "platform/error_win.h"
#include "platform/system_functions.h"
#include "platform/text_win.h"
#include "platform/unique_handle.h"

namespace discgate {
namespace {

constexpr DWORD kErrorPrinterNotFound = 3012;  // ERROR_PRINTER_NOT_FOUND: "No printers were found."
// The highest page the Print dialog takes; the pages are counted only once it has closed.
constexpr WORD kHighestPage = 0xFFFF;

// The common dialogs' own error, 0 when the user cancelled.
DWORD DialogError() {
  const auto error = os::CommDlgExtendedError();
  return error ? error() : ERROR_MOD_NOT_FOUND;
}

// Whether the user has a printer at all: the Print dialog would only say so in a box of its own,
// and then return as if cancelled.
bool AnyPrinter() {
  const auto enumPrinters = os::EnumPrintersW();
  if (!enumPrinters) return true;  // the dialog will tell
  DWORD needed = 0;
  DWORD count = 0;
  enumPrinters(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed,
               &count);
  return needed > 0;
}

Status WithDefaultAction(Status status, Action action, const std::string& subject = {}) {
  if (status.ok() || status.error().action != Action::None) return status;
  return WithAction(status.error(), action, subject);
}

}  // namespace

void KeepACopy::Attach(HWND window, const UiLanguage& language) {
  m_window = window;
  m_language = &language;
  const HMENU menu = ::GetSystemMenu(window, FALSE);
  if (!menu) return;
  ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuW(menu, MF_STRING, IDM_PRINT, Widen(language[&UiTextRow::printMenu]).c_str());
  ::AppendMenuW(menu, MF_STRING, IDM_SAVE, Widen(language[&UiTextRow::saveMenu]).c_str());
}

int KeepACopy::CommandOf(WPARAM command) {
  // The system keeps the low four bits of a window-menu command for itself.
  const auto id = static_cast<int>(command & 0xFFF0);
  return id == IDM_PRINT || id == IDM_SAVE ? id : 0;
}

Status KeepACopy::Run(int command) {
  // However large the licence, a copy that runs out of memory is reported; the agreement stays.
  try {
    return command == IDM_PRINT ? WithDefaultAction(Print(), Action::Print) : Save();
  } catch (const std::bad_alloc&) {
    return WithAction(OutOfMemory(), command == IDM_PRINT ? Action::Print : Action::SaveCopy);
  }
}

Status KeepACopy::Print() {
  if (!AnyPrinter()) return Error{kErrorPrinterNotFound, {}, Action::Print, {}};
  const auto printDialog = os::PrintDlgW();
  PRINTDLGW print{};
  print.lStructSize = sizeof print;
  print.hwndOwner = m_window;
  // PD_NOWARNING: with no printer the report below says so, in the reader's language. Copies
  // are the printer's to make.
  print.Flags = PD_RETURNDC | PD_NOSELECTION | PD_HIDEPRINTTOFILE | PD_NOWARNING |
                PD_USEDEVMODECOPIESANDCOLLATE;
  print.nFromPage = 1;
  print.nToPage = 1;
  print.nMinPage = 1;
  print.nMaxPage = kHighestPage;
  if (!printDialog || !printDialog(&print)) {
    const DWORD error = printDialog ? DialogError() : ERROR_MOD_NOT_FOUND;
    if (error == 0) return {};  // cancelled
    const bool noPrinter = error == PDERR_NODEFAULTPRN || error == PDERR_NODEVICES;
    return Error{noPrinter ? kErrorPrinterNotFound : error, {}, Action::Print, {}};
  }
  const UniqueGlobal devMode(print.hDevMode);
  const UniqueGlobal devNames(print.hDevNames);
  const UniqueDc printer(print.hDC);
  PageRange range;
  if (print.Flags & PD_PAGENUMS) range = {print.nFromPage, print.nToPage};
  // Each page and the progress carry the window's caption.
  const std::wstring caption = BoxText(m_window);
  const PageFrame frame{caption, Widen(CopyFileName(m_view.Path())), m_view.RightToLeft()};
  PrintProgress progress(m_window, printer.get(), caption, *m_language);
  return m_view.Print(printer.get(), frame, range, progress);
}

Status KeepACopy::Save() {
  const auto saveDialog = os::GetSaveFileNameW();
  if (!saveDialog) return WithAction(SystemError(ERROR_MOD_NOT_FOUND), Action::SaveCopy);
  const std::string suggested = CopyFileName(m_view.Path());
  std::wstring file = Widen(suggested);
  file.resize(32768, L'\0');
  const std::wstring documents = Widen(WinPlatform::DocumentsFolder());
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = m_window;
  dialog.lpstrFilter = m_view.CopyFilter();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = documents.empty() ? nullptr : documents.c_str();
  dialog.lpstrDefExt = m_view.CopyExtension();
  dialog.Flags =
      OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_EXPLORER | OFN_HIDEREADONLY;
  if (!saveDialog(&dialog)) {
    const DWORD error = DialogError();
    return error == 0 ? Status{} : Status{Error{error, {}, Action::SaveCopy, suggested}};
  }
  file.resize(std::char_traits<wchar_t>::length(file.c_str()));
  const std::string path = Narrow(file);
  Result<std::string> bytes = m_view.CopyBytes(dialog.nFilterIndex);
  if (!bytes.ok()) return WithDefaultAction(bytes.error(), Action::SaveCopy, path);
  return WithDefaultAction(WinPlatform::WriteNewFile(path, bytes.value()), Action::SaveCopy, path);
}

}  // namespace discgate
