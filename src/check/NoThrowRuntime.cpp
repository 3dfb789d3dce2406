// TollimerCheck.exe carries no C++ exception support, which would more than
// double its size: the few places where the standard library would throw
// (no memory, a length or index beyond bounds) end the program instead, with
// the check's own message and exit status. The program is built without
// exceptions, so nothing would catch them anyway.
#include <cstddef>
#include <cstdlib>
#include <new>

#include "CheckStop.h"

namespace std {
void __throw_bad_alloc() { StopCheck(); }
void __throw_bad_array_new_length() { StopCheck(); }
void __throw_length_error(const char*) { StopCheck(); }
void __throw_logic_error(const char*) { StopCheck(); }
void __throw_out_of_range(const char*) { StopCheck(); }
void __throw_out_of_range_fmt(const char*, ...) { StopCheck(); }
void __throw_invalid_argument(const char*) { StopCheck(); }
}  // namespace std

void* operator new(std::size_t size) {
  void* const block = std::malloc(size != 0 ? size : 1);
  if (block == nullptr) StopCheck();
  return block;
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
