// TollimerCheck.exe against the folders users really have: links, paths of
// any length, names the system code page lacks, network paths, and command
// lines as scripts write them. Each row lays out a folder tree, runs the real
// program as a child process (from where the row puts it, in the folder the
// row says), and compares the exit status, the report's key sentence, and
// the bytes of every file in the tree afterwards. (A program whose own path
// is longer than MAX_PATH cannot be started through Wine's CreateProcess,
// only by its launcher: check-long-path.sh has that case.) CTest runs this program
// twice: in Wine's default code page (the CodePage1252 rows) and as on
// Japanese Windows (the CodePage932 rows, with LANG=ja_JP.UTF-8).
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "CheckRun.h"
#include "ChildProcess.h"
#include "FolderTree.h"
#include "MachineSpeed.h"
#include "TempFolder.h"

namespace {

using Files = std::map<std::wstring, std::string>;

constexpr char Broken[] = "[Env]\r\nIntervalMinute=15 min\r\nConnectWaitMilliSecond=1,500\r\n";
constexpr char Corrected[] = "[Env]\r\nInterbalMinute=15\r\nConnectWaitMilliSecond=1500\r\n";
constexpr char Good[] = "[Env]\r\nInterbalMinute=2\r\nConnectWaitMilliSecond=1500\r\n";
// The DLL's bytes do not matter to the check: that it is there does.
constexpr char Dll[] = "MZ";
// What the snapshot holds for a copy of the program itself.
constexpr char Program[] = "<TollimerCheck.exe>";

struct CheckCase {
  const char* name;
  std::function<void(const FolderTree&)> layout;
  std::wstring program;         // where the row puts TollimerCheck.exe; "": beside this test
  std::wstring arguments;       // "{root}" stands for the tree's root
  std::wstring workingFolder;   // relative to the root
  DWORD exitCode;
  std::string says;             // UTF-8; "{root}" as above
  bool onStandardError;         // where it says so
  Files after;                  // every file of the tree afterwards
};

void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }

std::wstring Replaced(std::wstring text, std::wstring_view root) {
  for (std::size_t at = text.find(L"{root}"); at != std::wstring::npos; at = text.find(L"{root}", at + root.size())) {
    text.replace(at, 6, root);
  }
  return text;
}

std::string Replaced(std::string text, const std::string& root) {
  for (std::size_t at = text.find("{root}"); at != std::string::npos; at = text.find("{root}", at + root.size())) {
    text.replace(at, 6, root);
  }
  return text;
}

// A folder of `count` copies of `part`.
std::wstring Repeated(std::wstring_view part, std::size_t count) {
  std::wstring text;
  for (std::size_t i = 0; i < count; ++i) text += part;
  return text;
}

// A plug-ins folder as a user has it: the program, the DLL and a settings file.
std::function<void(const FolderTree&)> PlugIns(std::wstring folder, std::string settings) {
  return [folder = std::move(folder), settings = std::move(settings)](const FolderTree& tree) {
    tree.Write(folder + L"\\Tollimer.dll", Dll);
    tree.Write(folder + L"\\Tollimer.ini", settings);
  };
}

// 130 characters of two bytes each in code page 932: short enough for the
// wide functions, too long for GetModuleFileNameA. (Two folders: Linux
// takes names of at most 255 bytes, and each of these is 3 in UTF-8.)
const std::wstring LongInShiftJis = Repeated(L"\u8868", 65) + L"\\" + Repeated(L"\u8868", 65) + L"\\PlugIns";

