#include "BeckyAPI.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>

#include "GuardedCall.h"
#include "HostVersion.h"

constinit TBeckyAPI* HostApi = nullptr;

namespace {

enum class HostExportNeed { Required, Optional };

#pragma push_macro("GetTempFileName")
#undef GetTempFileName
// The export names one after another, each ending in its NUL, in the order
// of the fields: walked in one pass, with no table of pointers that the
// loader would have to relocate and the DLL to carry.
#define TOLLIMER_EXPORT_NAME(field, type, need) "BKA_" #field "\0"
constexpr char HostExportNames[] = TOLLIMER_HOST_EXPORTS(TOLLIMER_EXPORT_NAME);
#undef TOLLIMER_EXPORT_NAME

// Bit i set: the export of field i may be missing (see BindHost).
#define TOLLIMER_OPTIONAL_BIT(field, type, need) \
  | (HostExportNeed::need == HostExportNeed::Optional ? std::uint64_t{1} << FieldIndex(offsetof(TBeckyAPI, field)) : 0)
constexpr std::size_t FieldIndex(std::size_t offset) { return offset / sizeof(FARPROC); }
constexpr std::uint64_t OptionalExports = 0 TOLLIMER_HOST_EXPORTS(TOLLIMER_OPTIONAL_BIT);
#undef TOLLIMER_OPTIONAL_BIT

// The entry of the i-th name goes to the i-th field: the fields are
// pointers, one after another from the start of the object, in the order of
// the names.
#define TOLLIMER_FIELD_OFFSET(field, type, need) offsetof(TBeckyAPI, field),
constexpr std::size_t FieldOffsets[] = {TOLLIMER_HOST_EXPORTS(TOLLIMER_FIELD_OFFSET)};
#undef TOLLIMER_FIELD_OFFSET
#pragma pop_macro("GetTempFileName")
constexpr std::size_t HostExportCount = std::size(FieldOffsets);
static_assert(HostExportCount <= 64, "one bit per export in OptionalExports");
static_assert([] {
  for (std::size_t index = 0; index < HostExportCount; ++index) {
    if (FieldOffsets[index] != index * sizeof(FARPROC)) return false;
  }
  return true;
}());
static_assert(sizeof(GetVersionFn) == sizeof(FARPROC) && sizeof(GetWindowHandlesFn) == sizeof(FARPROC));

void StoreEntry(TBeckyAPI& api, std::size_t index, FARPROC entry) {
  // Every field is a function pointer of the same size and representation.
  std::memcpy(reinterpret_cast<unsigned char*>(&api) + index * sizeof(FARPROC), &entry, sizeof entry);
}

// Looks up, in field order, the exports whose need is `optional`; false at the
// first required one that is missing.
bool BindExports(TBeckyAPI& api, HMODULE host, bool optional) {
  const char* name = HostExportNames;
  for (std::size_t index = 0; index < HostExportCount; ++index) {
    if (((OptionalExports >> index) & 1) == (optional ? 1u : 0u)) {
      const FARPROC entry = GetProcAddress(host, name);
      StoreEntry(api, index, entry);
      if (entry == nullptr && !optional) return false;
    }
    while (*name++ != '\0') {
    }
  }
  return true;
}

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

  if (!BindExports(*this, host, false)) return false;
  // Hosts older than 2.00.06 lack BKA_SetStatus; it is looked up last and
  // only required once the host's version is known.
  BindExports(*this, host, true);

  VersionCheck check{GetVersion};
  if (!CallGuarded(CheckHostVersion, &check) || !check.answered) return false;
  if (check.requiresSetStatus && SetStatus == nullptr) return false;

  HostModule = host;
  return true;
}
