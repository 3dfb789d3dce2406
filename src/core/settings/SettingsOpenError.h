#pragma once
// The message of a settings file that is there but cannot be opened. Portable:
// the Windows side only gathers the full path and the system's text.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// Writes "Cannot open file "<full path>". <system text>" into `message`, cut
// short where it ends and always NUL-terminated (`message` must hold at least
// one byte). Trailing line ends and blanks of the system's text are dropped;
// with no text left, "System error <code>." stands in its place. Returns where
// the system's text (or its stand-in) starts, at most the message's length.
std::size_t FormatOpenError(std::string_view fullPath, std::string_view systemText, std::uint32_t errorCode,
                            std::span<char> message);
