#pragma once
#include <cstddef>

// Writes `count` bytes into a 16-byte buffer on its own stack frame and
// returns. Built with the DLL's stack protection, so a count past the
// buffer overwrites the frame's cookie.
void FillStackBuffer(std::size_t count);
