#include "BeckyAPI.h"

#include <array>

#include "GuardedCall.h"
#include "HostVersion.h"

constinit TBeckyAPI* HostApi = nullptr;

namespace {

enum class HostExportNeed { Required, Optional };

struct HostExportBinding {
  const char* exportName;
  HostExportNeed need;
  void (*store)(TBeckyAPI& api, FARPROC entry);
};

template <typename Field>
Field EntryAs(FARPROC entry) {
  // Through void(*)() so that the compiler accepts the change of signature.
  return reinterpret_cast<Field>(reinterpret_cast<void (*)()>(entry));
}

#pragma push_macro("GetTempFileName")
#undef GetTempFileName
#define TOLLIMER_BINDING(field, type, need)                                           \
  HostExportBinding{"BKA_" #field, HostExportNeed::need,                              \
                    [](TBeckyAPI& api, FARPROC entry) { api.field = EntryAs<type>(entry); }},
constexpr std::array HostExportBindings{TOLLIMER_HOST_EXPORTS(TOLLIMER_BINDING)};
#undef TOLLIMER_BINDING
#pragma pop_macro("GetTempFileName")

struct VersionCheck {
  GetVersionFn getVersion;
  bool answered = false;
  bool requiresSetStatus = false;
};

// Runs under a structured-exception guard: the host's function, and the
// reading of the text it hands back, may fault.
void CheckHostVersion(void* context) {
  auto& check = *static_cast<VersionCheck*>(context);
  const char* version = check.getVersion();
  if (version == nullptr) return;
  check.requiresSetStatus = HostRequiresSetStatus(version);
  check.answered = true;
}

}  // namespace

bool TBeckyAPI::BindHost() {
  if (HostModule != nullptr) return true;

  const HMODULE host = GetModuleHandleA(nullptr);
  // Values below 32 are error codes of the 16-bit era, never a module.
  if (reinterpret_cast<UINT_PTR>(host) < 32) return false;

  for (const HostExportBinding& binding : HostExportBindings) {
    if (binding.need != HostExportNeed::Required) continue;
    const FARPROC entry = GetProcAddress(host, binding.exportName);
    binding.store(*this, entry);
    if (entry == nullptr) return false;
  }
  // Hosts older than 2.00.06 lack BKA_SetStatus; it is looked up last and
  // only required once the host's version is known.
  for (const HostExportBinding& binding : HostExportBindings) {
    if (binding.need == HostExportNeed::Optional) binding.store(*this, GetProcAddress(host, binding.exportName));
  }

  VersionCheck check{GetVersion};
  if (!CallGuarded(CheckHostVersion, &check) || !check.answered) return false;
  if (check.requiresSetStatus && SetStatus == nullptr) return false;

  HostModule = host;
  return true;
}
