#include "DemoOptions.h"

#include <charconv>
#include <limits>

const char DemoUsage[] =
    "Usage: TollimerDemo [options]\n"
    "Loads PlugIns\\Tollimer.dll from beside this program, as the mail client loads its\n"
    "plug-ins, and drives it on an accelerated clock, printing what it does to the host.\n"
    "\n"
    "  --minute-ms N           length of one minute in milliseconds (default 5000)\n"
    "  --minutes N             number of minute ticks (default 6)\n"
    "  --not-grayed-minutes N  the host is busy for the first N minutes: the probe item\n"
    "                          is not grayed then, and the plug-in sends nothing\n"
    "                          (default 0). It shows only when N reaches past the\n"
    "                          plug-in's InterbalMinute: before that the plug-in only\n"
    "                          counts and does not look at the menu.\n"
    "  --ini PATH              copy this settings file beside the plug-in, as\n"
    "                          Tollimer.ini, before loading it\n"
    "  --plugin-dir DIR        load Tollimer.dll from DIR instead of PlugIns\n"
    "  --fail-version          BKA_GetVersion answers null: the plug-in refuses to load\n"
    "  --lang ja|en            the language of the settings check's report (default en)\n"
    "  --help                  this text\n";

namespace {

struct IntegerOption {
  std::string_view name;
  int DemoOptions::*field;
  int least;
  int most;
};

constexpr IntegerOption IntegerOptions[] = {
    {"--minute-ms", &DemoOptions::minuteMs, 1, 3'600'000},
    {"--minutes", &DemoOptions::minutes, 0, 100'000},
    {"--not-grayed-minutes", &DemoOptions::notGrayedMinutes, 0, std::numeric_limits<int>::max()},
};

struct TextOption {
  std::string_view name;
  std::string DemoOptions::*field;
};

constexpr TextOption TextOptions[] = {
    {"--ini", &DemoOptions::iniPath},
    {"--plugin-dir", &DemoOptions::pluginDir},
};

std::optional<int> ParseWholeInteger(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

ParsedOptions Failure(std::string message) { return {std::nullopt, std::move(message)}; }

}  // namespace

ParsedOptions ParseDemoOptions(const std::vector<std::string_view>& arguments) {
  DemoOptions options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string_view name = arguments[i];
    std::optional<std::string_view> inlineValue;
    if (const auto equals = name.find('='); name.starts_with("--") && equals != std::string_view::npos) {
      inlineValue = name.substr(equals + 1);
      name = name.substr(0, equals);
    }
    // The value of the option at `name`, from after "=" or the next argument.
    auto takeValue = [&]() -> std::optional<std::string_view> {
      if (inlineValue) return inlineValue;
      if (i + 1 < arguments.size()) return arguments[++i];
      return std::nullopt;
    };

    bool known = false;
    for (const IntegerOption& option : IntegerOptions) {
      if (name != option.name) continue;
      known = true;
      const auto value = takeValue();
      if (!value) return Failure(std::string(name) + " needs a number");
      const auto number = ParseWholeInteger(*value);
      if (!number || *number < option.least || *number > option.most) {
        return Failure(std::string(name) + " takes a whole number from " + std::to_string(option.least) + " to " +
                       std::to_string(option.most) + ", not \"" + std::string(*value) + "\"");
      }
      options.*option.field = *number;
    }
    for (const TextOption& option : TextOptions) {
      if (name != option.name) continue;
      known = true;
      const auto value = takeValue();
      if (!value || value->empty()) return Failure(std::string(name) + " needs a path");
      options.*option.field = std::string(*value);
    }
    if (name == "--lang") {
      known = true;
      const auto value = takeValue();
      if (!value || (*value != "ja" && *value != "en")) return Failure("--lang takes ja or en");
      options.japanese = *value == "ja";
    }
    if (name == "--fail-version" || name == "--help" || name == "-h" || name == "/?") {
      if (inlineValue) return Failure(std::string(name) + " takes no value");
      known = true;
      (name == "--fail-version" ? options.failVersion : options.help) = true;
    }
    if (!known) return Failure("unknown option \"" + std::string(arguments[i]) + "\"");
  }
  return {options, {}};
}
