#include "javacmd.h"

#include <stdio.h>
#include <string.h>

bool ComposeJavaCommandLine(char (&cmd)[kJavaCmdSize], const char* javaexec, const char* cwd,
                            int argc, char* const* argv, int plovik_verbose) {
  cmd[0] = '\0';
  const size_t javaexecLen = strlen(javaexec);
  const size_t cwdLen = strlen(cwd);
  if (javaexecLen > kMaxRuntimePathLen || cwdLen > kMaxInstallDirLen) {
    return false;
  }

  // Fits: both lengths are within what kMaxFixedPartLen allows for.
  size_t len = static_cast<size_t>(sprintf(cmd, kJavaTemplate, javaexec, cwd, cwd, cwd, cwd));

  for (int i = 0; i < argc; ++i) {
    if (i == plovik_verbose) {
      continue;  // the verbose switch is the launcher's own
    }
    const char* entry = argv[i];
    if (entry[0] == '-' && entry[1] == 'J') {
      if (plovik_verbose >= 0) {
        printf("Ignoring option -> %s <-- \n", entry);
      }
      continue;
    }
    const size_t entryLen = strlen(entry);
    if (entryLen >= kJavaCmdSize - len - 1) {
      cmd[0] = '\0';  // more than an argument table can hold
      return false;
    }
    cmd[len] = ' ';
    memcpy(&cmd[len + 1], entry, entryLen + 1);
    len += 1 + entryLen;
  }
  return true;
}
