// The Java command line: a fixed part that names the runtime, the jar, the
// splash image, two system properties and the entry class, followed by the
// user's entries.
#ifndef PLOVIK_JAVACMD_H
#define PLOVIK_JAVACMD_H

#include "entry_class.h"
#include "limits.h"

// Filled with the runtime path, then four times the installation directory.
constexpr char kJavaTemplate[] =
    "\"%s\" -splash:\"%s\\plovik_splash.png\" -classpath \"%s\\plovik.jar\"  "
    "-Dtrelvo.bin.name=plovik.exe -Dtrelvo.bin.location=\"%s\\plovik.exe\" "
    "-Xbootclasspath/a:\"%s\\plovik.jar\" " PLOVIK_ENTRY_CLASS;
constexpr size_t kTemplateFields = 5;
constexpr size_t kEntryClassLen = sizeof(PLOVIK_ENTRY_CLASS) - 1;

// Characters of the fixed part that do not come from a field.
constexpr size_t kFixedTextLen = sizeof(kJavaTemplate) - 1 - 2 * kTemplateFields;
static_assert(kFixedTextLen == 155 + kEntryClassLen,
              "the template's own text is 155 characters and the entry class");

constexpr size_t kMaxFixedPartLen = kFixedTextLen + kMaxRuntimePathLen + 4 * kMaxInstallDirLen;

// Each passed entry adds a space and its text. The entries of a copy with k
// spaces hold its length minus k characters in k + 1 entries (or all of them
// in kMaxArgs entries), so together they add at most one more character
// than the copy holds.
constexpr size_t kMaxPassThroughLen = (kCmdLineSize - 1) + 1;

constexpr size_t kJavaCmdSize = kMaxFixedPartLen + kMaxPassThroughLen + 1;

// CreateProcessA takes command lines of up to 32767 characters.
static_assert(kJavaCmdSize - 1 <= 32767, "the line fits CreateProcessA");

// Composes the line in cmd from the runtime path, the installation directory
// and the argument table. Entries that begin with "-J" are dropped (reported
// on standard output in verbose mode, that is at a switch position of 0 or
// more), and so is the entry at the switch position; every other entry
// follows after one space. Returns false, with cmd emptied, for inputs beyond
// the limits above, for which the line might not fit.
bool ComposeJavaCommandLine(char (&cmd)[kJavaCmdSize], const char* javaexec, const char* cwd,
                            int argc, char* const* argv, int plovik_verbose);

#endif
