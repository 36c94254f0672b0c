// Sizes of the launcher's fixed buffers and the proofs that they are big
// enough for every input the launcher can be given.
#ifndef PLOVIK_LIMITS_H
#define PLOVIK_LIMITS_H

#include <stddef.h>

// Argument table: at most this many entries...
constexpr int kMaxArgs = 32;
// ...taken from a copy of at most kCmdLineSize - 1 characters of the tail.
constexpr size_t kCmdLineSize = 2048;

// Module path as fetched; what is left after the cut is the installation
// directory.
constexpr size_t kCwdSize = 512;

// A module path of at most kCwdSize - 1 characters holds at least one
// backslash in front of the directory's end, so the directory is shorter.
constexpr size_t kMaxInstallDirLen = kCwdSize - 2;

// The runtime lives beside the installation directory.
constexpr char kRuntimeSuffix[] = "\\..\\jre\\bin\\java.exe";
constexpr size_t kRuntimeSuffixLen = sizeof(kRuntimeSuffix) - 1;
static_assert(kRuntimeSuffixLen == 20, "runtime suffix is 20 characters");

constexpr size_t kMaxRuntimePathLen = kMaxInstallDirLen + kRuntimeSuffixLen;
constexpr size_t kJavaExecSize = kMaxRuntimePathLen + 1;

// The message the runtime check shows, also used when the launcher cannot
// tell where it is installed.
constexpr char kRuntimeMissingText[] = "..\\jre\\bin\\java.exe does not exist";

#endif
