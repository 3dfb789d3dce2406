#include "StackSmash.h"

#include <cstring>

void FillStackBuffer(std::size_t count) {
  char buffer[16];
  std::memset(buffer, 'x', count);
  // Keeps the buffer, and so the writes, from being optimised away.
  asm volatile("" : : "r"(buffer) : "memory");
}
