#pragma once
// How near a name written in the file is to a key: the near miss the report
// names, and the slip the correction renames. Letters are compared without
// case; bytes outside ASCII are compared as they are. Portable.
#include <cstddef>
#include <string_view>

// Letters changed, added, dropped or swapped with a neighbour, each counting
// one (optimal string alignment). Names longer than MostSlipLetters letters are
// FarSlips away from every other name.
inline constexpr std::size_t MostSlipLetters = 48;
inline constexpr std::size_t FarSlips = 1000;
std::size_t Slips(std::string_view written, std::string_view key);

// Whether `written` looks meant as `key` without being it: at least
// NearMissLetters letters long, and at most NearMissSlips slips from it or
// sharing its first NearMissPrefix letters ("IntervalMinute",
// "ConnectWaitMs"; not "Server" or "Timeout").
inline constexpr std::size_t NearMissLetters = 6;
inline constexpr std::size_t NearMissSlips = 3;
inline constexpr std::size_t NearMissPrefix = 8;
bool LooksLikeKey(std::string_view written, std::string_view key);
