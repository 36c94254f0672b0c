// plovik.exe: starts the private Java runtime installed beside the
// launcher's directory with the product's jar, splash image and entry class.
#include <windows.h>
// The headers below need the declarations of windows.h.
#include <fcntl.h>
#include <io.h>
#include <shlwapi.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>

#include "argtable.h"
#include "installdir.h"
#include "javacmd.h"
#include "limits.h"
#include "verbose.h"

static_assert(sizeof(STARTUPINFOA) == 104, "STARTUPINFOA of 64-bit Windows");

// Gives the launcher a console of its own (the first call creates it) and
// binds standard output to it, unbuffered, so that each diagnostic is on the
// console before any box that follows it.
static void SetStdOutToNewConsole() {
  int hConHandle;
  long lStdHandle;
  FILE* fp;

  AllocConsole();
  // Handles have 32 significant bits, so the narrowing keeps every value.
  lStdHandle = static_cast<long>(reinterpret_cast<intptr_t>(GetStdHandle(STD_OUTPUT_HANDLE)));
  hConHandle = _open_osfhandle(static_cast<intptr_t>(lStdHandle), _O_TEXT);
  fp = _fdopen(hConHandle, "w");
  if (fp == nullptr) {
    return;  // no console and no standard output: leave stdout as it was
  }
  __iob_func()[1] = *fp;
  (void)setvbuf(&__iob_func()[1], nullptr, _IONBF, 0);
}

static void TurnVerboseOn() {
  SetStdOutToNewConsole();
  puts(kVerboseNotice);
}

// The one report for a runtime that is not there, or that cannot be looked
// for because the launcher cannot tell where it is installed.
static int ReportMissingRuntime(int plovik_verbose) {
  if (plovik_verbose >= 0) {
    printf("PANIC !!! %s", kRuntimeMissingText);
  }
  MessageBoxA(nullptr, kRuntimeMissingText, "Error", MB_ICONERROR);
  return -1;
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInst, LPSTR lpCmdLine, int nShowCmd) {
  (void)hInstance;
  (void)hPrevInst;
  (void)nShowCmd;

  char cmdLine[kCmdLineSize];
  char* argv[kMaxArgs];
  const int argc = FillArgumentTable(lpCmdLine, cmdLine, argv);

  const int plovik_verbose = ScanForVerboseSwitch(argc, argv, TurnVerboseOn);

  char javaexec[kJavaExecSize];
  char cmd[kJavaCmdSize];
  char cwd[kCwdSize];
  memset(javaexec, 0, sizeof(javaexec));
  memset(cmd, 0, sizeof(cmd));
  memset(cwd, 0, sizeof(cwd));

  const DWORD fetched = GetModuleFileNameA(nullptr, cwd, kCwdSize);
  if (!CutToInstallationDirectory(cwd, fetched) || !FormRuntimePath(javaexec, cwd)) {
    return ReportMissingRuntime(plovik_verbose);
  }
  if (plovik_verbose >= 0) {
    printf("cwd is %s\n", cwd);
    printf("checking if file exists %s\n", javaexec);
  }
  if (!PathFileExistsA(javaexec)) {
    return ReportMissingRuntime(plovik_verbose);
  }

  if (!ComposeJavaCommandLine(cmd, javaexec, cwd, argc, argv, plovik_verbose)) {
    // Cannot happen with the sizes above; refuse rather than start a
    // different line.
    MessageBoxA(nullptr, "Java command line too long", "Error", MB_ICONERROR);
    return -1;
  }
  if (plovik_verbose >= 0) {
    printf("cmd is -> %s <-", cmd);
    MessageBoxA(nullptr, cmd, "Info", MB_ICONINFORMATION);
  }

  STARTUPINFOA si;
  memset(&si, 0, sizeof(si));
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi;
  memset(&pi, 0, sizeof(pi));

  if (!CreateProcessA(nullptr, cmd, nullptr, nullptr, FALSE, CREATE_NO_WINDOW | DETACHED_PROCESS,
                      nullptr, nullptr, &si, &pi)) {
    const DWORD error = GetLastError();
    printf("CreateProcess failed (%lu).\n", error);
    MessageBoxA(nullptr, cmd, "Info", MB_ICONINFORMATION);
    return 0;
  }

  // Waiting in every mode keeps the verbose console readable while the Java
  // side runs; the child's own status is not the launcher's.
  WaitForSingleObject(pi.hProcess, INFINITE);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
  return 0;
}
