#include "app/rich_text.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>

#include "app/planted_fault.h"
#include "platform/system_library.h"

namespace discgate {
namespace {

struct Source {
  const std::string* text;
  std::size_t done;
};

DWORD CALLBACK ReadRtf(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
  auto* source = reinterpret_cast<Source*>(cookie);
  // A read that fails half-way, as a disc that goes away would.
  if (PlantedFault(L"stream") && source->done > 0) return ERROR_READ_FAULT;
  const std::size_t left = source->text->size() - source->done;
  const auto count = std::min(left, static_cast<std::size_t>(std::max<LONG>(wanted, 0)));
  std::memcpy(buffer, source->text->data() + source->done, count);
  source->done += count;
  *given = static_cast<LONG>(count);
  return 0;
}

bool HighContrastOn() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

}  // namespace

const wchar_t* RichEditClass() {
  if (LoadSystemLibrary(L"msftedit.dll")) return L"RICHEDIT50W";
  if (LoadSystemLibrary(L"riched20.dll")) return L"RichEdit20W";
  return nullptr;
}

bool StreamRtf(HWND richEdit, const std::string& rtf) {
  // The default limit of 32,767 characters would cut a long licence.
  ::SendMessageW(richEdit, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  Source source{&rtf, 0};
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
  stream.pfnCallback = ReadRtf;
  ::SendMessageW(richEdit, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
  // The control stops at what it cannot read and keeps what it read before: only a stream read
  // to its end without an error is the whole licence.
  return stream.dwError == 0 && source.done == rtf.size();
}

void FollowHighContrast(HWND richEdit) {
  if (!HighContrastOn()) return;
  ::SendMessageW(richEdit, EM_SETBKGNDCOLOR, TRUE, 0);  // the system's window colour
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_COLOR | CFM_BACKCOLOR;
  format.dwEffects = CFE_AUTOCOLOR | CFE_AUTOBACKCOLOR;
  ::SendMessageW(richEdit, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

}  // namespace discgate
