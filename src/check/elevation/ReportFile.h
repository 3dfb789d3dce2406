#pragma once
// The file through which the elevated check hands its report back: made
// here, empty, in the user's temporary folder, before the elevated program
// starts (--output writes into a file that exists); read back as UTF-8
// afterwards; removed with its holder.
#include <optional>
#include <string>

class ReportFile {
 public:
  // Makes the file (CREATE_NEW, under a name of this process's own);
  // Path() is empty when no file could be made.
  ReportFile();
  ~ReportFile();
  ReportFile(const ReportFile&) = delete;
  ReportFile& operator=(const ReportFile&) = delete;

  const std::wstring& Path() const { return path_; }

  // What was written into it: UTF-8 text, a byte-order mark dropped; none
  // when it cannot be read or is not UTF-8.
  std::optional<std::string> ReadUtf8() const;

 private:
  std::wstring path_;
};
