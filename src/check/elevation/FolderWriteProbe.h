#pragma once
// Whether this user may write in a folder, asked the only sure way: by
// making a file there (CREATE_NEW) that the system removes again as soon as
// it is closed. A folder under Program Files, where Becky! often lies,
// answers access denied to a user who is not running as administrator.
#include <windows.h>

#include <string>

enum class FolderWrite {
  Allowed,
  Denied,   // access denied: an administrator may be allowed
  Unknown,  // another error (no such folder, a read-only medium ...); see `error`
};

struct FolderWriteProbe {
  FolderWrite answer = FolderWrite::Unknown;
  DWORD error = 0;
};

FolderWriteProbe ProbeFolderWrite(const std::wstring& folder);
