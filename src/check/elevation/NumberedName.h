#pragma once
// A file name of this process's own: "<stem><process>-<attempt><extension>".
// Written without the C runtime's formatting, which would add its whole
// printf to the check for two numbers. Portable.
#include <cstdint>
#include <string>
#include <string_view>

std::wstring NumberedName(std::wstring_view stem, std::uint32_t process, unsigned attempt,
                          std::wstring_view extension);
