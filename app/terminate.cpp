// What happens if an exception ever escapes, or the C++ runtime gives up: the user is told, and
// the program ends with the exit code of a failure, not abort's 3.
//
// The runtime's default terminate handler prints the name of the exception, and for that links in
// a whole symbol demangler: about a sixth of the program's size. This one replaces it.
#include <windows.h>

#include <exception>
#include <iterator>
#include <new>
#include <string_view>

#include "app/error_report.h"
#include "app/exit_codes.h"

namespace discgate {
namespace {

// Filled at start: nothing may allocate when the report is made, as memory may be what ran out.
wchar_t g_caption[kTerminateCaptionSize];
wchar_t g_text[kTerminateTextSize];
UINT g_options = MB_OK | MB_ICONERROR | MB_SETFOREGROUND | MB_TASKMODAL;

void CopyText(std::string_view text, wchar_t* to, int size) {
  const int length =
      ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), to, size - 1);
  if (length > 0) to[length] = L'\0';
}

}  // namespace

void PrepareTerminateReport(const UiLanguage& language, std::string_view product) {
  CopyText(CaptionText(language, product), g_caption, static_cast<int>(std::size(g_caption)));
  CopyText(language[&UiTextRow::cannotRecover], g_text, static_cast<int>(std::size(g_text)));
  g_options = MessageBoxOptions(language, nullptr);
}

}  // namespace discgate

namespace __gnu_cxx {

// NOLINTNEXTLINE(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp): the runtime's name
void __verbose_terminate_handler() {
  ::MessageBoxW(nullptr, discgate::g_text, discgate::g_caption, discgate::g_options);
  ::ExitProcess(discgate::kExitFailed);
}

}  // namespace __gnu_cxx

// The standard library reports a broken precondition (an index out of range, a length beyond
// max_size) by throwing a logic_error, whose message string drags about 70 KB of a second string
// implementation into the program. Nothing here catches such an error: it ends the program
// through the handler above, as an uncaught one would. Running out of memory still throws
// bad_alloc, which every caller reports.
// NOLINTBEGIN(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp,cert-dcl58-cpp,cert-dcl50-cpp)
namespace std {

void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_bad_cast() { terminate(); }
void __throw_bad_typeid() { terminate(); }
void __throw_bad_exception() { terminate(); }
void __throw_logic_error(const char* /*what*/) { terminate(); }
void __throw_domain_error(const char* /*what*/) { terminate(); }
void __throw_invalid_argument(const char* /*what*/) { terminate(); }
void __throw_length_error(const char* /*what*/) { terminate(); }
void __throw_out_of_range(const char* /*what*/) { terminate(); }
void __throw_out_of_range_fmt(const char* /*format*/, ...) { terminate(); }
void __throw_runtime_error(const char* /*what*/) { terminate(); }
void __throw_range_error(const char* /*what*/) { terminate(); }
void __throw_overflow_error(const char* /*what*/) { terminate(); }
void __throw_underflow_error(const char* /*what*/) { terminate(); }

}  // namespace std
// NOLINTEND(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp,cert-dcl58-cpp,cert-dcl50-cpp)
