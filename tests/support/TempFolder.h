#pragma once
// A fresh folder in the temporary directory for one test, removed with
// everything in it when the holder goes out of scope.
#include <string>
#include <string_view>

// The whole content of the file at `path`; "" when it cannot be read.
std::string ReadBytes(const std::string& path);

class TempFolder {
 public:
  // Creates <temp>\tollimer-<purpose>-<process>-<n>, and inside it the
  // folder `inner` when given (a host's "PlugIns"), which is then Path();
  // throws when it cannot.
  explicit TempFolder(std::string_view purpose = "test", std::string_view inner = {});
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return path_; }
  // The full path of a file or folder inside.
  std::string PathOf(std::string_view name) const;
  // Writes `bytes` as the whole file `name` inside, replacing it; returns its
  // full path. Throws when it cannot.
  std::string Write(std::string_view name, std::string_view bytes) const;

 private:
  std::string root_;  // removed with everything in it
  std::string path_;
};