const CheckCase Cases1252[] = {
    {"LinkedFileIsNeitherMovedNorReplaced",
     [](const FolderTree& tree) {
       tree.Write(L"PlugIns\\Tollimer.dll", Dll);
       tree.Write(L"shared\\real.ini", Broken);
       tree.Link(L"PlugIns\\Tollimer.ini", L"shared\\real.ini");
     },
     L"", L"--print --lang en --fix {root}\\PlugIns\\Tollimer.ini", L"", 3,
     "it is a link to {root}\\shared\\real.ini, and TollimerCheck never replaces a link", false,
     {{L"PlugIns\\Tollimer.dll", Dll}, {L"PlugIns\\Tollimer.ini", "-> shared\\real.ini"}, {L"shared\\real.ini", Broken}}},
    {"ChainOfLinksKeepsEveryLink",
     [](const FolderTree& tree) {
       tree.Write(L"PlugIns\\Tollimer.dll", Dll);
       tree.Write(L"shared\\real.ini", Broken);
       tree.Link(L"middle\\link.ini", L"shared\\real.ini");
       tree.Link(L"PlugIns\\Tollimer.ini", L"middle\\link.ini");
     },
     L"", L"--print --lang en --fix {root}\\PlugIns\\Tollimer.ini", L"", 3, "is a link to {root}\\shared\\real.ini",
     false,
     {{L"PlugIns\\Tollimer.dll", Dll}, {L"PlugIns\\Tollimer.ini", "-> shared\\real.ini"},
      {L"middle\\link.ini", "-> shared\\real.ini"}, {L"shared\\real.ini", Broken}}},
    {"HangulFolderIsNoMissingFile", PlugIns(L"\uD55C\\PlugIns", Good), L"\uD55C\\PlugIns\\TollimerCheck.exe",
     L"--print --lang en", L"", 1,
     "File: {root}\\\xED\x95\x9C\\PlugIns\\Tollimer.ini\nTollimer.dll is in the same folder, but Tollimer reads no "
     "settings file here and runs with its defaults: the path of Tollimer.dll holds characters that the system's "
     "code page lacks (\xED\x95\x9C)",
     false,
     {{L"\uD55C\\PlugIns\\Tollimer.dll", Dll}, {L"\uD55C\\PlugIns\\Tollimer.ini", Good},
      {L"\uD55C\\PlugIns\\TollimerCheck.exe", Program}}},
    {"UnknownOptionBeforePrintGoesToStandardError", PlugIns(L"PlugIns", Good), L"",
     L"--bogus --print {root}\\PlugIns\\Tollimer.ini", L"", 2, "TollimerCheck: unknown option --bogus", true,
     {{L"PlugIns\\Tollimer.dll", Dll}, {L"PlugIns\\Tollimer.ini", Good}}},
    {"LanguageInCapitals", PlugIns(L"PlugIns", Good), L"", L"--lang EN --print {root}\\PlugIns\\Tollimer.ini", L"", 0,
     "All is well", false, {{L"PlugIns\\Tollimer.dll", Dll}, {L"PlugIns\\Tollimer.ini", Good}}},
    {"EmptyFileArgumentCorrectsNothing", PlugIns(L"PlugIns", Broken), L"PlugIns\\TollimerCheck.exe",
     L"--print --lang en --fix \"\"", L"PlugIns", 2, "TollimerCheck: the file name is empty", true,
     {{L"PlugIns\\Tollimer.dll", Dll}, {L"PlugIns\\Tollimer.ini", Broken}, {L"PlugIns\\TollimerCheck.exe", Program}}},
    {"FolderGivenWithItsBackslash", PlugIns(L"PlugIns", Good), L"", L"--print --lang en {root}\\PlugIns\\", L"", 0,
     "File: {root}\\PlugIns\\Tollimer.ini\nTollimer.dll is in the same folder and reads this file", false,
     {{L"PlugIns\\Tollimer.dll", Dll}, {L"PlugIns\\Tollimer.ini", Good}}},
    // "...\" in quotes: Windows' own rules make the backslash escape the quote.
    {"QuotedFolderWithItsBackslash", PlugIns(L"PlugIns", Good), L"", L"--print --lang en \"{root}\\PlugIns\\\"", L"",
     0, "File: {root}\\PlugIns\\Tollimer.ini\nTollimer.dll is in the same folder and reads this file", false,
     {{L"PlugIns\\Tollimer.dll", Dll}, {L"PlugIns\\Tollimer.ini", Good}}},
    {"MissingFolder", nullptr, L"", L"--print --lang en {root}\\nowhere\\Tollimer.ini", L"", 1,
     "The file's folder cannot be found or reached: ", false, {}},
    {"UnreachableNetworkPath", nullptr, L"", L"--print --lang en \\\\nosuchserver\\share\\Tollimer.ini", L"", 1,
     "The file's folder cannot be found or reached: ", false, {}},
    // Becky! loads plug-ins from its PlugIns folder alone.
    {"FolderThatIsNoPlugInsFolder", PlugIns(L"check", Good), L"", L"--print --lang en {root}\\check\\Tollimer.ini", L"", 1,
     "Becky! does not read this file: it loads plug-ins only from its PlugIns folder", false,
     {{L"check\\Tollimer.dll", Dll}, {L"check\\Tollimer.ini", Good}}},
    {"UnpackedPackage",
     [](const FolderTree& tree) {
       PlugIns(L"Tollimer-1.0-win32", Good)(tree);
       tree.Write(L"Tollimer-1.0-win32\\ReadMe-ja.txt", "read me");
     },
     L"Tollimer-1.0-win32\\TollimerCheck.exe", L"--print --lang en", L"", 1,
     "This is the unpacked package, not Becky!'s PlugIns folder, so Becky! does not read this file.", false,
     {{L"Tollimer-1.0-win32\\ReadMe-ja.txt", "read me"}, {L"Tollimer-1.0-win32\\Tollimer.dll", Dll},
      {L"Tollimer-1.0-win32\\Tollimer.ini", Good}, {L"Tollimer-1.0-win32\\TollimerCheck.exe", Program}}},
    // Saved by Notepad with extensions hidden: Explorer shows it as Tollimer.ini.
    {"NotepadsTxtFileIsRenamed",
     [](const FolderTree& tree) {
       tree.Write(L"PlugIns\\Tollimer.dll", Dll);
       tree.Write(L"PlugIns\\Tollimer.ini.txt", Good);
     },
     L"", L"--print --lang en --fix {root}\\PlugIns\\Tollimer.ini", L"", 0,
     "\"Tollimer.ini.txt\" is renamed Tollimer.ini.", false,
     {{L"PlugIns\\Tollimer.dll", Dll}, {L"PlugIns\\Tollimer.ini", Good}}},
    {"FullWidthNameIsRenamed",
     [](const FolderTree& tree) {
       tree.Write(L"PlugIns\\Tollimer.dll", Dll);
       tree.Write(L"PlugIns\\\uFF34\uFF4F\uFF4C\uFF4C\uFF49\uFF4D\uFF45\uFF52.ini", Good);
     },
     L"", L"--print --lang en --fix {root}\\PlugIns\\Tollimer.ini", L"", 0, "All is well now", false,
     {{L"PlugIns\\Tollimer.dll", Dll}, {L"PlugIns\\Tollimer.ini", Good}}},
    {"TwoLookAlikesAreNamedNotRenamed",
     [](const FolderTree& tree) {
       tree.Write(L"PlugIns\\Tollimer.dll", Dll);
       tree.Write(L"PlugIns\\Tollimer.ini.txt", Good);
       tree.Write(L"PlugIns\\Tollimer.ini.ini", Broken);
     },
     L"", L"--print --lang en --fix {root}\\PlugIns\\Tollimer.ini", L"", 1,
     "But there are \"Tollimer.ini.ini\", \"Tollimer.ini.txt\", which a user may take for Tollimer.ini.", false,
     {{L"PlugIns\\Tollimer.dll", Dll}, {L"PlugIns\\Tollimer.ini.ini", Broken}, {L"PlugIns\\Tollimer.ini.txt", Good}}},
    // After a correction the last sentence fits what happened.
    {"CorrectedFileEndsWithRestart", PlugIns(L"PlugIns", Broken), L"", L"--print --lang en --fix {root}\\PlugIns\\Tollimer.ini",
     L"", 0,
     "All is well now: both values come from the corrected file. Becky! reads it at its next start; restart Becky! to "
     "have it read now.\n",
     false, {{L"PlugIns\\Tollimer.dll", Dll}, {L"PlugIns\\Tollimer.ini", Corrected}, {L"PlugIns\\Tollimer.ini.bak", Broken}}},
    {"NoArgumentChecksTheDllBesideTheProgram", PlugIns(L"PlugIns", Good), L"PlugIns\\TollimerCheck.exe",
     L"--print --lang en", L"", 0, "File: {root}\\PlugIns\\Tollimer.ini\nTollimer.dll is in the same folder", false,
     {{L"PlugIns\\Tollimer.dll", Dll}, {L"PlugIns\\Tollimer.ini", Good}, {L"PlugIns\\TollimerCheck.exe", Program}}},
};

