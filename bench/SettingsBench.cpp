// How fast the settings file is read, against inih and the plain second
// reading, on generated files of 1, 10 and 100 MB whose "Env" section comes
// last. Each reader gets the same buffer, read once from the file, and each
// iteration finds "InterbalMinute" and "ConnectWaitMilliSecond" in the last
// "Env" section. The read stays out of the timing: a fresh buffer per
// iteration measures the C library's allocator (it reuses 10 MB blocks but maps
// and faults in 100 MB ones every time) more than the readers.
//
//   settings_bench [--data-dir DIR] [benchmark options]   throughput
//   settings_bench --load-once FILE [tollimer|inih|naive]   one reading, for /usr/bin/time -v
#include <benchmark/benchmark.h>
#include <ini.h>
#include <strings.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "NaiveSettingsReader.h"
#include "SettingsFile.h"
#include "SettingsInteger.h"

namespace {

struct Values {
  std::int32_t interval = 10;
  std::int32_t wait = 1000;
  bool operator==(const Values&) const = default;
};

// What the last "Env" section of every generated file holds.
constexpr Values Expected{15, 2500};

// As the plug-in reads them: both keys in one pass.
Values ReadWithSettingsFile(std::string_view bytes) {
  const std::array<std::string_view, 2> keys{"InterbalMinute", "ConnectWaitMilliSecond"};
  std::array<std::string_view, 2> values{};
  SettingsFile(bytes).LookupTexts("Env", keys, values);
  return {ParseSettingsInteger(values[0], 10), ParseSettingsInteger(values[1], 1000)};
}

// inih reports entries, not sections; a run of "Env" entries after entries of
// another section is a new "Env" section, and starts afresh.
struct InihState {
  bool inEnv = false;
  std::string interval;
  std::string wait;
};

int InihHandler(void* user, const char* section, const char* name, const char* value) {
  auto& state = *static_cast<InihState*>(user);
  const bool env = strcasecmp(section, "Env") == 0;
  if (env && !state.inEnv) {
    state.interval.clear();
    state.wait.clear();
  }
  state.inEnv = env;
  if (env && strcasecmp(name, "InterbalMinute") == 0) state.interval = value;
  if (env && strcasecmp(name, "ConnectWaitMilliSecond") == 0) state.wait = value;
  return 1;
}

// `bytes` must be followed by a NUL (ReadWhole puts one there).
Values ReadWithInih(std::string_view bytes) {
  InihState state;
  ini_parse_string(bytes.data(), InihHandler, &state);
  return {ParseSettingsInteger(state.interval, 10), ParseSettingsInteger(state.wait, 1000)};
}

Values ReadWithNaiveReader(std::string_view bytes) {
  const NaiveSettingsReader reader(bytes);
  return {ParseSettingsInteger(reader.LookupText("Env", "InterbalMinute", ""), 10),
          ParseSettingsInteger(reader.LookupText("Env", "ConnectWaitMilliSecond", ""), 1000)};
}

using Reader = Values (*)(std::string_view);

// A settings file of at least `size` bytes: one section per mail account with
// the kind of keys and line lengths users write, comments, CR LF line ends, an
// early "Env" section and the one that counts at the end. Lines stay short of inih's 200-byte limit.
std::string Generate(std::size_t size) {
  std::mt19937 random(20240115);
  const auto number = [&](int below) { return std::to_string(random() % static_cast<unsigned>(below)); };
  std::string text = "; Settings of the reconnect plug-in\r\n[Env]\r\nInterbalMinute=99\r\nConnectWaitMilliSecond=9999\r\n\r\n";
  for (int account = 0; text.size() < size; ++account) {
    const std::string id = std::to_string(account);
    text += "; mailbox " + id + ", added 20" + number(25) + "-0" + number(9) + "\r\n";
    text += "[Account" + id + "]\r\n";
    text += "Name = Mailbox " + id + " at example.org\r\n";
    text += "Server = imap" + number(100) + ".example.org\r\n";
    text += "Port = 993\r\n";
    text += "User = user" + id + "@example.org\r\n";
    text += "Folder = INBOX/Archive/20" + number(25) + "/Project " + number(1000) + "\r\n";
    text += "Signature = Best regards, " + std::string(static_cast<std::size_t>(5 + random() % 60), 'x') + "\r\n";
    text += "LastCheck = 2024" + number(12) + "15T0930" + number(60) + "\r\n";
    text += "Flags = 0x" + number(0xFFFF) + "\r\n\r\n";
  }
  return text + "[Env]\r\nInterbalMinute=15\r\nConnectWaitMilliSecond=2500\r\n";
}

// The whole file in one read, into a buffer of its size and a NUL for inih.
struct FileBytes {
  std::unique_ptr<char[]> data;
  std::size_t size = 0;
  std::string_view View() const { return {data.get(), size}; }
};

FileBytes ReadWhole(const char* path) {
  FileBytes bytes;
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) return bytes;
  std::fseek(file, 0, SEEK_END);
  const auto size = static_cast<std::size_t>(std::ftell(file));
  std::fseek(file, 0, SEEK_SET);
  bytes.data.reset(new char[size + 1]);
  bytes.size = std::fread(bytes.data.get(), 1, size, file);
  bytes.data[bytes.size] = '\0';
  std::fclose(file);
  return bytes;
}

