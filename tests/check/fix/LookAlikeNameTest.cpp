// Names a user takes for Tollimer.ini, as Explorer shows them with file
// extensions hidden, or as typed with the IME on.
#include "LookAlikeName.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
  const wchar_t* name;
  bool lookAlike;
};

TEST(LookAlikeName, IsWhatExplorerShowsAsTheSettingsFile) {
  const NameCase cases[] = {
      {L"Tollimer.ini.txt", true},            // Notepad's, extensions hidden
      {L"Tollimer.ini.ini", true},            // renamed with the extension hidden
      {L"tollimer.INI.TXT", true},
      {L"\uFF34\uFF4F\uFF4C\uFF4C\uFF49\uFF4D\uFF45\uFF52.ini", true},  // full-width letters
      {L"Tollimer\uFF0Eini", true},           // a full-width dot
      {L"Tollimer.ini", false},               // the file itself
      {L"TOLLIMER.INI", false},               // the file itself, to Windows
      {L"Tollimer.ini.bak", false},           // a backup, not a look-alike
      {L"Tollimer.txt", false},
      {L"Tollimer.ini.txt.txt", false},
      {L"MyTollimer.ini.txt", false},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(IsLookAlikeOf(cases[i].name, L"Tollimer.ini"), cases[i].lookAlike) << "row " << i;
  }
}

}  // namespace