const CheckCase Cases932[] = {
    {"JapanesePathTooLongForTheCodePage", PlugIns(LongInShiftJis, Good), LongInShiftJis + L"\\TollimerCheck.exe",
     L"--print --lang en", L"", 1,
     "Tollimer.dll is in the same folder, but Tollimer reads no settings file here and runs with its defaults: the "
     "full path of Tollimer.dll takes",
     false,
     {{LongInShiftJis + L"\\Tollimer.dll", Dll}, {LongInShiftJis + L"\\Tollimer.ini", Good},
      {LongInShiftJis + L"\\TollimerCheck.exe", Program}}},
    {"EmojiFolder", PlugIns(L"\U0001F4E7\\PlugIns", Good), L"\U0001F4E7\\PlugIns\\TollimerCheck.exe",
     L"--print --lang en", L"", 1, "holds characters that the system's code page lacks (\xF0\x9F\x93\xA7)", false,
     {{L"\U0001F4E7\\PlugIns\\Tollimer.dll", Dll}, {L"\U0001F4E7\\PlugIns\\Tollimer.ini", Good},
      {L"\U0001F4E7\\PlugIns\\TollimerCheck.exe", Program}}},
    // Best fit makes "cafe" of "café": the other folder's file stays as it is.
    {"AccentedFolderBesideItsBestFitTwin",
     [](const FolderTree& tree) {
       PlugIns(L"caf\u00E9\\PlugIns", Broken)(tree);
       tree.Write(L"cafe\\PlugIns\\Tollimer.ini", Broken);
     },
     L"caf\u00E9\\PlugIns\\TollimerCheck.exe", L"--print --lang en --fix", L"", 1,
     "holds characters that the system's code page lacks (\xC3\xA9)", false,
     {{L"caf\u00E9\\PlugIns\\Tollimer.dll", Dll}, {L"caf\u00E9\\PlugIns\\Tollimer.ini", Corrected},
      {L"caf\u00E9\\PlugIns\\Tollimer.ini.bak", Broken}, {L"caf\u00E9\\PlugIns\\TollimerCheck.exe", Program},
      {L"cafe\\PlugIns\\Tollimer.ini", Broken}}},
    // A trail byte 0x5C ("表" is 95 5C) is no backslash.
    {"DllNamedWithATrailByteOfBackslash",
     [](const FolderTree& tree) {
       tree.Write(L"PlugIns\\\u8868.dll", Dll);
       tree.Write(L"PlugIns\\\u8868.ini", Good);
     },
     L"", L"--print --lang en {root}\\PlugIns\\\u8868.ini", L"", 0,
     "\xE8\xA1\xA8.dll is in the same folder and reads this file", false,
     {{L"PlugIns\\\u8868.dll", Dll}, {L"PlugIns\\\u8868.ini", Good}}},
};

