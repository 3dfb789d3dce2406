// The settings check's writer, in this process, against the real file
// system: what it writes, and that no byte is lost or moved between folders
// whatever another program does between its steps (the watch lets the test
// act there, as that program would).
#include "SettingsRewrite.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "FolderTree.h"
#include "TempFolder.h"

namespace {

constexpr char Original[] = "[Env]\r\nIntervalMinute=15 min\r\n";
constexpr char Corrected[] = "[Env]\r\nInterbalMinute=15\r\n";
constexpr char Foreign[] = "another program's file";

using Files = std::map<std::wstring, std::string>;

struct WriteCase {
  const char* name;
  std::function<void(const FolderTree&)> layout;  // besides PlugIns\Tollimer.ini holding Original
  std::function<void(RewriteStep, const FolderTree&)> meanwhile;  // what another program does between the steps
  RewriteFailure failure;
  Files after;  // every file under the root afterwards
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }

class SettingsRewrite : public testing::TestWithParam<WriteCase> {
 protected:
  TempFolder temp_{"rewrite"};
  FolderTree tree_{Widen(temp_.Path())};
};

// Another program's open of the held file for writing, deleting or renaming:
// each must be refused while the writer holds it; a reader that shares
// reading alone, as the plug-in does at Becky!'s start, still reads it.
void TryToChange(const FolderTree& tree) {
  const std::wstring path = tree.PathOf(L"PlugIns\\Tollimer.ini");
  const HANDLE writer = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_EQ(writer, INVALID_HANDLE_VALUE) << "another program could open the file for writing";
  if (writer != INVALID_HANDLE_VALUE) CloseHandle(writer);
  EXPECT_FALSE(DeleteFileW(path.c_str())) << "another program could delete the file";
  EXPECT_FALSE(MoveFileW(path.c_str(), tree.PathOf(L"PlugIns\\moved.ini").c_str())) << "it could rename it";
  const HANDLE reader = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_NE(reader, INVALID_HANDLE_VALUE) << "a reader was kept out, error " << GetLastError();
  if (reader != INVALID_HANDLE_VALUE) CloseHandle(reader);
}

const WriteCase Cases[] = {
    {"Plain", nullptr, nullptr, RewriteFailure::None,
     {{L"PlugIns\\Tollimer.ini", Corrected}, {L"PlugIns\\Tollimer.ini.bak", Original}}},
    {"HeldAgainstOtherWriters", nullptr,
     [](RewriteStep step, const FolderTree& tree) {
       if (step == RewriteStep::Held) TryToChange(tree);
     },
     RewriteFailure::None, {{L"PlugIns\\Tollimer.ini", Corrected}, {L"PlugIns\\Tollimer.ini.bak", Original}}},
    // Two corrections at once: the other one's backup appears after this one chose nothing yet.
    {"BackupNameTakenMeanwhile", [](const FolderTree& tree) { tree.Write(L"PlugIns\\Tollimer.ini.2.bak", "older"); },
     [](RewriteStep step, const FolderTree& tree) {
       if (step == RewriteStep::BeforeBackup) tree.Write(L"PlugIns\\Tollimer.ini.bak", Foreign);
     },
     RewriteFailure::None,
     {{L"PlugIns\\Tollimer.ini", Corrected}, {L"PlugIns\\Tollimer.ini.bak", Foreign},
      {L"PlugIns\\Tollimer.ini.2.bak", "older"}, {L"PlugIns\\Tollimer.ini.3.bak", Original}}},
    // A file that takes the name while the original bears its backup's:
    // nothing is lost, and the report can name where each is.
    {"NameTakenMeanwhile", nullptr,
     [](RewriteStep step, const FolderTree& tree) {
       if (step == RewriteStep::BeforePutInPlace) tree.Write(L"PlugIns\\Tollimer.ini", Foreign);
     },
     RewriteFailure::OriginalUnderBackup,
     {{L"PlugIns\\Tollimer.ini", Foreign}, {L"PlugIns\\Tollimer.ini.bak", Original},
      {L"PlugIns\\Tollimer.ini.new", Corrected}}},
    {"ChangedSinceTheCheck", [](const FolderTree& tree) { tree.Write(L"PlugIns\\Tollimer.ini", "[Env]\r\n"); }, nullptr,
     RewriteFailure::ChangedSinceCheck, {{L"PlugIns\\Tollimer.ini", "[Env]\r\n"}}},
    {"SymbolicLink",
     [](const FolderTree& tree) {
       tree.Write(L"shared\\real.ini", Original);
       DeleteFileW(tree.PathOf(L"PlugIns\\Tollimer.ini").c_str());
       tree.Link(L"PlugIns\\Tollimer.ini", L"shared\\real.ini");
     },
     nullptr, RewriteFailure::IsLink,
     {{L"PlugIns\\Tollimer.ini", "-> shared\\real.ini"}, {L"shared\\real.ini", Original}}},
    {"HardLink", [](const FolderTree& tree) { tree.HardLink(L"other.ini", L"PlugIns\\Tollimer.ini"); }, nullptr,
     RewriteFailure::HardLinks, {{L"PlugIns\\Tollimer.ini", Original}, {L"other.ini", Original}}},
    {"DeletedSinceTheCheck", [](const FolderTree& tree) { DeleteFileW(tree.PathOf(L"PlugIns\\Tollimer.ini").c_str()); },
     nullptr, RewriteFailure::Gone, {}},
    {"FolderSinceTheCheck",
     [](const FolderTree& tree) {
       DeleteFileW(tree.PathOf(L"PlugIns\\Tollimer.ini").c_str());
       tree.Folder(L"PlugIns\\Tollimer.ini");
     },
     nullptr, RewriteFailure::BecameFolder, {}},
    {"ReadOnly",
     [](const FolderTree& tree) {
       SetFileAttributesW(tree.PathOf(L"PlugIns\\Tollimer.ini").c_str(), FILE_ATTRIBUTE_READONLY);
     },
     nullptr, RewriteFailure::ReadOnly, {{L"PlugIns\\Tollimer.ini", Original}}},
};

TEST_P(SettingsRewrite, LosesAndMovesNothing) {
  const WriteCase& c = GetParam();
  tree_.Write(L"PlugIns\\Tollimer.ini", Original);
  if (c.layout) c.layout(tree_);
  struct Watch {
    const WriteCase* c;
    const FolderTree* tree;
  } watch{&c, &tree_};
  const RewriteOutcome outcome = RewriteSettingsFile(
      tree_.PathOf(L"PlugIns\\Tollimer.ini"), Original, Corrected,
      [](RewriteStep step, void* context) {
        const auto& w = *static_cast<Watch*>(context);
        if (w.c->meanwhile) w.c->meanwhile(step, *w.tree);
      },
      &watch);
  SetFileAttributesW(tree_.PathOf(L"PlugIns\\Tollimer.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(outcome.failure, c.failure) << outcome.errorText;
  EXPECT_EQ(tree_.Snapshot(), c.after);
  if (c.failure == RewriteFailure::None || c.failure == RewriteFailure::OriginalUnderBackup) {
    EXPECT_TRUE(outcome.backupPath.starts_with(Utf8(tree_.PathOf(L"PlugIns\\Tollimer.ini.")))) << outcome.backupPath;
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsRewrite, testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsRewriteLinks, TheLinksTargetIsNamed) {
  TempFolder temp("rewrite-link");
  const FolderTree tree(Widen(temp.Path()));
  tree.Write(L"shared\\real.ini", Original);
  tree.Write(L"middle\\placeholder", "");
  tree.Link(L"middle\\link.ini", L"shared\\real.ini");
  tree.Link(L"PlugIns\\Tollimer.ini", L"middle\\link.ini");
  const RewriteOutcome outcome = RewriteSettingsFile(tree.PathOf(L"PlugIns\\Tollimer.ini"), Original, Corrected);
  EXPECT_EQ(outcome.failure, RewriteFailure::IsLink);
  EXPECT_TRUE(outcome.linkTarget.ends_with("\\shared\\real.ini")) << outcome.linkTarget;
  // Every link of the chain still leads where it did.
  EXPECT_EQ(tree.Snapshot(), (Files{{L"PlugIns\\Tollimer.ini", "-> shared\\real.ini"},
                                    {L"middle\\link.ini", "-> shared\\real.ini"},
                                    {L"middle\\placeholder", ""},
                                    {L"shared\\real.ini", Original}}));
}

TEST(SettingsRewriteHeldOpen, AnotherProgramsHandleRefusesTheWrite) {
  TempFolder temp("rewrite-open");
  const FolderTree tree(Widen(temp.Path()));
  tree.Write(L"Tollimer.ini", Original);
  for (const DWORD access : {DWORD{GENERIC_READ}, DWORD{GENERIC_WRITE}}) {
    // An editor that keeps the file open, reading or writing, sharing reading only.
    const HANDLE editor = CreateFileW(tree.PathOf(L"Tollimer.ini").c_str(), access, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(editor, INVALID_HANDLE_VALUE);
    const RewriteOutcome outcome = RewriteSettingsFile(tree.PathOf(L"Tollimer.ini"), Original, Corrected);
    CloseHandle(editor);
    EXPECT_EQ(outcome.failure, RewriteFailure::HeldOpen) << access;
    EXPECT_EQ(outcome.error, static_cast<std::uint32_t>(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(tree.Snapshot(), (Files{{L"Tollimer.ini", Original}}));
  }
}

TEST(SettingsRewriteLongPaths, WritesInAFolderOfAnyLengthAndName) {
  TempFolder temp("rewrite-long");
  const FolderTree tree(Widen(temp.Path()));
  const std::wstring folder = L"\uD55C\uAE00\\" + std::wstring(120, L'a') + L"\\" + std::wstring(120, L'b');
  tree.Write(folder + L"\\Tollimer.ini", Original);
  const RewriteOutcome outcome = RewriteSettingsFile(tree.PathOf(folder + L"\\Tollimer.ini"), Original, Corrected);
  EXPECT_EQ(outcome.failure, RewriteFailure::None) << outcome.errorText;
  EXPECT_EQ(tree.Snapshot(), (Files{{folder + L"\\Tollimer.ini", Corrected}, {folder + L"\\Tollimer.ini.bak", Original}}));
}

}  // namespace
