#pragma once
// The memory and text functions the DLL's code needs, for a DLL that links
// no C runtime: GCC emits calls to memcpy, memmove, memset and memcmp for
// copies and comparisons of its own, and string_view calls memchr and
// strlen. CRuntimeNames.cpp gives them their C names inside the DLL only;
// the tests call them here under these names. The DLL moves and compares
// only short texts with them (the settings file's bytes are searched by
// ByteSearch.h), so plain loops serve.
#include <cstddef>

namespace memory_functions {

inline void* Copy(void* to, const void* from, std::size_t count) {
  auto* out = static_cast<unsigned char*>(to);
  const auto* in = static_cast<const unsigned char*>(from);
  for (std::size_t i = 0; i < count; ++i) out[i] = in[i];
  return to;
}

// Overlapping ranges too: backwards when the target lies above the source.
inline void* Move(void* to, const void* from, std::size_t count) {
  auto* out = static_cast<unsigned char*>(to);
  const auto* in = static_cast<const unsigned char*>(from);
  if (out <= in) return Copy(to, from, count);
  while (count > 0) {
    --count;
    out[count] = in[count];
  }
  return to;
}

inline void* Fill(void* to, int value, std::size_t count) {
  auto* out = static_cast<unsigned char*>(to);
  for (std::size_t i = 0; i < count; ++i) out[i] = static_cast<unsigned char>(value);
  return to;
}

// As memcmp: the sign of the first differing byte, taken unsigned.
inline int Compare(const void* left, const void* right, std::size_t count) {
  const auto* a = static_cast<const unsigned char*>(left);
  const auto* b = static_cast<const unsigned char*>(right);
  for (std::size_t i = 0; i < count; ++i) {
    if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
  }
  return 0;
}

inline const void* Find(const void* bytes, int value, std::size_t count) {
  const auto* p = static_cast<const unsigned char*>(bytes);
  for (std::size_t i = 0; i < count; ++i) {
    if (p[i] == static_cast<unsigned char>(value)) return p + i;
  }
  return nullptr;
}

inline std::size_t Length(const char* text) {
  std::size_t length = 0;
  while (text[length] != '\0') ++length;
  return length;
}

}  // namespace memory_functions
