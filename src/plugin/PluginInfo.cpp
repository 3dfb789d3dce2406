#include "PluginInfo.h"

#include <cstring>
#include <string_view>

#include "ProductIdentity.h"

namespace {

constexpr std::string_view PluginName = ProductName;
constexpr std::string_view PluginVendor = ProductVendor;
constexpr std::string_view PluginVersion = ProductVersion;
// Shift-JIS, 79 bytes: "IMAP新着チェックは受信箱のみのため、IMAPサーバーをオフ/オンして強制チェックする"
// (the host's IMAP new-mail check covers only the inbox, so the plug-in
// forces the check by switching the IMAP server off and on).
constexpr std::string_view PluginDescription =
    "IMAP"                                                                      // IMAP
    "\x90\x56\x92\x85\x83\x60\x83\x46\x83\x62\x83\x4E\x82\xCD"                  // 新着チェックは
    "\x8E\xF3\x90\x4D\x94\xA0\x82\xCC\x82\xDD\x82\xCC\x82\xBD\x82\xDF\x81\x41"  // 受信箱のみのため、
    "IMAP"                                                                      // IMAP
    "\x83\x54\x81\x5B\x83\x6F\x81\x5B\x82\xF0"                                  // サーバーを
    "\x83\x49\x83\x74"                                                          // オフ
    "/"                                                                         // /
    "\x83\x49\x83\x93\x82\xB5\x82\xC4"                                          // オンして
    "\x8B\xAD\x90\xA7\x83\x60\x83\x46\x83\x62\x83\x4E\x82\xB7\x82\xE9";         // 強制チェックする

static_assert(PluginName.size() < PluginInfoFieldSize);
static_assert(PluginVendor.size() < PluginInfoFieldSize);
static_assert(PluginVersion.size() < PluginInfoFieldSize);
static_assert(PluginDescription.size() == 79);

// A string_view over a literal ends right before the literal's own NUL.
void CopyWithNul(char* field, std::string_view text) { std::memcpy(field, text.data(), text.size() + 1); }

}  // namespace

void FillPluginInfo(char* record) {
  CopyWithNul(record + PluginInfoNameOffset, PluginName);
  CopyWithNul(record + PluginInfoVendorOffset, PluginVendor);
  CopyWithNul(record + PluginInfoVersionOffset, PluginVersion);
  CopyWithNul(record + PluginInfoDescriptionOffset, PluginDescription);
}
