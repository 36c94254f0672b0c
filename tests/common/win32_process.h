// Starting a program with an exact command line and finding the message
// boxes of a process, for the end-to-end tests and the benchmark.
#ifndef PLOVIK_TESTS_WIN32_PROCESS_H
#define PLOVIK_TESTS_WIN32_PROCESS_H

#include <string.h>
#include <windows.h>

#include <string>
#include <vector>

inline STARTUPINFOA EmptyStartupInfo() {
  STARTUPINFOA si;
  ZeroMemory(&si, sizeof(si));
  si.cb = sizeof(si);
  return si;
}

// CreateProcessA with no application name, so that the program to start is
// the first token of `commandLine`, which is passed on unchanged.
inline bool StartWithCommandLine(const std::string& commandLine, bool inheritHandles, DWORD flags,
                                 const char* currentDir, STARTUPINFOA& si,
                                 PROCESS_INFORMATION& pi) {
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  ZeroMemory(&pi, sizeof(pi));
  return CreateProcessA(nullptr, line.data(), nullptr, nullptr, inheritHandles ? TRUE : FALSE,
                        flags, nullptr, currentDir, &si, &pi) != FALSE;
}

// The visible message boxes (dialog class "#32770") that process `pid` shows.
inline std::vector<HWND> MessageBoxesOf(DWORD pid) {
  struct Search {
    DWORD pid;
    std::vector<HWND> found;
  } search = {pid, {}};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        Search* s = reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        char cls[16] = "";
        GetClassNameA(window, cls, sizeof(cls));
        if (owner == s->pid && strcmp(cls, "#32770") == 0 && IsWindowVisible(window)) {
          s->found.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

inline void PressOk(HWND box) { PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }

#endif
