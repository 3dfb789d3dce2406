// The test host exports all 55 BKA_ functions.
#include <gtest/gtest.h>

#include "FakeHost.h"
#include "HostFieldLayout.h"

namespace {

using fakehost::Host;
using fakehost::VersionAnswer;

// The head of this thread's structured-exception chain, fs:[0].
void* CurrentExceptionChain() {
  void* head;
  asm volatile("movl %%fs:0, %0" : "=r"(head));
  return head;
}

class BindHostFull : public testing::Test {
 protected:
  void SetUp() override { fakehost::ResetHost(); }
  TBeckyAPI api;
};

TEST_F(BindHostFull, EveryFieldHoldsItsExportInFieldOrder) {
  Host().versionText = "2.00.06";
  ASSERT_TRUE(api.BindHost());
  EXPECT_EQ(api.HostModule, GetModuleHandleA(nullptr));
  for (std::size_t i = 0; i < ExpectedFieldOrder.size(); ++i) {
    void* exported = ExportedEntry(ExpectedFieldOrder[i]);
    ASSERT_NE(exported, nullptr) << ExpectedFieldOrder[i];
    EXPECT_EQ(FieldAt(api, i), exported) << "field " << i + 1 << " " << ExpectedFieldOrder[i];
  }
  EXPECT_EQ(reinterpret_cast<void*>(api.GetVersion), reinterpret_cast<void*>(&BKA_GetVersion));
  EXPECT_EQ(reinterpret_cast<void*>(api.GetWindowHandles), reinterpret_cast<void*>(&BKA_GetWindowHandles));
  EXPECT_EQ(Host().getVersionCalls, 1);
}

TEST_F(BindHostFull, BindsWhateverTheVersionWhenSetStatusIsThere) {
  for (const char* version : {"2.00.05", "2.00.06", "10.00.00", "", "1.99"}) {
    TBeckyAPI fresh;
    Host().versionText = version;
    EXPECT_TRUE(fresh.BindHost()) << version;
    EXPECT_NE(fresh.SetStatus, nullptr) << version;
  }
}

TEST_F(BindHostFull, AlreadyBoundLooksNothingUpAndCallsNothing) {
  ASSERT_TRUE(api.BindHost());
  // A field changed behind the binding's back stays as it is: no lookup.
  const auto marker = reinterpret_cast<HostEntry>(0x12345678);
  api.Command = marker;
  EXPECT_TRUE(api.BindHost());
  EXPECT_EQ(api.Command, marker);
  EXPECT_EQ(Host().getVersionCalls, 1);
}

TEST_F(BindHostFull, GetVersionIsCalledOncePerAttemptThatReachesIt) {
  Host().versionAnswer = VersionAnswer::Null;
  EXPECT_FALSE(api.BindHost());
  EXPECT_FALSE(api.BindHost());
  EXPECT_EQ(Host().getVersionCalls, 2);
  Host().versionAnswer = VersionAnswer::Text;
  EXPECT_TRUE(api.BindHost());
  EXPECT_TRUE(api.BindHost());
  EXPECT_EQ(Host().getVersionCalls, 3);
}

// The host's GetVersion failing in any way refuses the binding, leaves the
// object unbound (so a later attempt is a real one) and keeps this process alive.
class BindHostVersionFailure : public BindHostFull, public testing::WithParamInterface<VersionAnswer> {};

TEST_P(BindHostVersionFailure, FailsAndStaysUnbound) {
  Host().versionAnswer = GetParam();
  EXPECT_FALSE(api.BindHost());
  EXPECT_EQ(api.HostModule, nullptr);
  EXPECT_EQ(Host().getVersionCalls, 1);

  // A retry is a complete new attempt that reaches GetVersion again.
  Host().versionAnswer = VersionAnswer::Text;
  EXPECT_TRUE(api.BindHost());
  EXPECT_EQ(api.HostModule, GetModuleHandleA(nullptr));
  EXPECT_EQ(Host().getVersionCalls, 2);
}

INSTANTIATE_TEST_SUITE_P(Answers, BindHostVersionFailure,
                         testing::Values(VersionAnswer::Null, VersionAnswer::AccessViolation,
                                         VersionAnswer::RaisedException),
                         [](const testing::TestParamInfo<VersionAnswer>& info) {
                           return fakehost::VersionAnswerName(info.param);
                         });

// After a fault inside the guarded call the thread's exception chain is as
// it was before: the guard has unlinked itself and every frame it unwound.
TEST_F(BindHostFull, GuardLeavesTheExceptionChainAsItFoundIt) {
  Host().versionAnswer = VersionAnswer::AccessViolation;
  const auto* before = CurrentExceptionChain();
  EXPECT_FALSE(api.BindHost());
  EXPECT_EQ(CurrentExceptionChain(), before);
}

}  // namespace
