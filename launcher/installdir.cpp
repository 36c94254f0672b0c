#include "installdir.h"

#include <stdio.h>
#include <string.h>

bool CutToInstallationDirectory(char (&cwd)[kCwdSize], unsigned long fetched) {
  cwd[kCwdSize - 1] = '\0';
  // A result of the full size means the path was cut short to fit.
  char* lastBackslash = (fetched > 0 && fetched < kCwdSize) ? strrchr(cwd, '\\') : nullptr;
  if (lastBackslash == nullptr) {
    cwd[0] = '\0';
    return false;
  }
  *lastBackslash = '\0';
  return true;
}

bool FormRuntimePath(char (&javaexec)[kJavaExecSize], const char* cwd) {
  if (strlen(cwd) > kMaxInstallDirLen) {
    javaexec[0] = '\0';
    return false;
  }
  (void)sprintf(javaexec, "%s%s", cwd, kRuntimeSuffix);
  return true;
}
