#pragma once
// One holder for every kind of kernel handle the plug-in and the programs
// open: closed when it goes out of scope, by the function of its kind. Links
// into Tollimer.dll: no allocation.
#include <windows.h>

#include <utility>

template <BOOL(WINAPI* CloseFunction)(HANDLE)>
class ScopedHandle {
 public:
  // Null and INVALID_HANDLE_VALUE both mean none: CreateFile answers the one,
  // CreateFileMapping the other.
  explicit ScopedHandle(HANDLE handle = nullptr) : handle_(handle) {}
  ScopedHandle(ScopedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  ScopedHandle& operator=(ScopedHandle&& other) noexcept {
    if (this != &other) {
      Close();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  ~ScopedHandle() { Close(); }

  bool Valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }

  // Closes now. The thread's last error is kept, as it may still have to be
  // reported, unless closing itself fails (a delayed write may): then false,
  // with closing's error.
  bool Close() {
    if (!Valid()) return true;
    const DWORD error = GetLastError();
    const bool closed = CloseFunction(std::exchange(handle_, nullptr)) != FALSE;
    if (closed) SetLastError(error);
    return closed;
  }

 private:
  HANDLE handle_;
};

using FileHandle = ScopedHandle<CloseHandle>;
using FindHandle = ScopedHandle<FindClose>;
