// The C names of the few memory and text functions the DLL's code calls,
// which without a C runtime nothing else defines. Built with
// -fno-tree-loop-distribute-patterns, so that GCC does not turn their loops
// back into calls to themselves.
#include <cstddef>

#include "MemoryFunctions.h"

extern "C" {

void* memcpy(void* to, const void* from, std::size_t count) { return memory_functions::Copy(to, from, count); }

void* memmove(void* to, const void* from, std::size_t count) { return memory_functions::Move(to, from, count); }

void* memset(void* to, int value, std::size_t count) { return memory_functions::Fill(to, value, count); }

int memcmp(const void* left, const void* right, std::size_t count) {
  return memory_functions::Compare(left, right, count);
}

void* memchr(const void* bytes, int value, std::size_t count) {
  return const_cast<void*>(memory_functions::Find(bytes, value, count));
}

std::size_t strlen(const char* text) { return memory_functions::Length(text); }

}  // extern "C"
