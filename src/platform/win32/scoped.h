#pragma once
// Owners of Win32 handles and objects: each gives its handle back once, when it goes.
// Copying is deleted, so no handle is ever released twice.
#include <windows.h>

#include <utility>

namespace tarvio::platform::win32 {

// A handle that Free gives back; the null handle is none.
template <typename Handle, auto Free>
class Scoped {
 public:
  Scoped() = default;
  explicit Scoped(Handle handle) : handle_(handle) {}
  ~Scoped() { Reset(); }
  Scoped(const Scoped&) = delete;
  Scoped& operator=(const Scoped&) = delete;
  Scoped(Scoped&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
  Scoped& operator=(Scoped&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, Handle{}));
    return *this;
  }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }
  // For the calls that hand a new handle back through a pointer.
  Handle* Receive() {
    Reset();
    return &handle_;
  }
  void Reset(Handle handle = Handle{}) {
    if (handle_ != Handle{}) Free(handle_);
    handle_ = handle;
  }
  // Gives the handle up to a new owner.
  Handle Detach() { return std::exchange(handle_, Handle{}); }

 private:
  Handle handle_{};
};

template <typename Object>
BOOL DeleteGdiObject(Object object) {
  return DeleteObject(object);
}

using ScopedHandle = Scoped<HANDLE, &CloseHandle>;
using ScopedKey = Scoped<HKEY, &RegCloseKey>;
using ScopedIcon = Scoped<HICON, &DestroyIcon>;
using ScopedMenu = Scoped<HMENU, &DestroyMenu>;
using ScopedWindow = Scoped<HWND, &DestroyWindow>;
using ScopedFont = Scoped<HFONT, &DeleteGdiObject<HFONT>>;
using ScopedPalette = Scoped<HPALETTE, &DeleteGdiObject<HPALETTE>>;
using ScopedLibrary = Scoped<HMODULE, &FreeLibrary>;

// The screen's device context, from GetDC(nullptr) to ReleaseDC.
class ScopedScreenDC {
 public:
  ScopedScreenDC() : dc_(GetDC(nullptr)) {}
  ~ScopedScreenDC() {
    if (dc_ != nullptr) ReleaseDC(nullptr, dc_);
  }
  ScopedScreenDC(const ScopedScreenDC&) = delete;
  ScopedScreenDC& operator=(const ScopedScreenDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

}  // namespace tarvio::platform::win32
