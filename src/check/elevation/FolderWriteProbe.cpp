#include "FolderWriteProbe.h"

#include "NumberedName.h"
#include "Paths.h"

FolderWriteProbe ProbeFolderWrite(const std::wstring& folder) {
  // A name no one else uses; taken after all, the next one.
  const std::wstring stem = JoinPath(folder, L"~TollimerCheck-probe-");
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    const std::wstring name = NumberedName(stem, GetCurrentProcessId(), attempt, L".tmp");
    const HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE,
                                    nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      CloseHandle(file);
      return {FolderWrite::Allowed, 0};
    }
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
    return {error == ERROR_ACCESS_DENIED ? FolderWrite::Denied : FolderWrite::Unknown, error};
  }
  return {FolderWrite::Unknown, ERROR_FILE_EXISTS};
}
