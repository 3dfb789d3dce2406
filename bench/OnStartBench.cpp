// BKC_OnStart of the real Tollimer.dll against the plain reading of the same
// settings file, and against two GetPrivateProfileIntA calls, side by side in
// one process. The program is the host: it exports the BKA_ functions the
// plug-in binds, loads Tollimer.dll from beside itself, and puts each file
// there as Tollimer.ini.
//
//   onstart_bench FILE...   medians in milliseconds; a small file of its own first
//
// - BKC_OnStart: the plug-in's whole start: the file's existence test,
//   opening, reading into a heap block, both lookups, freeing the block.
// - read: CreateFileA, GetFileSizeEx, HeapAlloc of a fresh block, ReadFile,
//   CloseHandle; the block is freed after the clock stops.
// - profile: GetPrivateProfileIntA for each key, each cold: the file's
//   last-write time is moved before each call (outside the clock), so that no
//   cache of the system's profile reader can help.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "HostExports.h"

extern "C" LPCSTR WINAPI BKA_GetVersion() { return "2.60.00"; }
extern "C" BOOL WINAPI BKA_GetWindowHandles(HWND* main, HWND* tree, HWND* list, HWND* view) {
  for (HWND* slot : {main, tree, list, view}) {
    if (slot != nullptr) *slot = nullptr;
  }
  return TRUE;
}
// The name is pasted first: GetTempFileName alone is a macro of windows.h.
#define BENCH_HOST_GetVersionFn(name)
#define BENCH_HOST_GetWindowHandlesFn(name)
#define BENCH_HOST_HostEntry(name) \
  extern "C" INT_PTR WINAPI name() { return 0; }
#define BENCH_HOST_EXPORT(field, type, need) BENCH_HOST_##type(BKA_##field)
TOLLIMER_HOST_EXPORTS(BENCH_HOST_EXPORT)

namespace {

double Frequency() {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(frequency.QuadPart) / 1000.0;  // ticks per millisecond
}

template <typename Body>
double TimeMs(Body body) {
  static const double ticksPerMs = Frequency();
  LARGE_INTEGER start, stop;
  QueryPerformanceCounter(&start);
  body();
  QueryPerformanceCounter(&stop);
  return static_cast<double>(stop.QuadPart - start.QuadPart) / ticksPerMs;
}

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// The plain reading the plug-in is measured against. Returns the block.
void* ReadWhole(const char* path) {
  const HANDLE file =
      CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  LARGE_INTEGER size{};
  GetFileSizeEx(file, &size);
  void* block = HeapAlloc(GetProcessHeap(), 0, static_cast<SIZE_T>(size.QuadPart));
  DWORD read = 0;
  if (block != nullptr) ReadFile(file, block, static_cast<DWORD>(size.QuadPart), &read, nullptr);
  CloseHandle(file);
  return block;
}

// A later last-write time each time: the profile reader must read anew.
void TouchFile(const char* path, LONGLONG& step) {
  const HANDLE file = CreateFileA(path, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  SYSTEMTIME now;
  GetSystemTime(&now);
  FILETIME time;
  SystemTimeToFileTime(&now, &time);
  ULARGE_INTEGER value{{time.dwLowDateTime, time.dwHighDateTime}};
  value.QuadPart += static_cast<ULONGLONG>(++step) * 10000000;  // one more second each time
  time = {value.LowPart, value.HighPart};
  SetFileTime(file, nullptr, nullptr, &time);
  CloseHandle(file);
}

std::string BesideThisProgram(const char* name) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string text = path;
  return text.substr(0, text.find_last_of("\\/") + 1) + name;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string settings = BesideThisProgram("Tollimer.ini");
  const std::string small = BesideThisProgram("small-settings.ini");
  {
    const char text[] = "; Tollimer\r\n[Env]\r\nInterbalMinute=15\r\nConnectWaitMilliSecond=2500\r\n";
    const HANDLE file = CreateFileA(small.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, text, sizeof text - 1, &written, nullptr);
    CloseHandle(file);
  }
  std::vector<std::string> inputs{small};
  for (int i = 1; i < argc; ++i) inputs.push_back(argv[i]);

  const HMODULE plugin = LoadLibraryA(BesideThisProgram("Tollimer.dll").c_str());
  const auto onStart = reinterpret_cast<int(WINAPI*)()>(
      reinterpret_cast<void (*)()>(GetProcAddress(plugin, "BKC_OnStart")));
  if (onStart == nullptr) {
    std::printf("onstart_bench: cannot load Tollimer.dll beside the program\n");
    return 1;
  }

  std::printf("%-20s %10s %12s %9s %10s %12s %10s\n", "file", "bytes", "BKC_OnStart", "read", "OnStart/", "2x profile",
              "profile/");
  std::printf("%-20s %10s %12s %9s %10s %12s %10s\n", "", "", "ms", "ms", "read", "ms", "OnStart");
  LONGLONG step = 0;
  for (const std::string& input : inputs) {
    if (!CopyFileA(input.c_str(), settings.c_str(), FALSE)) {
      std::printf("onstart_bench: cannot copy %s\n", input.c_str());
      return 1;
    }
    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    GetFileAttributesExA(settings.c_str(), GetFileExInfoStandard, &attributes);

    // Taken in turn, so that both see the same conditions.
    std::vector<double> starts, reads;
    for (int round = 0; round < 21; ++round) {
      starts.push_back(TimeMs([&] { onStart(); }));
      void* block = nullptr;
      reads.push_back(TimeMs([&] { block = ReadWhole(settings.c_str()); }));
      HeapFree(GetProcessHeap(), 0, block);
    }

    std::vector<double> profiles;
    int interval = 0, wait = 0;
    for (int round = 0; round < 5; ++round) {
      double total = 0;
      TouchFile(settings.c_str(), step);
      total += TimeMs([&] { interval = GetPrivateProfileIntA("Env", "InterbalMinute", 10, settings.c_str()); });
      TouchFile(settings.c_str(), step);
      total += TimeMs([&] { wait = GetPrivateProfileIntA("Env", "ConnectWaitMilliSecond", 1000, settings.c_str()); });
      profiles.push_back(total);
    }
    // The system's reader takes the first [Env] of the generated files, the
    // plug-in the last: the work is the same, the values differ.
    if (interval != 15 || wait != 2500) std::printf("(GetPrivateProfileIntA: %d and %d, from the first [Env])\n", interval, wait);

    const double start = Median(starts), read = Median(reads), profile = Median(profiles);
    const std::string name = input.substr(input.find_last_of("\\/") + 1);
    std::printf("%-20s %10lu %12.3f %9.3f %9.2fx %12.3f %9.1fx\n", name.c_str(), attributes.nFileSizeLow, start, read,
                start / read, profile, profile / start);
  }
  FreeLibrary(plugin);
  DeleteFileA(settings.c_str());
  DeleteFileA(small.c_str());
  return 0;
}
