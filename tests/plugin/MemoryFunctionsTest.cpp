// The DLL's own memory and text functions against the C library's, on
// overlapping moves both ways and bytes above 127.
#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "MemoryFunctions.h"

namespace {

using Buffer = std::array<unsigned char, 64>;

Buffer Pattern() {
  Buffer bytes{};
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<unsigned char>(i * 37 + 200);
  return bytes;
}

TEST(MemoryFunctions, MoveCopyAndFill_AgreeWithTheCLibrary) {
  const std::size_t cases[][3] = {{0, 0, 0}, {0, 1, 1}, {1, 0, 1}, {0, 5, 40}, {5, 0, 40}, {3, 3, 17}, {10, 30, 34}};
  for (const auto& [to, from, count] : cases) {
    Buffer ours = Pattern(), theirs = Pattern();
    memory_functions::Move(ours.data() + to, ours.data() + from, count);
    std::memmove(theirs.data() + to, theirs.data() + from, count);
    EXPECT_EQ(ours, theirs) << "move " << from << " -> " << to << ", " << count;

    const Buffer source = Pattern();
    ours = theirs = Buffer{};
    EXPECT_EQ(memory_functions::Copy(ours.data() + to, source.data() + from, count), ours.data() + to);
    std::memcpy(theirs.data() + to, source.data() + from, count);
    memory_functions::Fill(ours.data() + to, 0x1AB, count / 2);  // only the low byte counts
    std::memset(theirs.data() + to, 0x1AB, count / 2);
    EXPECT_EQ(ours, theirs) << "copy and fill " << from << ", " << to << ", " << count;
  }
}

TEST(MemoryFunctions, CompareFindAndLength_AgreeWithTheCLibrary) {
  const char* const pairs[][2] = {{"abc", "abd"}, {"abd", "abc"}, {"\x80", "\x7f"}, {"a\xff", "a\x01"}, {"ab", "ab"}};
  for (const auto& [left, right] : pairs) {
    for (std::size_t count = 0; count <= std::strlen(left); ++count) {
      const int ours = memory_functions::Compare(left, right, count);
      const int theirs = std::memcmp(left, right, count);
      EXPECT_EQ((ours > 0) - (ours < 0), (theirs > 0) - (theirs < 0)) << left << " / " << right << ", " << count;
    }
  }
  const char text[] = "key=\xe0value=";
  for (const int byte : {int{'='}, int{'v'}, 0xe0, 0x1e0, int{'z'}, 0}) {
    for (const std::size_t count : {std::size_t{0}, std::size_t{4}, sizeof text}) {
      EXPECT_EQ(memory_functions::Find(text, byte, count), std::memchr(text, byte, count)) << byte << " in " << count;
    }
  }
  EXPECT_EQ(memory_functions::Length(""), 0u);
  EXPECT_EQ(memory_functions::Length(text), std::strlen(text));
}

}  // namespace
