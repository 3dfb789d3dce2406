// What Tollimer.dll shows of the product, in its version information (read
// with the platform's own functions) and in the plug-in's information
// record, against the product's one identity (ProductIdentity.h): a copy
// that a version bump missed fails here.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeHost.h"
#include "PluginUnderTest.h"
#include "PluginInfo.h"
#include "ProductIdentity.h"

namespace {

class VersionResource : public testing::Test {
 protected:
  void SetUp() override {
    const std::string path = ExecutableFolder() + "\\Tollimer.dll";
    DWORD unused = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &unused);
    ASSERT_GT(size, 0u) << "no version information in " << path << ", error " << GetLastError();
    data_.resize(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, data_.data()));
  }

  const VS_FIXEDFILEINFO& Fixed() {
    void* value = nullptr;
    UINT length = 0;
    EXPECT_TRUE(VerQueryValueA(data_.data(), "\\", &value, &length));
    EXPECT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    return *static_cast<const VS_FIXEDFILEINFO*>(value);
  }

  // A text of the string table named by the first translation entry.
  std::string Text(const std::string& name) {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data_.data(), "\\VarFileInfo\\Translation", &value, &length) || length < 4) return "<none>";
    const auto* translation = static_cast<const WORD*>(value);
    char key[128];
    wsprintfA(key, "\\StringFileInfo\\%04x%04x\\%s", translation[0], translation[1], name.c_str());
    if (!VerQueryValueA(data_.data(), key, &value, &length) || length == 0) return "<none>";
    return std::string(static_cast<const char*>(value));
  }

  std::vector<char> data_;
};

TEST_F(VersionResource, NumbersAreTheProductVersion) {
  const VS_FIXEDFILEINFO& fixed = Fixed();
  EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
  const auto high = static_cast<DWORD>(MAKELONG(TOLLIMER_VERSION_MINOR, TOLLIMER_VERSION_MAJOR));
  const auto low = static_cast<DWORD>(MAKELONG(TOLLIMER_VERSION_TWEAK, TOLLIMER_VERSION_PATCH));
  EXPECT_EQ(fixed.dwFileVersionMS, high);
  EXPECT_EQ(fixed.dwFileVersionLS, low);
  EXPECT_EQ(fixed.dwProductVersionMS, high);
  EXPECT_EQ(fixed.dwProductVersionLS, low);
  EXPECT_EQ(fixed.dwFileType, static_cast<DWORD>(VFT_DLL));
  EXPECT_EQ(fixed.dwFileFlags & fixed.dwFileFlagsMask, 0u) << "a release: no debug, pre-release or patched flag";
}

TEST_F(VersionResource, TextsNameTheProductItsHostItsMakerAndLicence) {
  EXPECT_EQ(Text("FileVersion"), TOLLIMER_VERSION);
  EXPECT_EQ(Text("ProductVersion"), TOLLIMER_VERSION);
  EXPECT_EQ(Text("ProductName"), TOLLIMER_PRODUCT_NAME);
  EXPECT_EQ(Text("OriginalFilename"), TOLLIMER_DLL_FILE_NAME);
  EXPECT_EQ(Text("InternalName"), TOLLIMER_PRODUCT_NAME);
  EXPECT_EQ(Text("CompanyName"), TOLLIMER_VENDOR);
  EXPECT_EQ(Text("FileDescription"), TOLLIMER_FILE_DESCRIPTION);
  EXPECT_EQ(Text("LegalCopyright"), TOLLIMER_COPYRIGHT);
  // What the texts must say, whatever the identity holds.
  EXPECT_NE(Text("FileDescription").find(TOLLIMER_HOST_NAME), std::string::npos);
  EXPECT_NE(Text("LegalCopyright").find("MIT"), std::string::npos);
}

TEST_F(VersionResource, ThePlugInInformationRecordIsTheProducts) {
  fakehost::ResetHost();
  PluginUnderTest plugin;
  ASSERT_TRUE(plugin.Load()) << "error " << plugin.LoadError();
  char record[PluginInfoDescriptionOffset + 256] = {};
  plugin.OnPlugInInfo(record);
  EXPECT_EQ(std::string(record + PluginInfoNameOffset), TOLLIMER_PRODUCT_NAME);
  EXPECT_EQ(std::string(record + PluginInfoVendorOffset), TOLLIMER_VENDOR);
  EXPECT_EQ(std::string(record + PluginInfoVersionOffset), TOLLIMER_VERSION);
  EXPECT_EQ(std::string(record + PluginInfoNameOffset), Text("ProductName"));
  EXPECT_EQ(std::string(record + PluginInfoVersionOffset), Text("FileVersion"));
}

}  // namespace
