#pragma once
// How a settings value becomes a signed 32-bit integer. Portable: no Windows
// headers.
#include <cstdint>
#include <string_view>

// The integer that the whole of `text` denotes, or `fallback`; never a partly
// read value. Accepted, after blanks (byte 32 only) at the start:
//   an optional "+" or "-", directly followed by
//   a hexadecimal number: "$", "x", "X", "0x" or "0X", then digits 0-9 a-f A-F,
//     at most 8 significant ones, read as a 32-bit two's complement pattern
//     ("$FFFFFFFF" is -1) that "-" negates modulo 2^32; or
//   a decimal number: digits 0-9 (a leading zero does not mean octal), up to
//     2147483647, or 2147483648 after "-".
// Anything else (empty text, a sign or prefix without digits, a blank or any
// other character after the start) gives the fallback.
std::int32_t ParseSettingsInteger(std::string_view text, std::int32_t fallback);

// Takes a hexadecimal prefix ("$", "x", "X", "0x" or "0X") off the front of
// `text`; false, and `text` unchanged, when there is none.
bool TakeHexadecimalPrefix(std::string_view& text);
