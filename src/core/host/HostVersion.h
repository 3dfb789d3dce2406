#pragma once
// The host's version rule for BKA_SetStatus. Portable: no Windows headers.
#include <string_view>

// Orders two version texts as the host's own check does: bytes compared one by
// one as unsigned values, ASCII letters without regard to case, and a text
// that is the beginning of the other sorts first. Negative, zero or positive.
int CompareVersionText(std::string_view left, std::string_view right);

// True when a host that reports this version text must export BKA_SetStatus:
// every text longer than 7 bytes, and the shorter ones from "2.00.06" on.
bool HostRequiresSetStatus(std::string_view version);
