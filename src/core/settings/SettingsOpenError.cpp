#include "SettingsOpenError.h"

#include <algorithm>
#include <array>

#include "SettingsLines.h"

namespace {

// Appends to a fixed buffer, cutting short what does not fit; always
// NUL-terminated.
class MessageWriter {
 public:
  explicit MessageWriter(std::span<char> buffer) : buffer_(buffer) { buffer_[0] = '\0'; }
  void Append(std::string_view text) {
    const std::size_t count = std::min(buffer_.size() - 1 - length_, text.size());
    std::copy_n(text.data(), count, buffer_.data() + length_);
    length_ += count;
    buffer_[length_] = '\0';
  }
  std::size_t Length() const { return length_; }

 private:
  std::span<char> buffer_;
  std::size_t length_ = 0;
};

}  // namespace

std::size_t FormatOpenError(std::string_view fullPath, std::string_view systemText, std::uint32_t errorCode,
                            std::span<char> message) {
  MessageWriter writer(message);
  writer.Append("Cannot open file \"");
  writer.Append(fullPath);
  writer.Append("\". ");
  const std::size_t systemTextOffset = writer.Length();

  // The system's texts end with a line end.
  while (!systemText.empty() && IsSettingsBlank(systemText.back())) systemText.remove_suffix(1);
  if (!systemText.empty()) {
    writer.Append(systemText);
  } else {
    // Decimal digits by hand: std::to_chars would bring the code of every
    // base into the DLL.
    std::array<char, 10> digits{};
    std::size_t first = digits.size();
    do {
      digits[--first] = static_cast<char>('0' + errorCode % 10);
      errorCode /= 10;
    } while (errorCode != 0);
    writer.Append("System error ");
    writer.Append(std::string_view(digits.data() + first, digits.size() - first));
    writer.Append(".");
  }
  return systemTextOffset;
}
