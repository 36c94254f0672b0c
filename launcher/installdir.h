// Where the launcher is installed and where it expects its Java runtime.
#ifndef PLOVIK_INSTALLDIR_H
#define PLOVIK_INSTALLDIR_H

#include "limits.h"

// Turns the module path in cwd, as fetched by GetModuleFileNameA with the
// result `fetched`, into the installation directory: everything before its
// last backslash. Returns false, with cwd emptied, when the path was not
// fetched whole (nothing, or cut short at the buffer's size) or holds no
// backslash.
bool CutToInstallationDirectory(char (&cwd)[kCwdSize], unsigned long fetched);

// Writes the installation directory followed by kRuntimeSuffix into
// javaexec. Returns false, with javaexec emptied, when the directory is longer
// than kMaxInstallDirLen.
bool FormRuntimePath(char (&javaexec)[kJavaExecSize], const char* cwd);

#endif
