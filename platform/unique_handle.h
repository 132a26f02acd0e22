#pragma once

#include <windows.h>

#include <utility>

namespace discgate {

// Owns one handle and closes it exactly once. Move-only, so ownership is always visible. Traits
// give the handle type, its invalid value and how to close it.
template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : m_handle(handle) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  ~UniqueHandle() { reset(); }

  Handle get() const { return m_handle; }
  explicit operator bool() const { return m_handle != Traits::Invalid(); }
  Handle release() { return std::exchange(m_handle, Traits::Invalid()); }
  void reset(Handle handle = Traits::Invalid()) {
    if (m_handle != Traits::Invalid()) Traits::Close(m_handle);
    m_handle = handle;
  }

 private:
  Handle m_handle = Traits::Invalid();
};

// A handle that is null when missing, closed by `close`.
template <typename HandleType, auto close>
struct NullHandleTraits {
  using Handle = HandleType;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle handle) { close(handle); }
};
// A handle that is INVALID_HANDLE_VALUE when missing: files and folder searches.
template <auto close>
struct FileHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle handle) { close(handle); }
};

using UniqueKernelHandle = UniqueHandle<NullHandleTraits<HANDLE, ::CloseHandle>>;  // processes
using UniqueFile = UniqueHandle<FileHandleTraits<::CloseHandle>>;
using UniqueFind = UniqueHandle<FileHandleTraits<::FindClose>>;
using UniqueFont = UniqueHandle<NullHandleTraits<HFONT, ::DeleteObject>>;
using UniqueBrush = UniqueHandle<NullHandleTraits<HBRUSH, ::DeleteObject>>;
using UniqueDc = UniqueHandle<NullHandleTraits<HDC, ::DeleteDC>>;            // a printer's
using UniqueGlobal = UniqueHandle<NullHandleTraits<HGLOBAL, ::GlobalFree>>;  // the dialogs'
// A window made for a while, not the program's own.
using UniqueWindow = UniqueHandle<NullHandleTraits<HWND, ::DestroyWindow>>;

// A window's DC, or the screen's for no window, given back when it goes.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : m_window(window), m_dc(::GetDC(window)) {}
  ~WindowDc() {
    if (m_dc) ::ReleaseDC(m_window, m_dc);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return m_dc; }

 private:
  HWND m_window;
  HDC m_dc;
};

// An object selected into a DC until the guard goes, then the one it replaced again.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(::SelectObject(dc, object)) {}
  ~Selection() {
    if (m_old && m_old != HGDI_ERROR) ::SelectObject(m_dc, m_old);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC m_dc;
  HGDIOBJ m_old;
};

}  // namespace discgate
