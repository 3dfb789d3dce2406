// What the settings check says Tollimer reads, against what Tollimer.dll
// itself asks Windows for. For each folder, the real DLL is loaded from it
// by this stand-in host, its search for the settings file watched
// (FindFirstFileA, the first thing its reading asks), and BKC_OnStart
// called; then the real check reports on that DLL. The check's sentence
// about what Tollimer reads must name exactly what the DLL looked for: this
// file, another one, or none at all. CTest runs this program twice, in
// Wine's default code page and in Japanese Windows' (932).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CheckRun.h"
#include "ChildProcess.h"
#include "FolderTree.h"
#include "ImportHook.h"
#include "TempFolder.h"

namespace {

std::vector<std::string> Asked;  // by the DLL, in the system code page
using FindFirstFileAFunction = HANDLE(WINAPI*)(LPCSTR, LPWIN32_FIND_DATAA);
FindFirstFileAFunction RealFindFirstFile = nullptr;

HANDLE WINAPI WatchedFindFirstFile(LPCSTR path, LPWIN32_FIND_DATAA found) {
  Asked.emplace_back(path);
  return RealFindFirstFile(path, found);
}

std::wstring Narrowed(const std::string& ansi) { return Widen(ansi); }

enum class Reads { ThisFile, OtherFile, Nothing };

struct AgreeCase {
  const char* name;
  std::wstring folder;   // relative to the root
  std::wstring dllName;  // the DLL's file name there
  std::wstring twin;     // a folder whose settings file the DLL must not read ("": none)
  Reads reads;           // what the DLL does, which the check must say
};

void PrintTo(const AgreeCase& c, std::ostream* os) { *os << c.name; }

std::wstring Repeated(std::wstring_view part, std::size_t count) {
  std::wstring text;
  for (std::size_t i = 0; i < count; ++i) text += part;
  return text;
}

const AgreeCase Cases1252[] = {
    {"PlugInsFolder", L"PlugIns", L"Tollimer.dll", L"", Reads::ThisFile},
    {"DllUnderAnotherName", L"PlugIns", L"Tollimer-test.dll", L"", Reads::ThisFile},
    {"AccentedFolderTheCodePageHas", L"caf\u00E9\\PlugIns", L"Tollimer.dll", L"", Reads::ThisFile},
    {"HangulFolder", L"\uD55C\\PlugIns", L"Tollimer.dll", L"", Reads::Nothing},
};

const AgreeCase Cases932[] = {
    {"JapaneseFolder", L"\u8868\\PlugIns", L"Tollimer.dll", L"", Reads::ThisFile},
    {"JapanesePathTooLongForTheCodePage", Repeated(L"\u8868", 65) + L"\\" + Repeated(L"\u8868", 65) + L"\\PlugIns",
     L"Tollimer.dll", L"", Reads::Nothing},
    {"AccentedFolderBesideItsBestFitTwin", L"caf\u00E9\\PlugIns", L"Tollimer.dll", L"cafe\\PlugIns", Reads::Nothing},
    {"EmojiFolder", L"\U0001F4E7\\PlugIns", L"Tollimer.dll", L"", Reads::Nothing},
};

class CheckAgreesWithPlugin : public testing::TestWithParam<AgreeCase> {
 protected:
  TempFolder temp_{"agree"};
  FolderTree tree_{Widen(temp_.Path())};
};

TEST_P(CheckAgreesWithPlugin, OnWhatTollimerReads) {
  const AgreeCase& c = GetParam();
  const bool japanese = std::string_view(testing::UnitTest::GetInstance()->current_test_info()->test_suite_name())
                            .starts_with("CodePage932");
  ASSERT_EQ(GetACP(), japanese ? 932u : 1252u) << "run the CodePage932 rows with LANG=ja_JP.UTF-8, the others without";
  const std::wstring stem = c.dllName.substr(0, c.dllName.rfind(L'.'));
  tree_.Copy(c.folder + L"\\" + c.dllName, Widen(ProgramFolder() + "\\Tollimer.dll"));
  tree_.Write(c.folder + L"\\" + stem + L".ini", "[Env]\r\nInterbalMinute=3\r\n");
  if (!c.twin.empty()) tree_.Write(c.twin + L"\\" + stem + L".ini", "[Env]\r\nInterbalMinute=4\r\n");
  const std::wstring dll = tree_.PathOf(c.folder + L"\\" + c.dllName);
  const std::wstring settings = tree_.PathOf(c.folder + L"\\" + stem + L".ini");

  // The plug-in, as the host loads and starts it.
  const HMODULE module = LoadLibraryW(dll.c_str());
  ASSERT_NE(module, nullptr) << "error " << GetLastError();
  RealFindFirstFile = reinterpret_cast<FindFirstFileAFunction>(
      HookImport(module, "KERNEL32.dll", "FindFirstFileA", reinterpret_cast<void*>(&WatchedFindFirstFile)));
  ASSERT_NE(RealFindFirstFile, nullptr);
  Asked.clear();
  const auto start = reinterpret_cast<int(WINAPI*)()>(reinterpret_cast<void (*)()>(GetProcAddress(module, "BKC_OnStart")));
  const auto exit = reinterpret_cast<int(WINAPI*)()>(reinterpret_cast<void (*)()>(GetProcAddress(module, "BKC_OnExit")));
  start();
  exit();
  FreeLibrary(module);

  // The check, on that DLL.
  const ProgramRun run = RunProgram(Widen(ProgramFolder() + "\\TollimerCheck.exe"),
                                    L"TollimerCheck.exe --print --lang en " + dll, L"", true);
  const std::string dllName = Utf8(c.dllName);
  const bool saysThisFile = run.output.find(dllName + " is in the same folder and reads this file") != std::string::npos;
  const bool saysNothing = run.output.find("reads no settings file here") != std::string::npos;
  const std::size_t other = run.output.find(dllName + " is in the same folder, but it reads ");
  ASSERT_EQ(int{saysThisFile} + int{saysNothing} + int{other != std::string::npos}, 1)
      << "the report must say once what Tollimer reads:\n" << run.output;

  if (saysThisFile) {
    ASSERT_EQ(Asked.size(), 1u) << run.output;
    EXPECT_EQ(CompareStringOrdinal(Narrowed(Asked[0]).c_str(), -1, settings.c_str(), -1, TRUE), CSTR_EQUAL)
        << Asked[0] << "\n" << run.output;
  } else if (saysNothing) {
    EXPECT_TRUE(Asked.empty()) << "the DLL looked for " << Asked[0] << "\n" << run.output;
  } else {
    ASSERT_EQ(Asked.size(), 1u) << run.output;
    EXPECT_NE(run.output.find(Utf8(Narrowed(Asked[0])) + ", not this file"), std::string::npos)
        << Asked[0] << "\n" << run.output;
  }
  // The row's own knowledge of the DLL, so that every kind of answer is met.
  EXPECT_EQ(saysThisFile, c.reads == Reads::ThisFile) << run.output;
  EXPECT_EQ(saysNothing, c.reads == Reads::Nothing) << run.output;
}

INSTANTIATE_TEST_SUITE_P(CodePage1252, CheckAgreesWithPlugin, testing::ValuesIn(Cases1252),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(CodePage932, CheckAgreesWithPlugin, testing::ValuesIn(Cases932),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
