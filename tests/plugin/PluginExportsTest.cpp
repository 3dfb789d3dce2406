// The boundary the host sees: names, ordinals, calling convention, results,
// and the information record.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

#include "HostFixture.h"
#include "PluginUnderTest.h"
#include "ProductIdentity.h"

namespace {

struct ExportCase {
  const char* name;
  WORD ordinal;
  int arguments;  // 32-bit words the callee must remove
};

const ExportCase Exports[] = {
    {"BKC_OnStart", 1, 0},        {"BKC_OnExit", 2, 0},          {"BKC_OnMenuInit", 3, 3},
    {"BKC_OnOpenFolder", 4, 1},   {"BKC_OnOpenMail", 5, 1},      {"BKC_OnEveryMinute", 6, 0},
    {"BKC_OnOpenCompose", 7, 2},  {"BKC_OnOutgoing", 8, 2},      {"BKC_OnKeyDispatch", 9, 3},
    {"BKC_OnRetrieve", 10, 2},    {"BKC_OnSend", 11, 1},         {"BKC_OnFinishRetrieve", 12, 1},
    {"BKC_OnPlugInSetup", 13, 1}, {"BKC_OnPlugInInfo", 14, 1},   {"BKC_OnDragDrop", 15, 4},
};

// Calls `callback` with `arguments` words pushed, each a pointer to
// `scratch`, and returns how far the stack pointer moved across the call
// (0 when the callee removed exactly its arguments).
int StackDeltaOfCall(FARPROC callback, int arguments, void* scratch, int* result) {
  int delta;
  int returned;
  void* argument = scratch;  // edx: the callee may change it
  asm volatile(
      "movl %%esp, %%edi\n\t"
      "1:\n\t"
      "testl %%ecx, %%ecx\n\t"
      "jz 2f\n\t"
      "pushl %%edx\n\t"
      "decl %%ecx\n\t"
      "jmp 1b\n\t"
      "2:\n\t"
      "call *%%esi\n\t"
      "movl %%esp, %%ecx\n\t"
      "subl %%edi, %%ecx\n\t"
      "movl %%edi, %%esp\n\t"
      : "=c"(delta), "=a"(returned), "+d"(argument)
      : "c"(arguments), "S"(callback)
      : "edi", "memory", "cc");
  *result = returned;
  return delta;
}

class PluginExports : public HostFixture {
 protected:
  void SetUp() override {
    HostFixture::SetUp();
    ASSERT_TRUE(plugin.Load()) << "error " << plugin.LoadError();
  }
  PluginUnderTest plugin{"[Env]\r\nConnectWaitMilliSecond=0\r\n"};
};

TEST_F(PluginExports, EveryCallbackIsExportedByNameAndByItsOrdinal) {
  for (const ExportCase& entry : Exports) {
    const FARPROC byName = plugin.Export(entry.name);
    const FARPROC byOrdinal = GetProcAddress(plugin.Module(), MAKEINTRESOURCEA(entry.ordinal));
    EXPECT_NE(byName, nullptr) << entry.name;
    EXPECT_EQ(byName, byOrdinal) << entry.name << " @" << entry.ordinal;
  }
  // Exactly these: nothing at ordinal 16, no decorated names.
  EXPECT_EQ(GetProcAddress(plugin.Module(), MAKEINTRESOURCEA(16)), nullptr);
  EXPECT_EQ(plugin.Export("BKC_OnMenuInit@12"), nullptr);
  EXPECT_EQ(plugin.Export("_BKC_OnStart@0"), nullptr);
}

TEST_F(PluginExports, EveryCallbackRemovesExactlyItsArgumentsAndAnswersZero) {
  // The probe item is grayed: the tick below toggles, arms a timer and the
  // callbacks run their real paths.
  std::array<char, 1024> scratch{};
  for (const ExportCase& entry : Exports) {
    int result = -1;
    EXPECT_EQ(StackDeltaOfCall(plugin.Export(entry.name), entry.arguments, scratch.data(), &result), 0)
        << entry.name << " with " << entry.arguments << " arguments";
    EXPECT_EQ(result, 0) << entry.name;
  }
}

TEST_F(PluginExports, SetupAndTheDoNothingCallbacksLeaveTheHostAlone) {
  std::array<char, 1024> scratch{};
  for (const char* name : {"BKC_OnMenuInit", "BKC_OnOpenFolder", "BKC_OnPlugInSetup", "BKC_OnDragDrop"}) {
    int result = -1;
    StackDeltaOfCall(plugin.Export(name), 4, scratch.data(), &result);
  }
  PumpFor(50);
  EXPECT_TRUE(window.Commands().empty());
  EXPECT_EQ(fakehost::Host().getWindowHandlesCalls, 0);
  EXPECT_EQ(fakehost::Host().otherCalls, 0);
}

TEST_F(PluginExports, InfoRecordHoldsTheFourTextsAndTouchesNothingElse) {
  std::array<char, 400> record;
  record.fill('\xAA');
  EXPECT_EQ(plugin.OnPlugInInfo(record.data()), 0);

  const auto expectField = [&](std::size_t offset, const std::string& text) {
    EXPECT_EQ(std::string(record.data() + offset), text) << "at " << offset;
    for (std::size_t i = offset + text.size() + 1; i < offset + 80; ++i) {
      ASSERT_EQ(record[i], '\xAA') << "byte " << i << " after the text at " << offset;
    }
  };
  expectField(0, std::string(ProductName));
  expectField(80, std::string(ProductVendor));
  expectField(160, std::string(ProductVersion));
  EXPECT_EQ(std::strlen(record.data() + 240), 79u);
  for (std::size_t i = 240 + 80; i < record.size(); ++i) ASSERT_EQ(record[i], '\xAA') << "byte " << i;
}

TEST_F(PluginExports, DescriptionIsValidShiftJisSayingWhatThePluginDoes) {
  std::array<char, 400> record{};
  plugin.OnPlugInInfo(record.data());
  const char* description = record.data() + 240;

  wchar_t decoded[80] = {};
  const int length = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, description, -1, decoded, 80);
  ASSERT_GT(length, 0) << "not valid in code page 932, error " << GetLastError();
  // IMAP新着チェックは受信箱のみのため、IMAPサーバーをオフ/オンして強制チェックする
  EXPECT_EQ(std::wstring(decoded),
            L"IMAP\u65B0\u7740\u30C1\u30A7\u30C3\u30AF\u306F\u53D7\u4FE1\u7BB1\u306E\u307F\u306E\u305F\u3081"
            L"\u3001IMAP\u30B5\u30FC\u30D0\u30FC\u3092\u30AA\u30D5/\u30AA\u30F3\u3057\u3066\u5F37\u5236"
            L"\u30C1\u30A7\u30C3\u30AF\u3059\u308B");
}

}  // namespace
