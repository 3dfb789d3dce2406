#include "SettingsLoad.h"

#include <utility>

#include "SettingsLoadFrom.h"

SettingsLoad::SettingsLoad(SettingsLoad&& other) noexcept
    : bytes_(std::exchange(other.bytes_, nullptr)),
      byteCount_(std::exchange(other.byteCount_, 0)),
      fileSize_(std::exchange(other.fileSize_, 0)),
      file_(std::exchange(other.file_, SettingsFile())),
      openError_(other.openError_),
      outcome_(std::exchange(other.outcome_, SettingsLoadOutcome::NoPath)),
      errorCode_(std::exchange(other.errorCode_, 0)),
      systemTextOffset_(std::exchange(other.systemTextOffset_, 0)) {
  other.openError_[0] = '\0';
}

SettingsLoad& SettingsLoad::operator=(SettingsLoad&& other) noexcept {
  if (this != &other) {
    settings_load::FreeBytes(bytes_);
    bytes_ = std::exchange(other.bytes_, nullptr);
    byteCount_ = std::exchange(other.byteCount_, 0);
    fileSize_ = std::exchange(other.fileSize_, 0);
    file_ = std::exchange(other.file_, SettingsFile());
    openError_ = other.openError_;
    other.openError_[0] = '\0';
    outcome_ = std::exchange(other.outcome_, SettingsLoadOutcome::NoPath);
    errorCode_ = std::exchange(other.errorCode_, 0);
    systemTextOffset_ = std::exchange(other.systemTextOffset_, 0);
  }
  return *this;
}

SettingsLoad::~SettingsLoad() { settings_load::FreeBytes(bytes_); }

SettingsLoad LoadSettingsFile(const char* path) {
  // The plug-in reads whatever size the file has.
  return LoadSettingsFileFrom(path, std::numeric_limits<std::uint64_t>::max());
}
