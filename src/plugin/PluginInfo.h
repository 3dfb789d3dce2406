#pragma once
// The record the host hands to BKC_OnPlugInInfo: four NUL-terminated 8-bit
// texts at fixed offsets, 80 bytes apart, in the system code page.

inline constexpr int PluginInfoNameOffset = 0;
inline constexpr int PluginInfoVendorOffset = 80;
inline constexpr int PluginInfoVersionOffset = 160;
inline constexpr int PluginInfoDescriptionOffset = 240;
inline constexpr int PluginInfoFieldSize = 80;

// Writes the plug-in's name, vendor, version and description, each with its
// NUL, and touches no other byte of the record.
void FillPluginInfo(char* record);
