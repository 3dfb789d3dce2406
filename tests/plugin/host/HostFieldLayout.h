#pragma once
// The host interface's fields as the host's own documentation orders them,
// written out here independently of the binding's table so that a change of
// order, a missing field or a misspelt name shows up in the tests.
#include <windows.h>

#include <array>
#include <cstddef>
#include <cstring>
#include <string>

#include "BeckyAPI.h"

inline constexpr std::array<const char*, 55> ExpectedFieldOrder{
    "GetVersion", "Command", "GetWindowHandles", "RegisterCommand", "RegisterUICallback",
    "GetDataFolder", "GetTempFolder", "GetTempFileName", "GetCurrentMailBox", "SetCurrentMailBox",
    "GetCurrentFolder", "SetCurrentFolder", "GetFolderDisplayName", "SetMessageText", "GetCurrentMail",
    "SetCurrentMail", "GetNextMail", "SetSel", "AppendMessage", "MoveSelectedMessages",
    "GetStatus", "SetStatus", "ComposeMail", "GetCharSet", "GetSource",
    "SetSource", "GetHeader", "GetText", "SetText", "GetSpecifiedHeader",
    "SetSpecifiedHeader", "CompGetCharSet", "CompGetSource", "CompSetSource", "CompGetHeader",
    "CompGetSpecifiedHeader", "CompSetSpecifiedHeader", "CompGetText", "CompSetText", "CompAttachFile",
    "Alloc", "ReAlloc", "Free", "ISO_2022_JP", "ISO_2022_KR",
    "HZ_GB2312", "ISO_8859_2", "EUC_JP", "UTF_7", "UTF_8",
    "B64Convert", "QPConvert", "MIMEHeader", "SerializeRcpts", "Connect"};

// 55 entry addresses, then the module handle, and nothing else.
static_assert(sizeof(TBeckyAPI) == 56 * sizeof(void*));
static_assert(offsetof(TBeckyAPI, HostModule) == 55 * sizeof(void*));

inline std::size_t FieldIndex(const std::string& field) {
  for (std::size_t i = 0; i < ExpectedFieldOrder.size(); ++i) {
    if (field == ExpectedFieldOrder[i]) return i;
  }
  return ExpectedFieldOrder.size();
}

// The entry address held in field `index` (0-based), read by position.
inline void* FieldAt(const TBeckyAPI& api, std::size_t index) {
  void* entry;
  std::memcpy(&entry, reinterpret_cast<const char*>(&api) + index * sizeof(void*), sizeof entry);
  return entry;
}

inline void* FieldNamed(const TBeckyAPI& api, const std::string& field) { return FieldAt(api, FieldIndex(field)); }

// What this executable exports under "BKA_" + field, or null.
inline void* ExportedEntry(const std::string& field) {
  return reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(nullptr), ("BKA_" + field).c_str()));
}
