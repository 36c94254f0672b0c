// Launch figures for plovik.exe: how much later the runtime starts through
// the launcher than when started directly, in quiet and verbose mode, and
// how much memory the launcher holds while it waits. Prints a Markdown table.
// Finds plovik.exe and java_standin.exe beside itself.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>
// psapi.h needs the declarations of windows.h.
#include <psapi.h>

#include <algorithm>
#include <string>
#include <vector>

#include "win32_process.h"

namespace {

const int kRuns = 51;

std::string Dir(const std::string& path) { return path.substr(0, path.rfind('\\')); }

std::string Self() {
  char path[MAX_PATH * 2];
  const DWORD n = GetModuleFileNameA(nullptr, path, sizeof(path));
  return std::string(path, n);
}

double TicksPerMs() {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return static_cast<double>(f.QuadPart) / 1000.0;
}

// The stamp the stand-in records first: "started <len>:<ticks>".
long long StartedStamp(const std::string& record) {
  FILE* f = fopen(record.c_str(), "rb");
  if (f == nullptr) return -1;
  char text[256] = "";
  const size_t got = fread(text, 1, sizeof(text) - 1, f);
  fclose(f);
  text[got] = '\0';
  const char* colon = strchr(text, ':');
  return (strncmp(text, "started ", 8) == 0 && colon != nullptr) ? atoll(colon + 1) : -1;
}

struct Sample {
  double ms = -1;
  SIZE_T peakWorkingSet = 0;
};

// Starts `commandLine`, closes its boxes at once, and measures the time from
// CreateProcess until the stand-in's first stamp.
Sample StartOnce(const std::string& commandLine, DWORD flags, const std::string& record,
                 bool measureMemory) {
  DeleteFileA(record.c_str());
  STARTUPINFOA si = EmptyStartupInfo();
  PROCESS_INFORMATION pi;
  LARGE_INTEGER t0;
  QueryPerformanceCounter(&t0);
  Sample sample;
  if (!StartWithCommandLine(commandLine, false, flags, nullptr, si, pi)) {
    fprintf(stderr, "cannot start %s: %lu\n", commandLine.c_str(), GetLastError());
    return sample;
  }
  bool measured = false;
  while (WaitForSingleObject(pi.hProcess, 1) == WAIT_TIMEOUT) {
    for (HWND box : MessageBoxesOf(pi.dwProcessId)) PressOk(box);
    if (measureMemory && !measured &&
        GetFileAttributesA(record.c_str()) != INVALID_FILE_ATTRIBUTES) {
      PROCESS_MEMORY_COUNTERS counters;
      if (GetProcessMemoryInfo(pi.hProcess, &counters, sizeof(counters))) {
        sample.peakWorkingSet = counters.PeakWorkingSetSize;
      }
      measured = true;
    }
  }
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  const long long started = StartedStamp(record);
  if (started > 0) sample.ms = static_cast<double>(started - t0.QuadPart) / TicksPerMs();
  return sample;
}

double Median(const std::string& commandLine, DWORD flags, const std::string& record) {
  std::vector<double> times;
  for (int run = 0; run < kRuns; ++run) {
    const double ms = StartOnce(commandLine, flags, record, false).ms;
    if (ms >= 0) times.push_back(ms);
  }
  if (times.empty()) return -1;
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

bool Copy(const std::string& from, const std::string& to) {
  if (CopyFileA(from.c_str(), to.c_str(), FALSE)) return true;
  fprintf(stderr, "cannot copy %s to %s: %lu\n", from.c_str(), to.c_str(), GetLastError());
  return false;
}

}  // namespace

int main() {
  const std::string here = Dir(Self());
  char temp[MAX_PATH];
  GetTempPathA(sizeof(temp), temp);
  const std::string root =
      std::string(temp) + "plovik-bench-" + std::to_string(GetCurrentProcessId());
  const std::string app = root + "\\app";
  const std::string bin = root + "\\jre\\bin";
  CreateDirectoryA(root.c_str(), nullptr);
  CreateDirectoryA(app.c_str(), nullptr);
  CreateDirectoryA((root + "\\jre").c_str(), nullptr);
  CreateDirectoryA(bin.c_str(), nullptr);
  if (!Copy(here + "\\plovik.exe", app + "\\plovik.exe") ||
      !Copy(here + "\\java_standin.exe", bin + "\\java.exe")) {
    return 1;
  }
  const std::string record = bin + "\\record";
  const std::string launcher = "\"" + app + "\\plovik.exe\"";
  const std::string direct = "\"" + bin + "\\java.exe\" x";

  const DWORD detachedNoWindow = CREATE_NO_WINDOW | DETACHED_PROCESS;
  const double directMs = Median(direct, detachedNoWindow, record);
  const double quietMs = Median(launcher + " x", DETACHED_PROCESS, record);
  const double verboseMs = Median(launcher + " -plovik_verbose x", DETACHED_PROCESS, record);

  SetEnvironmentVariableA("PLOVIK_TEST_LINGER_MS", "500");
  const Sample waiting = StartOnce(launcher + " x", DETACHED_PROCESS, record, true);
  const Sample waitingVerbose =
      StartOnce(launcher + " -plovik_verbose x", DETACHED_PROCESS, record, true);
  SetEnvironmentVariableA("PLOVIK_TEST_LINGER_MS", nullptr);

  printf("| figure | value |\n|---|---|\n");
  printf("| runs per median | %d |\n", kRuns);
  printf("| start of java.exe directly (median) | %.1f ms |\n", directMs);
  printf("| start of java.exe through plovik.exe, quiet (median) | %.1f ms |\n", quietMs);
  printf("| ratio, quiet | %.2f |\n", directMs > 0 ? quietMs / directMs : -1.0);
  printf("| start through plovik.exe, verbose, box closed at once (median) | %.1f ms |\n",
         verboseMs);
  printf("| ratio, verbose | %.2f |\n", directMs > 0 ? verboseMs / directMs : -1.0);
  printf("| peak working set of plovik.exe while it waits, quiet | %.0f KiB |\n",
         waiting.peakWorkingSet / 1024.0);
  printf("| peak working set of plovik.exe while it waits, verbose | %.0f KiB |\n",
         waitingVerbose.peakWorkingSet / 1024.0);

  DeleteFileA(record.c_str());
  DeleteFileA((bin + "\\java.exe").c_str());
  DeleteFileA((app + "\\plovik.exe").c_str());
  RemoveDirectoryA(bin.c_str());
  RemoveDirectoryA((root + "\\jre").c_str());
  RemoveDirectoryA(app.c_str());
  RemoveDirectoryA(root.c_str());
  return 0;
}
