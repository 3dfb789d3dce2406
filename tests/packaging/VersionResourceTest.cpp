// The version information that Explorer shows for Tollimer.dll, read with the
// platform's own functions, and its agreement with the plug-in's information
// record. TOLLIMER_VERSION* come from the project's one version (CMakeLists.txt).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeHost.h"
#include "PluginUnderTest.h"

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

TEST_F(VersionResource, NumbersAreTheProjectVersion) {
  const VS_FIXEDFILEINFO& fixed = Fixed();
  EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed.dwFileVersionMS, MAKELONG(TOLLIMER_VERSION_MINOR, TOLLIMER_VERSION_MAJOR));
  EXPECT_EQ(fixed.dwFileVersionLS, 0u);
  EXPECT_EQ(fixed.dwProductVersionMS, MAKELONG(TOLLIMER_VERSION_MINOR, TOLLIMER_VERSION_MAJOR));
  EXPECT_EQ(fixed.dwProductVersionLS, 0u);
  EXPECT_EQ(fixed.dwFileType, static_cast<DWORD>(VFT_DLL));
  EXPECT_EQ(fixed.dwFileFlags & fixed.dwFileFlagsMask, 0u) << "a release: no debug, pre-release or patched flag";
}

TEST_F(VersionResource, TextsNameTheProductItsHostItsMakerAndLicence) {
  EXPECT_EQ(Text("FileVersion"), TOLLIMER_VERSION);
  EXPECT_EQ(Text("ProductVersion"), TOLLIMER_VERSION);
  EXPECT_EQ(Text("ProductName"), "Tollimer");
  EXPECT_EQ(Text("OriginalFilename"), "Tollimer.dll");
  EXPECT_EQ(Text("InternalName"), "Tollimer");
  EXPECT_EQ(Text("CompanyName"), "Tollimer Works");
  EXPECT_EQ(Text("FileDescription"), "Tollimer: IMAP reconnect scheduler plug-in for the Becky! mail client");
  EXPECT_EQ(Text("LegalCopyright"), "Copyright (c) 2026 Tollimer Works. MIT License.");
}

TEST_F(VersionResource, AgreesWithThePlugInInformationRecord) {
  fakehost::ResetHost();
  PluginUnderTest plugin;
  ASSERT_TRUE(plugin.Load()) << "error " << plugin.LoadError();
  char record[80 * 3 + 256] = {};
  plugin.OnPlugInInfo(record);
  EXPECT_EQ(std::string(record + 0), Text("ProductName"));
  EXPECT_EQ(std::string(record + 80), Text("CompanyName"));
  EXPECT_EQ(std::string(record + 160), Text("FileVersion"));
}

}  // namespace
