#pragma once
// Reading the settings file from disk: the plug-in's reading, once per
// BKC_OnStart on the host's user-interface thread, and the settings check's,
// which reads with the very same code so that it reports what the plug-in
// sees. Never throws; failures are values. Links into Tollimer.dll: no
// allocation but the one block for the file's bytes, from the process heap.
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
#include <cstdint>
#include <string_view>

#include "SettingsFile.h"
#include "SettingsLoadOutcome.h"

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
  bool OpenFailed() const { return outcome_ == SettingsLoadOutcome::OpenFailed; }
  // NUL-terminated; "" unless OpenFailed() (and always "" for a wide path).
  // Cut short if it would not fit.
  const char* OpenErrorMessage() const { return openError_.data(); }

  // Why the file read as it did. The plug-in needs none of this; the settings
  // check tells the user.
  SettingsLoadOutcome Outcome() const { return outcome_; }
  // The system's error code (OpenFailed, Unreachable) and its text (the tail
  // of OpenErrorMessage(), when OpenFailed()).
  std::uint32_t ErrorCode() const { return errorCode_; }
  const char* OpenErrorSystemText() const { return openError_.data() + systemTextOffset_; }
  // Every byte read, also those after a NUL, which File() does not see.
  std::string_view Bytes() const { return std::string_view(bytes_, byteCount_); }
  // The file's size in bytes, once it was opened.
  std::uint64_t FileSize() const { return fileSize_; }

 private:
  template <typename Char>
  friend SettingsLoad LoadSettingsFileFrom(const Char* path, std::uint64_t mostBytes);

  char* bytes_ = nullptr;  // the file's content, from the process heap; File() views it
  std::size_t byteCount_ = 0;
  std::uint64_t fileSize_ = 0;
  SettingsFile file_;
  MessageBuffer openError_{};
  SettingsLoadOutcome outcome_ = SettingsLoadOutcome::NoPath;
  std::uint32_t errorCode_ = 0;
  std::size_t systemTextOffset_ = 0;
};

// The plug-in's reading: the path in the system code page.
SettingsLoad LoadSettingsFile(const char* path);

// The settings check's readings, with the same rules and at most `mostBytes`
// read (a larger file is TooLarge, nothing read): by the plug-in's own path,
// and by a wide path of any length and any characters, for a file the
// plug-in does not reach (its open error has no message: ErrorCode() tells).
SettingsLoad LoadSettingsFile(const char* path, std::uint64_t mostBytes);
SettingsLoad LoadSettingsFile(const wchar_t* path, std::uint64_t mostBytes);