class CheckCases : public testing::TestWithParam<CheckCase> {
 protected:
  TempFolder temp_{"cases"};
  FolderTree tree_{Widen(temp_.Path())};
};

TEST_P(CheckCases, SaysWhatTheRowSaysAndLeavesTheTreeAsItSays) {
  const CheckCase& c = GetParam();
  const UINT expectedCodePage = std::string_view(testing::UnitTest::GetInstance()->current_test_info()->test_suite_name())
                                        .starts_with("CodePage932")
                                    ? 932
                                    : 1252;
  ASSERT_EQ(GetACP(), expectedCodePage) << "run the CodePage932 rows with LANG=ja_JP.UTF-8, the others without";
  if (c.layout) c.layout(tree_);
  const std::wstring built = Widen(ProgramFolder() + "\\TollimerCheck.exe");
  std::wstring program = built;
  if (!c.program.empty()) {
    tree_.Copy(c.program, built);
    program = tree_.PathOf(c.program);
  }
  const std::wstring root = tree_.PathOf(L"");
  const std::wstring folder = c.workingFolder.empty() ? root : tree_.PathOf(c.workingFolder);
  const ProgramRun run =
      RunProgram(program, L"TollimerCheck.exe " + Replaced(c.arguments, root), folder, true);
  ASSERT_TRUE(run.started) << "error " << run.startError;
  const std::string says = Replaced(c.says, Utf8(root));
  EXPECT_EQ(run.exitCode, c.exitCode) << run.output << run.errors;
  EXPECT_NE((c.onStandardError ? run.errors : run.output).find(says), std::string::npos)
      << "lacks: " << says << "\n--- output:\n" << run.output << "--- errors:\n" << run.errors;
  if (c.onStandardError) {
    EXPECT_EQ(run.output, "");
  }
  Files after = tree_.Snapshot();
  for (auto& [path, bytes] : after) {
    if (path.ends_with(L"TollimerCheck.exe")) bytes = Program;
  }
  EXPECT_EQ(after, c.after);
}

