// LoadSettingsFile through the real file system, under Wine.
#include "SettingsLoad.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

#include "TempFolder.h"

namespace {

bool IsEmpty(const SettingsFile& file) {
  SettingsLine line;
  return !file.Lines().Next(line);
}

// A fresh folder per test, removed afterwards.
class SettingsLoadFromDisk : public testing::Test {
 protected:
  std::string Path() const { return folder_.PathOf("Tollimer.ini"); }
  void Write(std::string_view bytes) { folder_.Write("Tollimer.ini", bytes); }

  void SetLastWriteLocalTime(WORD year, WORD month, WORD day) {
    const SYSTEMTIME when{year, month, 0, day, 12, 0, 0, 0};
    FILETIME local;
    FILETIME utc;
    ASSERT_TRUE(SystemTimeToFileTime(&when, &local));
    ASSERT_TRUE(LocalFileTimeToFileTime(&local, &utc));
    const HANDLE file = CreateFileA(Path().c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &utc));
    CloseHandle(file);
  }

  TempFolder folder_{"settings"};
};

constexpr std::string_view EnvFile = "[Env]\r\nInterbalMinute=15\r\nConnectWaitMilliSecond=2500\r\n";

TEST_F(SettingsLoadFromDisk, NormalFile_ReadsBothValues) {
  Write(EnvFile);
  const SettingsLoad load = LoadSettingsFile(Path().c_str());
  EXPECT_FALSE(load.OpenFailed());
  EXPECT_STREQ(load.OpenErrorMessage(), "");
  EXPECT_EQ(load.Outcome(), SettingsLoadOutcome::Read);
  EXPECT_EQ(load.File().LookupInteger("Env", "InterbalMinute", 10), 15);
  EXPECT_EQ(load.File().LookupInteger("Env", "ConnectWaitMilliSecond", 1000), 2500);
}

TEST_F(SettingsLoadFromDisk, LargeFile_IsReadWholeInOneRead) {
  std::string bytes;
  for (int i = 0; bytes.size() < 3 * 1024 * 1024; ++i) bytes += "[Account" + std::to_string(i) + "]\r\nServer=imap.example.org\r\n";
  Write(bytes + std::string(EnvFile));
  const SettingsLoad load = LoadSettingsFile(Path().c_str());
  EXPECT_EQ(load.File().LookupInteger("Env", "InterbalMinute", 10), 15);
  EXPECT_EQ(load.File().LookupInteger("Env", "ConnectWaitMilliSecond", 1000), 2500);
}

TEST_F(SettingsLoadFromDisk, MovedLoad_KeepsTheContent) {
  Write(EnvFile);
  SettingsLoad load = LoadSettingsFile(Path().c_str());
  SettingsLoad moved = std::move(load);
  EXPECT_EQ(moved.File().LookupInteger("Env", "InterbalMinute", 10), 15);
  EXPECT_TRUE(IsEmpty(load.File()));  // NOLINT(bugprone-use-after-move): a moved-from load is empty
  load = std::move(moved);
  EXPECT_EQ(load.File().LookupInteger("Env", "ConnectWaitMilliSecond", 1000), 2500);
}

TEST_F(SettingsLoadFromDisk, NoFile_ReadsAsEmpty) {
  const SettingsLoad load = LoadSettingsFile(Path().c_str());
  EXPECT_EQ(load.Outcome(), SettingsLoadOutcome::NotFound);
  EXPECT_FALSE(load.OpenFailed());
  EXPECT_TRUE(IsEmpty(load.File()));
}

TEST_F(SettingsLoadFromDisk, EmptyPath_ReadsAsEmpty) {
  EXPECT_TRUE(IsEmpty(LoadSettingsFile("").File()));
  EXPECT_FALSE(LoadSettingsFile("").OpenFailed());
  EXPECT_TRUE(IsEmpty(LoadSettingsFile(nullptr).File()));
  EXPECT_EQ(LoadSettingsFile("").Outcome(), SettingsLoadOutcome::NoPath);
}

TEST_F(SettingsLoadFromDisk, DirectoryWithTheSettingsName_ReadsAsEmpty) {
  ASSERT_TRUE(CreateDirectoryA(Path().c_str(), nullptr));
  const SettingsLoad load = LoadSettingsFile(Path().c_str());
  EXPECT_EQ(load.Outcome(), SettingsLoadOutcome::Directory);
  EXPECT_FALSE(load.OpenFailed());
  EXPECT_TRUE(IsEmpty(load.File()));
}

TEST_F(SettingsLoadFromDisk, EmptyFile_ReadsAsEmpty) {
  Write("");
  const SettingsLoad load = LoadSettingsFile(Path().c_str());
  EXPECT_EQ(load.Outcome(), SettingsLoadOutcome::Empty);
  EXPECT_FALSE(load.OpenFailed());
  EXPECT_TRUE(IsEmpty(load.File()));
}

struct TimeCase {
  WORD year, month, day;
  bool read;
};

class SettingsLoadByLastWriteTime : public SettingsLoadFromDisk, public testing::WithParamInterface<TimeCase> {};

