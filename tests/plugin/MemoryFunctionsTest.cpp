// The DLL's own memory and text functions against the C library's, on
// lengths around the edges and on overlapping moves both ways.
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

struct MoveCase {
  std::size_t to, from, count;
};

TEST(MemoryFunctions, MoveAndCopy_AgreeWithTheCLibrary) {
  const MoveCase cases[] = {{0, 0, 0}, {0, 1, 1}, {1, 0, 1}, {0, 5, 40}, {5, 0, 40}, {3, 3, 17}, {10, 30, 34}, {30, 10, 34}};
  for (const MoveCase& c : cases) {
    Buffer ours = Pattern();
    Buffer theirs = Pattern();
    memory_functions::Move(ours.data() + c.to, ours.data() + c.from, c.count);
    std::memmove(theirs.data() + c.to, theirs.data() + c.from, c.count);
    EXPECT_EQ(ours, theirs) << "move " << c.from << " -> " << c.to << ", " << c.count;

    Buffer copied{};
    const Buffer source = Pattern();
    EXPECT_EQ(memory_functions::Copy(copied.data() + c.to, source.data() + c.from, c.count), copied.data() + c.to);
    EXPECT_EQ(std::memcmp(copied.data() + c.to, source.data() + c.from, c.count), 0);
  }
}

TEST(MemoryFunctions, Fill_WritesOnlyItsRange) {
  Buffer bytes = Pattern();
  memory_functions::Fill(bytes.data() + 3, 0x1AB, 7);  // only the low byte counts
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    EXPECT_EQ(bytes[i], (i >= 3 && i < 10) ? 0xAB : Pattern()[i]) << i;
  }
}

struct CompareCase {
  const char* left;
  const char* right;
  std::size_t count;
  int sign;
};

TEST(MemoryFunctions, Compare_TakesBytesUnsigned) {
  const CompareCase cases[] = {{"abc", "abd", 3, -1}, {"abd", "abc", 3, 1}, {"abc", "abd", 2, 0},
                               {"", "", 0, 0},        {"\x80", "\x7f", 1, 1}, {"a\xff", "a\x01", 2, 1}};
  for (const CompareCase& c : cases) {
    const int result = memory_functions::Compare(c.left, c.right, c.count);
    EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.left << " / " << c.right;
  }
}

TEST(MemoryFunctions, FindAndLength_AgreeWithTheCLibrary) {
  const char text[] = "key=\xe0value=";
  for (const int byte : {int{'='}, int{'v'}, 0xe0, 0x1e0, int{'z'}, 0}) {
    for (std::size_t count : {std::size_t{0}, std::size_t{4}, sizeof text}) {
      EXPECT_EQ(memory_functions::Find(text, byte, count), std::memchr(text, byte, count)) << byte << " in " << count;
    }
  }
  EXPECT_EQ(memory_functions::Length(""), 0u);
  EXPECT_EQ(memory_functions::Length(text), std::strlen(text));
}

}  // namespace