INSTANTIATE_TEST_SUITE_P(CodePage1252, CheckCases, testing::ValuesIn(Cases1252),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(CodePage932, CheckCases, testing::ValuesIn(Cases932),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

namespace {

// Starts the program without waiting; the caller waits for the handle.
HANDLE StartCheck(const std::wstring& arguments) {
  const std::wstring program = Widen(ProgramFolder() + "\\TollimerCheck.exe");
  std::wstring commandLine = L"TollimerCheck.exe " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                      &startup, &process)) {
    return nullptr;
  }
  CloseHandle(process.hThread);
  return process.hProcess;
}

// Two corrections of one file at once, as from two scripts: whichever comes
// second finds the file held (held to be renamed, it cannot even read it:
// status 1, or 3 once it has read it) or already corrected (0); one backup
// holds the original, and nothing else is written.
TEST(CheckAtOnce, TwoCorrectionsLoseNothingAndKeepOneBackup) {
  TempFolder temp("at-once");
  const FolderTree tree(Widen(temp.Path()));
  tree.Write(L"PlugIns\\Tollimer.dll", Dll);
  tree.Write(L"PlugIns\\Tollimer.ini", Broken);
  const std::wstring arguments = L"--print --lang en --fix " + tree.PathOf(L"PlugIns\\Tollimer.ini");
  const HANDLE first = StartCheck(arguments);
  const HANDLE second = StartCheck(arguments);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  const HANDLE both[] = {first, second};
  ASSERT_EQ(WaitForMultipleObjects(2, both, TRUE, ScaledMs(60'000)), WAIT_OBJECT_0);
  DWORD statuses[2] = {};
  GetExitCodeProcess(first, &statuses[0]);
  GetExitCodeProcess(second, &statuses[1]);
  CloseHandle(first);
  CloseHandle(second);
  for (const DWORD status : statuses) EXPECT_TRUE(status <= 1 || status == 3) << status;
  EXPECT_TRUE(statuses[0] == 0 || statuses[1] == 0);
  EXPECT_EQ(tree.Snapshot(), (Files{{L"PlugIns\\Tollimer.dll", Dll},
                                    {L"PlugIns\\Tollimer.ini", Corrected},
                                    {L"PlugIns\\Tollimer.ini.bak", Broken}}));
}

// A file far larger than the check examines: a clear report of the values
// the plug-in finds in it, read through a view of the file, and no crash.
TEST(CheckLargeFile, ReportsTheValuesAndCorrectsNothing) {
  TempFolder temp("large");
  const FolderTree tree(Widen(temp.Path()));
  tree.Write(L"PlugIns\\Tollimer.dll", Dll);
  const std::string start = "[Env]\r\nInterbalMinute=5\r\nConnectWaitMilliSecond=1,500\r\n";
  tree.Write(L"PlugIns\\Tollimer.ini", start);
  // 500 MiB, the rest of it NUL bytes (a sparse file: quick to make).
  const std::wstring path = tree.PathOf(L"PlugIns\\Tollimer.ini");
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  LARGE_INTEGER size;
  size.QuadPart = 500LL * 1024 * 1024;
  EXPECT_TRUE(SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && SetEndOfFile(file));
  CloseHandle(file);
  const ProgramRun run = RunProgram(Widen(ProgramFolder() + "\\TollimerCheck.exe"),
                                    L"TollimerCheck.exe --print --lang en --fix " + path, L"", true);
  EXPECT_EQ(run.exitCode, 1u) << run.output << run.errors;
  EXPECT_NE(run.output.find("The file is 524288000 bytes long. TollimerCheck examines files of up to 16777216 bytes"),
            std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("InterbalMinute = 5 (from the file)"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("ConnectWaitMilliSecond = 1000 (default)"), std::string::npos) << run.output;
  std::string head(start.size(), '\0');
  DWORD read = 0;
  const HANDLE after = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ReadFile(after, head.data(), static_cast<DWORD>(head.size()), &read, nullptr);
  CloseHandle(after);
  EXPECT_EQ(head, start);
  WIN32_FILE_ATTRIBUTE_DATA data;
  ASSERT_TRUE(GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data));
  EXPECT_EQ(data.nFileSizeLow, static_cast<DWORD>(size.QuadPart));
  EXPECT_FALSE(tree.Read(L"PlugIns\\Tollimer.ini.bak"));
}

}  // namespace