TEST_P(SettingsLoadByLastWriteTime, ReadsOnlyFilesWithAnMsDosTime) {
  Write(EnvFile);
  SetLastWriteLocalTime(GetParam().year, GetParam().month, GetParam().day);
  const SettingsLoad load = LoadSettingsFile(Path().c_str());
  EXPECT_FALSE(load.OpenFailed());
  EXPECT_EQ(load.Outcome(), GetParam().read ? SettingsLoadOutcome::Read : SettingsLoadOutcome::TimeOutOfRange);
  EXPECT_EQ(load.File().LookupInteger("Env", "InterbalMinute", 10), GetParam().read ? 15 : 10) << GetParam().year;
}

INSTANTIATE_TEST_SUITE_P(Years, SettingsLoadByLastWriteTime,
                         testing::Values(TimeCase{1979, 12, 31, false}, TimeCase{1980, 1, 1, true},
                                         TimeCase{2024, 6, 15, true}, TimeCase{2107, 12, 31, true},
                                         TimeCase{2108, 1, 1, false}),
                         [](const auto& info) { return "Year" + std::to_string(info.param.year); });

TEST_F(SettingsLoadFromDisk, FileHeldOpenForWriting_FailsNamingTheFullPath) {
  Write(EnvFile);
  const HANDLE writer = CreateFileA(Path().c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  // A relative path: the message must carry the full one.
  char previous[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryA(folder_.Path().c_str()));
  const SettingsLoad load = LoadSettingsFile("Tollimer.ini");
  SetCurrentDirectoryA(previous);
  CloseHandle(writer);

  EXPECT_TRUE(load.OpenFailed());
  EXPECT_EQ(load.Outcome(), SettingsLoadOutcome::OpenFailed);
  EXPECT_EQ(load.ErrorCode(), static_cast<std::uint32_t>(ERROR_SHARING_VIOLATION));
  EXPECT_TRUE(IsEmpty(load.File()));
  const std::string message = load.OpenErrorMessage();
  EXPECT_NE(message.find("\"" + Path() + "\""), std::string::npos) << message;
  char systemText[256] = {};
  ASSERT_GT(FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                           ERROR_SHARING_VIOLATION, 0, systemText, sizeof systemText, nullptr), 0u);
  const std::string firstLine = std::string(systemText).substr(0, std::string(systemText).find_first_of("\r\n"));
  EXPECT_NE(message.find(firstLine), std::string::npos) << message << " lacks \"" << firstLine << "\"";
  EXPECT_EQ(std::string(load.OpenErrorSystemText()).rfind(firstLine, 0), 0u) << load.OpenErrorSystemText();
}

TEST_F(SettingsLoadFromDisk, BytesAfterANul_AreKeptForTheCheckButNotRead) {
  Write(std::string_view("[Env]\r\n\0InterbalMinute=15\r\n", 25));
  const SettingsLoad load = LoadSettingsFile(Path().c_str());
  EXPECT_EQ(load.Bytes().size(), 25u);
  EXPECT_EQ(load.File().LookupInteger("Env", "InterbalMinute", 10), 10);
}

TEST_F(SettingsLoadFromDisk, FileOpenByAnotherReader_IsRead) {
  Write(EnvFile);
  const HANDLE reader = CreateFileA(Path().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  const SettingsLoad load = LoadSettingsFile(Path().c_str());
  CloseHandle(reader);
  EXPECT_FALSE(load.OpenFailed());
  EXPECT_EQ(load.File().LookupInteger("Env", "ConnectWaitMilliSecond", 1000), 2500);
}

}  // namespace

namespace {

// The settings check's readings: with a limit, and by a wide path of any
// length and any characters.
class SettingsLoadForTheCheck : public SettingsLoadFromDisk {};

TEST_F(SettingsLoadForTheCheck, FileOverTheLimit_IsTooLargeAndNotRead) {
  Write(EnvFile);
  const SettingsLoad load = LoadSettingsFile(Path().c_str(), EnvFile.size() - 1);
  EXPECT_EQ(load.Outcome(), SettingsLoadOutcome::TooLarge);
  EXPECT_EQ(load.FileSize(), EnvFile.size());
  EXPECT_TRUE(load.Bytes().empty());
  EXPECT_EQ(LoadSettingsFile(Path().c_str(), EnvFile.size()).Outcome(), SettingsLoadOutcome::Read);
}

TEST_F(SettingsLoadForTheCheck, WidePath_ReadsNamesNoCodePageHolds) {
  // A Hangul folder in a path of over 300 characters.
  wchar_t temp[MAX_PATH] = {};
  MultiByteToWideChar(CP_ACP, 0, folder_.Path().c_str(), -1, temp, MAX_PATH);
  std::wstring folder = L"\\\\?\\" + std::wstring(temp);
  for (const std::wstring_view part : {L"\uD55C\uAE00", L"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa",
                                       L"bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
                                       L"cccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccc"}) {
    folder += L"\\" + std::wstring(part);
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr)) << GetLastError();
  }
  const std::wstring path = folder + L"\\Tollimer.ini";
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, EnvFile.data(), static_cast<DWORD>(EnvFile.size()), &written, nullptr);
  CloseHandle(file);
  const SettingsLoad load = LoadSettingsFile(path.c_str(), 1u << 20);
  EXPECT_EQ(load.Outcome(), SettingsLoadOutcome::Read);
  EXPECT_EQ(load.File().LookupInteger("Env", "InterbalMinute", 10), 15);
}

}  // namespace
