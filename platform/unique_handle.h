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

// Process and thread handles are null when missing; file handles are INVALID_HANDLE_VALUE.
struct KernelHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle handle) { ::CloseHandle(handle); }
};
struct FileHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle handle) { ::CloseHandle(handle); }
};
struct FindHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle handle) { ::FindClose(handle); }
};
struct FontHandleTraits {
  using Handle = HFONT;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle handle) { ::DeleteObject(handle); }
};

using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueFile = UniqueHandle<FileHandleTraits>;
using UniqueFind = UniqueHandle<FindHandleTraits>;
using UniqueFont = UniqueHandle<FontHandleTraits>;

}  // namespace discgate
