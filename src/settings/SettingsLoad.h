#pragma once
// Reading the settings file from disk, once per BKC_OnStart, on the host's
// user-interface thread. Never throws; failures are values.
//
// The file is read only when the path is not empty and names an entry that is
// no directory and whose last-write time, in local time, can be written as an
// MS-DOS date and time (1980 to 2107); anything else reads as an empty file,
// silently. The file is opened for reading with read sharing (so a file another
// program holds open for writing cannot be opened), read whole in one call, and
// closed before it is parsed. An empty file, a failed read and a failed
// allocation of the buffer also read as an empty file: the defaults then apply,
// as with no file. A file that exists but cannot be opened is an open error,
// with a message that names the file's full path and gives the system's text
// for the error.
#include <array>
#include <cstddef>

#include "SettingsFile.h"

// Owns the file's bytes; move-only.
class SettingsLoad {
 public:
  using MessageBuffer = std::array<char, 1024>;

  SettingsLoad() = default;
  SettingsLoad(SettingsLoad&& other) noexcept;
  SettingsLoad& operator=(SettingsLoad&& other) noexcept;
  SettingsLoad(const SettingsLoad&) = delete;
  SettingsLoad& operator=(const SettingsLoad&) = delete;
  ~SettingsLoad();

  // Empty when there is no usable file or the open failed.
  const SettingsFile& File() const { return file_; }
  bool OpenFailed() const { return openError_[0] != '\0'; }
  // NUL-terminated; "" unless OpenFailed(). Cut short if it would not fit.
  const char* OpenErrorMessage() const { return openError_.data(); }

 private:
  friend SettingsLoad LoadSettingsFile(const char* path);

  char* bytes_ = nullptr;  // the file's content, from the process heap; File() views it
  SettingsFile file_;
  MessageBuffer openError_{};
};

SettingsLoad LoadSettingsFile(const char* path);
