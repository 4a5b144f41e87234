// One owner per Windows handle: a move-only wrapper that releases the handle when it goes.
#pragma once

#include <windows.h>

#include <utility>

namespace xpx {

// Traits give the handle type, its release function and its invalid value.
template <class Traits>
class UniqueHandle {
  using Handle = typename Traits::Handle;
  static inline const Handle Invalid = Traits::invalid();

public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle h) : h_(h) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : h_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  ~UniqueHandle() { reset(); }

  Handle get() const { return h_; }
  explicit operator bool() const { return h_ != Invalid; }
  Handle release() { return std::exchange(h_, Invalid); }
  void reset(Handle h = Invalid) {
    if (h_ != Invalid) Traits::release(h_);
    h_ = h;
  }

private:
  Handle h_ = Invalid;
};

template <class H, auto Release>
struct NullIsInvalid {
  using Handle = H;
  static Handle invalid() { return nullptr; }
  static void release(Handle h) { Release(h); }
};

inline void delete_gdi(HGDIOBJ h) { DeleteObject(h); }
inline void close_handle(HANDLE h) { CloseHandle(h); }
inline void destroy_window(HWND h) { DestroyWindow(h); }
inline void delete_dc(HDC h) { DeleteDC(h); }

struct FileHandleTraits {
  using Handle = HANDLE;
  static Handle invalid() { return INVALID_HANDLE_VALUE; }
  static void release(Handle h) { CloseHandle(h); }
};

using UniqueBitmap = UniqueHandle<NullIsInvalid<HBITMAP, delete_gdi>>;
using UniqueBrush = UniqueHandle<NullIsInvalid<HBRUSH, delete_gdi>>;
using UniqueFont = UniqueHandle<NullIsInvalid<HFONT, delete_gdi>>;
using UniqueWindow = UniqueHandle<NullIsInvalid<HWND, destroy_window>>;
using UniqueDc = UniqueHandle<NullIsInvalid<HDC, delete_dc>>;
using UniqueKernelHandle = UniqueHandle<NullIsInvalid<HANDLE, close_handle>>;
using UniqueFile = UniqueHandle<FileHandleTraits>;

// Restores the object that was selected into a DC before.
class SelectObjectGuard {
public:
  SelectObjectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
  SelectObjectGuard(const SelectObjectGuard&) = delete;
  SelectObjectGuard& operator=(const SelectObjectGuard&) = delete;
  ~SelectObjectGuard() { SelectObject(dc_, old_); }

private:
  HDC dc_;
  HGDIOBJ old_;
};

// BeginPaint / EndPaint as one scope.
class PaintScope {
public:
  explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &ps_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { EndPaint(hwnd_, &ps_); }
  HDC dc() const { return dc_; }
  const RECT& area() const { return ps_.rcPaint; }

private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

}  // namespace xpx
