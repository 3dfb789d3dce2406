#include "CommandLine.h"

#include <string_view>

namespace {

std::string Ascii(std::wstring_view text) {
  std::string ascii;
  for (const wchar_t c : text) ascii += c < 0x80 ? static_cast<char>(c >= L'A' && c <= L'Z' ? c + 32 : c) : '?';
  return ascii;
}

class Reader {
 public:
  Reader(std::span<const std::wstring> arguments, ReportLanguage language) : arguments_(arguments) {
    options_.language = language;
  }

  CheckOptions Read() {
    bool filesOnly = false;
    for (next_ = 0; next_ < arguments_.size();) {
      const std::wstring& argument = arguments_[next_++];
      if (!filesOnly && argument == L"--") {
        filesOnly = true;
      } else if (!filesOnly && (argument.starts_with(L"--") || argument == L"-h" || argument == L"/?")) {
        Option(argument);
      } else {
        File(argument);
      }
    }
    if (options_.dryRun && !options_.fix) Fail(CommandLineError::DryRunWithoutFix);
    if (options_.output) options_.print = true;
    return std::move(options_);
  }

 private:
  void Option(const std::wstring& argument) {
    const std::size_t equals = argument.find(L'=');
    const std::wstring name = argument.substr(0, equals);
    if (name == L"--print") {
      options_.print = true;
    } else if (name == L"--fix") {
      options_.fix = true;
    } else if (name == L"--dry-run") {
      options_.dryRun = true;
    } else if (name == L"--help" || name == L"-h" || name == L"/?") {
      options_.help = true;
    } else if (name == L"--lang") {
      const std::optional<std::wstring> value = Value(argument, equals);
      if (value && !ReadReportLanguage(Ascii(*value), options_.language)) Fail(CommandLineError::Language);
    } else if (name == L"--output") {
      const std::optional<std::wstring> value = Value(argument, equals);
      if (value && value->empty()) Fail(CommandLineError::EmptyFileName);
      if (value && !value->empty()) options_.output = *value;
    } else {
      Fail(CommandLineError::UnknownOption, argument);
    }
  }

  // The option's value: after its "=", or the next argument.
  std::optional<std::wstring> Value(const std::wstring& argument, std::size_t equals) {
    if (equals != std::wstring::npos) return argument.substr(equals + 1);
    if (next_ < arguments_.size()) return arguments_[next_++];
    Fail(CommandLineError::OptionWithoutValue, argument);
    return std::nullopt;
  }

  void File(const std::wstring& argument) {
    if (argument.empty()) {
      // An empty shell variable, most likely: never the file beside the program.
      Fail(CommandLineError::EmptyFileName);
    } else if (options_.file) {
      Fail(CommandLineError::OneFileOnly);
    } else {
      options_.file = argument;
    }
  }

  void Fail(CommandLineError error, const std::wstring& argument = {}) {
    if (options_.error) return;
    options_.error = error;
    options_.wrongArgument = argument;
  }

  std::span<const std::wstring> arguments_;
  std::size_t next_ = 0;
  CheckOptions options_;
};

}  // namespace

CheckOptions ParseCommandLine(std::span<const std::wstring> arguments, ReportLanguage language) {
  return Reader(arguments, language).Read();
}
