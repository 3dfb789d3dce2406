#include "Words.h"

#include "PluginSettings.h"
#include "ProductIdentity.h"
#include "SettingsPath.h"

namespace {

// The settings file's name for a DLL's, by the plug-in's own rule.
std::string SettingsNameFor(std::string_view dllFileName) {
  SettingsPathBuffer path{};
  return DeriveSettingsPath(dllFileName, path) ? std::string(path.data()) : std::string();
}

}  // namespace

Words::Words(ReportLanguage language, std::string_view dllFileName)
    : language_(language),
      dll_(dllFileName.empty() ? ProductDllFileName : dllFileName),
      ini_(SettingsNameFor(dll_)) {}

std::string_view Words::Filled(Slot slot) const {
  switch (slot) {
    case Slot::product:
      return ProductName;
    case Slot::version:
      return ProductVersion;
    case Slot::host:
      return HostName;
    case Slot::check:
      return CheckProgramName;
    case Slot::dll:
      return dll_;
    case Slot::ini:
      return ini_;
    case Slot::section:
      return PluginSection;
    case Slot::interval_key:
      return IntervalSetting.key;
    case Slot::wait_key:
      return ConnectWaitSetting.key;
    case Slot::plugins:
      return HostPlugInsFolder;
    default:
      return {};
  }
}

std::string Words::Fill(Message message, std::initializer_list<std::pair<Slot, std::string_view>> passed) const {
  const Catalogue& catalogue = language_ == ReportLanguage::Japanese ? JapaneseMessages : EnglishMessages;
  const std::string_view text = catalogue[static_cast<std::size_t>(message)].text;
  std::string out;
  std::size_t done = 0;
  // The build has checked every placeholder: each "{" opens a known name.
  for (std::size_t open = text.find('{'); open != std::string_view::npos; open = text.find('{', done)) {
    const std::size_t close = text.find('}', open);
    const auto slot = static_cast<Slot>(SlotIndex(text.substr(open + 1, close - open - 1)));
    out.append(text.substr(done, open - done));
    if ((SlotBit(slot) & PassedSlots) == 0) {
      out.append(Filled(slot));
    } else {
      for (const auto& [name, value] : passed) {
        if (name == slot) out.append(value);
      }
    }
    done = close + 1;
  }
  out.append(text.substr(done));
  return out;
}

std::string Words::UnitName(TimeUnit unit) const {
  switch (unit) {
    case TimeUnit::Millisecond:
      return Say<Message::UnitMillisecond>();
    case TimeUnit::Second:
      return Say<Message::UnitSecond>();
    case TimeUnit::Minute:
      return Say<Message::UnitMinute>();
    case TimeUnit::Hour:
      return Say<Message::UnitHour>();
  }
  return {};
}

bool ReadReportLanguage(std::string_view name, ReportLanguage& language) {
  if (name == "ja") {
    language = ReportLanguage::Japanese;
  } else if (name == "en") {
    language = ReportLanguage::English;
  } else {
    return false;
  }
  return true;
}
