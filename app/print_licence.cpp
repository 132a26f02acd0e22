#include "app/print_licence.h"

#include <richedit.h>

#include <algorithm>
#include <new>
#include <string_view>
#include <vector>

#include "app/licence_view.h"
#include "app/planted_fault.h"
#include "app/twips.h"
#include "launcher/licence_copy.h"
#include "launcher/line_breaks.h"
#include "platform/error_win.h"
#include "platform/text_win.h"
#include "platform/unique_handle.h"

namespace discgate {
namespace {

constexpr int kMarginInches100 = 75;  // around the text, inside the printable area
// No printed line is measured further: wider than any line at the sizes text is printed in, and
// a paragraph of megabytes is not measured whole for each of its lines.
constexpr std::size_t kLongestLine = 512;

// A page's printable area in the printer's pixels, and the text's part of it.
struct Sheet {
  int dpiX;
  int dpiY;
  int width;
  int height;
  RECT text;
};

Sheet SheetOf(HDC printer) {
  Sheet sheet{::GetDeviceCaps(printer, LOGPIXELSX),
              ::GetDeviceCaps(printer, LOGPIXELSY),
              ::GetDeviceCaps(printer, HORZRES),
              ::GetDeviceCaps(printer, VERTRES),
              {}};
  const int marginX = ::MulDiv(kMarginInches100, sheet.dpiX, 100);
  const int marginY = ::MulDiv(kMarginInches100, sheet.dpiY, 100);
  sheet.text = {marginX, marginY, sheet.width - marginX, sheet.height - marginY};
  return sheet;
}

void DrawFrame(HDC printer, HFONT font, const Sheet& sheet, const std::wstring& heading,
               const std::wstring& foot, bool rightToLeft) {
  const Selection selected(printer, font);
  const int margin = sheet.text.top;
  RECT head = {sheet.text.left, margin / 3, sheet.text.right, margin};
  ::DrawTextW(printer, heading.c_str(), -1, &head,
              (rightToLeft ? DT_RTLREADING | DT_RIGHT : DT_LEFT) | DT_SINGLELINE | DT_NOPREFIX);
  RECT bottom = {sheet.text.left, sheet.height - margin * 2 / 3, sheet.text.right, sheet.height};
  ::DrawTextW(printer, foot.c_str(), -1, &bottom, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// One print job: the pages of `range` that exist, each in its frame, with its part of the
// licence drawn by `drawBody(page)` (from 0). Ends early, and ends the job, when cancelled.
template <typename DrawBody>
Status PrintJob(HDC printer, const Sheet& sheet, const PageFrame& frame, int pages, PageRange range,
                PrintProgress& progress, DrawBody drawBody) {
  const auto [first, last] = PagesThere(range, pages);
  if (first > last) return {};  // the pages chosen are not there
  const UniqueFont font(::CreateFontW(-FontPixelHeight(900, sheet.dpiY), 0, 0, 0, FW_NORMAL, FALSE,
                                      FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                      DEFAULT_PITCH | FF_DONTCARE, L"Arial"));
  const std::wstring heading = frame.caption + L"    " + frame.fileName;
  DOCINFOW document{};
  document.cbSize = sizeof document;
  document.lpszDocName = frame.caption.c_str();
  if (::StartDocW(printer, &document) <= 0) return LastError();
  for (int page = first; page <= last; ++page) {
    progress.ShowPage(page, pages);
    if (!progress.KeepGoing()) {
      ::AbortDoc(printer);
      return {};
    }
    if (::StartPage(printer) <= 0) {
      Status failed = LastError();
      ::AbortDoc(printer);
      return failed;
    }
    DrawFrame(printer, font.get(), sheet, heading, Widen(PageNumber(page, pages)),
              frame.rightToLeft);
    drawBody(page - 1);
    // Cancelled while the page spooled: the printer's abort procedure said so.
    if (::EndPage(printer) <= 0) {
      Status failed = progress.KeepGoing() ? LastError() : Status{};
      ::AbortDoc(printer);
      return failed;
    }
  }
  if (::EndDoc(printer) <= 0) return LastError();
  return {};
}

// A tab is four spaces on paper: a printer font draws it as a box, or not at all.
std::wstring WithoutTabs(std::wstring text) {
  const auto tabs = static_cast<std::size_t>(std::count(text.begin(), text.end(), L'\t'));
  if (tabs == 0) return text;
  std::wstring spaced;
  spaced.reserve(text.size() + tabs * 3);
  for (const wchar_t unit : text) {
    if (unit == L'\t') {
      spaced.append(4, L' ');
    } else {
      spaced += unit;
    }
  }
  return spaced;
}

}  // namespace

Status PrintPlain(HDC printer, std::wstring text, const PageFrame& frame, PageRange range,
                  PrintProgress& progress) {
  // As when a licence's pages need more memory than there is.
  if (PlantedFault(L"printmemory")) throw std::bad_alloc();
  const Sheet sheet = SheetOf(printer);
  const UniqueFont font = Text1Font(sheet.dpiY, 100);  // as designed, unzoomed
  const std::wstring spaced = WithoutTabs(std::move(text));
  const std::wstring_view view(spaced);
  const auto width = static_cast<int>(sheet.text.right - sheet.text.left);
  const auto fitting = [printer, view, width](std::size_t start, std::size_t count) {
    INT fit = 0;
    SIZE size{};
    const auto probe = static_cast<int>(std::min(count, kLongestLine));
    return ::GetTextExtentExPointW(printer, view.data() + start, probe, width, &fit, nullptr, &size)
               ? static_cast<std::size_t>(fit)
               : std::size_t{0};
  };
  int lineHeight = 1;
  std::vector<std::size_t> pageStarts;
  std::size_t perPage = 1;
  bool stopped = false;
  {
    const Selection selected(printer, font.get());
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(printer, &metrics);
    lineHeight = std::max<int>(1, metrics.tmHeight + metrics.tmExternalLeading);
    perPage = static_cast<std::size_t>(
        std::max<LONG>(1, (sheet.text.bottom - sheet.text.top) / lineHeight));
    pageStarts = PageStarts(
        view, fitting, perPage, [&progress] { return progress.KeepGoing(); }, stopped);
  }
  if (stopped) return {};
  const UINT alignment = frame.rightToLeft ? DT_RIGHT | DT_RTLREADING : DT_LEFT;
  return PrintJob(
      printer, sheet, frame, static_cast<int>(pageStarts.size()), range, progress, [&](int page) {
        // Selected on each page: a page's start may reset what the printer's DC holds.
        const Selection selected(printer, font.get());
        LineBreaker breaker(view, fitting, pageStarts[static_cast<std::size_t>(page)]);
        for (LONG top = sheet.text.top, lines = 0;
             !breaker.Done() && lines < static_cast<LONG>(perPage); top += lineHeight, ++lines) {
          const TextLine line = breaker.Next();
          RECT box = {sheet.text.left, top, sheet.text.right, top + lineHeight};
          ::DrawTextW(printer, view.data() + line.start, static_cast<int>(line.length), &box,
                      alignment | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
        }
      });
}

Status PrintRich(HDC printer, HWND box, const PageFrame& frame, PageRange range,
                 PrintProgress& progress) {
  const Sheet sheet = SheetOf(printer);
  const auto twipsX = [&sheet](LONG pixels) { return ::MulDiv(pixels, 1440, sheet.dpiX); };
  const auto twipsY = [&sheet](LONG pixels) { return ::MulDiv(pixels, 1440, sheet.dpiY); };
  FORMATRANGE layout{};
  layout.hdc = layout.hdcTarget = printer;
  layout.rcPage = {0, 0, twipsX(sheet.width), twipsY(sheet.height)};
  const RECT text = {twipsX(sheet.text.left), twipsY(sheet.text.top), twipsX(sheet.text.right),
                     twipsY(sheet.text.bottom)};
  // Whatever ends this, the control lets go of what it kept of the layout.
  const auto forget = [box] { ::SendMessageW(box, EM_FORMATRANGE, FALSE, 0); };
  GETTEXTLENGTHEX measure{GTL_DEFAULT, 1200};
  const auto length = static_cast<LONG>(
      ::SendMessageW(box, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&measure), 0));
  std::vector<LONG> starts;
  for (LONG start = 0; start < length || starts.empty();) {
    if (!progress.KeepGoing()) {
      forget();
      return {};
    }
    starts.push_back(start);
    layout.rc = text;
    layout.chrg = {start, -1};
    const auto next = static_cast<LONG>(
        ::SendMessageW(box, EM_FORMATRANGE, FALSE, reinterpret_cast<LPARAM>(&layout)));
    if (next > start) {
      start = next;
      continue;
    }
    forget();
    if (start == 0 && length > 0) return PrintPlain(printer, BoxText(box), frame, range, progress);
    if (start < length) return Error{kErrorInvalidData, {}, Action::Print, {}};
    break;
  }
  Status printed = PrintJob(
      printer, sheet, frame, static_cast<int>(starts.size()), range, progress, [&](int page) {
        layout.rc = text;
        layout.chrg = {starts[static_cast<std::size_t>(page)], -1};
        ::SendMessageW(box, EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&layout));
      });
  forget();
  return printed;
}

}  // namespace discgate