// Generated once per data directory; the generator is deterministic.
std::filesystem::path EnsureFile(const std::filesystem::path& directory, int megabytes) {
  const auto path = directory / ("settings-" + std::to_string(megabytes) + "MB.ini");
  if (!std::filesystem::exists(path)) {
    std::filesystem::create_directories(directory);
    const auto partial = path.string() + ".partial";
    std::ofstream(partial, std::ios::binary) << Generate(static_cast<std::size_t>(megabytes) << 20);
    std::filesystem::rename(partial, path);
  }
  return path;
}

void BenchmarkReader(benchmark::State& state, Reader read, const FileBytes* bytes) {
  if (bytes->size == 0 || read(bytes->View()) != Expected) {
    state.SkipWithError("wrong values");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(read(bytes->View()));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes->size));
}

// Prints the usual table, then MB/s (10^6 bytes) per reader, our ratio to
// inih, and how the time grows from 10 to 100 MB.
class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    // With repetitions, the median stands for the benchmark: this machine is
    // shared, and single runs scatter.
    for (const Run& run : runs) {
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.error_occurred || (run.run_type == Run::RT_Aggregate && !median)) continue;
      Result& result = results_[run.run_name.function_name];
      if (result.median && !median) continue;
      result = {run.counters.at("bytes_per_second") / 1e6, run.GetAdjustedCPUTime(), median};
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\nsize    tollimer MB/s  inih MB/s  naive MB/s  tollimer/inih\n");
    for (const char* size : {"1MB", "10MB", "100MB"}) {
      const Result ours = results_["tollimer/" + std::string(size)];
      const Result inih = results_["inih/" + std::string(size)];
      const Result naive = results_["naive/" + std::string(size)];
      std::printf("%-6s  %13.0f  %9.0f  %10.0f  %12.1fx\n", size, ours.megabytesPerSecond, inih.megabytesPerSecond,
                  naive.megabytesPerSecond, inih.megabytesPerSecond > 0 ? ours.megabytesPerSecond / inih.megabytesPerSecond : 0.0);
    }
    const Result ten = results_["tollimer/10MB"];
    const Result hundred = results_["tollimer/100MB"];
    if (ten.time > 0) std::printf("tollimer CPU time 100MB / 10MB: %.2f\n", hundred.time / ten.time);
  }

 private:
  struct Result {
    double megabytesPerSecond = 0;
    double time = 0;
    bool median = false;
  };
  std::map<std::string, Result> results_;
};

int LoadOnce(const char* path, std::string_view readerName) {
  const FileBytes bytes = ReadWhole(path);
  const Values values = readerName == "inih"    ? ReadWithInih(bytes.View())
                        : readerName == "naive" ? ReadWithNaiveReader(bytes.View())
                                                : ReadWithSettingsFile(bytes.View());
  std::printf("%s: %zu bytes, InterbalMinute %d, ConnectWaitMilliSecond %d\n", std::string(readerName).c_str(),
              bytes.size, values.interval, values.wait);
  return values == Expected ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], "--load-once") == 0) return LoadOnce(argv[2], argc >= 4 ? argv[3] : "tollimer");

  std::filesystem::path directory = "settings-bench-data";
  std::vector<char*> arguments;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--data-dir") == 0 && i + 1 < argc) {
      directory = argv[++i];
    } else {
      arguments.push_back(argv[i]);
    }
  }
  int count = static_cast<int>(arguments.size());
  benchmark::Initialize(&count, arguments.data());

  static std::map<int, FileBytes> files;  // the benchmarks keep pointers into it
  for (const int megabytes : {1, 10, 100}) {
    const FileBytes* bytes = &(files[megabytes] = ReadWhole(EnsureFile(directory, megabytes).c_str()));
    const std::string size = std::to_string(megabytes) + "MB";
    for (const auto& [name, reader] : {std::pair<const char*, Reader>{"tollimer", ReadWithSettingsFile},
                                       {"inih", ReadWithInih}, {"naive", ReadWithNaiveReader}}) {
      benchmark::RegisterBenchmark((std::string(name) + "/" + size).c_str(), BenchmarkReader, reader, bytes)
          ->Unit(benchmark::kMillisecond);
    }
  }
  SummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
