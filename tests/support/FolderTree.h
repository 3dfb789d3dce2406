#pragma once
// Files, folders and links under one root, by wide relative paths
// ("PlugIns\\Tollimer.ini") of any length and any characters, for tests of
// programs that must handle such paths. The root is a folder that exists
// (a TempFolder's); nothing outside it is touched.
#include <map>
#include <optional>
#include <string>
#include <string_view>

// A path in the system code page as UTF-16.
std::wstring Widen(std::string_view ansi);
// UTF-16 as UTF-8, for messages.
std::string Utf8(std::wstring_view wide);
// The whole content of the file at `path` (any length); none when it
// cannot be read.
std::optional<std::string> ReadFileBytes(const std::wstring& path);

class FolderTree {
 public:
  explicit FolderTree(std::wstring root) : root_(std::move(root)) {}

  // Full and readable ("C:\..."); "" gives the root.
  std::wstring PathOf(std::wstring_view relative) const;
  // Creates the folder and every folder above it. Throws when it cannot.
  void Folder(std::wstring_view relative) const;
  // Writes the file whole, making its folders. Throws when it cannot.
  void Write(std::wstring_view relative, std::string_view bytes) const;
  void Copy(std::wstring_view relative, const std::wstring& source) const;
  // A symbolic link to the file at `target` (relative to the root).
  void Link(std::wstring_view relative, std::wstring_view target) const;
  void HardLink(std::wstring_view relative, std::wstring_view existing) const;
  std::optional<std::string> Read(std::wstring_view relative) const;

  // Every file under the root: its bytes, or "-> " and the path it really
  // is, relative to the root, when it is a link. A whole tree compares at once.
  std::map<std::wstring, std::string> Snapshot() const;

 private:
  std::wstring Extended(std::wstring_view relative) const;
  void Walk(const std::wstring& relative, std::map<std::wstring, std::string>& files) const;

  std::wstring root_;
};
