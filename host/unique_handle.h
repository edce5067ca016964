// Move-only owners of Win32 handles, one type per kind of handle, so that each handle
// is closed exactly once by the code that owns it. Each kind says what its empty value
// is: null for most, INVALID_HANDLE_VALUE for file and find handles.
#pragma once

#include <windows.h>

#include <utility>

template <typename Traits>
class UniqueHandle {
 public:
  using Type = typename Traits::Type;

  UniqueHandle() = default;
  explicit UniqueHandle(Type value) : value_(value) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : value_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  ~UniqueHandle() { reset(); }

  Type get() const { return value_; }
  explicit operator bool() const { return value_ != Traits::Empty(); }
  Type release() { return std::exchange(value_, Traits::Empty()); }
  void reset(Type value = Traits::Empty()) {
    if (value_ != Traits::Empty()) Traits::Close(value_);
    value_ = value;
  }

 private:
  Type value_ = Traits::Empty();
};

struct KernelHandleTraits {
  using Type = HANDLE;
  static HANDLE Empty() { return nullptr; }
  static void Close(HANDLE h) { CloseHandle(h); }
};
struct FileHandleTraits {
  using Type = HANDLE;
  static HANDLE Empty() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { CloseHandle(h); }
};
struct FindHandleTraits {
  using Type = HANDLE;
  static HANDLE Empty() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { FindClose(h); }
};
struct IconTraits {
  using Type = HICON;
  static HICON Empty() { return nullptr; }
  static void Close(HICON h) { DestroyIcon(h); }
};
struct FontTraits {
  using Type = HFONT;
  static HFONT Empty() { return nullptr; }
  static void Close(HFONT h) { DeleteObject(h); }
};

using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;  // events and the like
using UniqueFile = UniqueHandle<FileHandleTraits>;
using UniqueFind = UniqueHandle<FindHandleTraits>;
using UniqueIcon = UniqueHandle<IconTraits>;
using UniqueFont = UniqueHandle<FontTraits>;
