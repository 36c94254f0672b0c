// The argument table: the command-line tail split at every space.
#ifndef PLOVIK_ARGTABLE_H
#define PLOVIK_ARGTABLE_H

#include "limits.h"

// Copies at most kCmdLineSize - 1 characters of lpCmdLine into cmdLine and
// splits the copy at every space into at most kMaxArgs entries; the last
// entry of a full table keeps the rest of the copy, spaces included. Every
// entry points into cmdLine; unused entries are null. An empty tail leaves
// cmdLine untouched. Returns the number of entries.
int FillArgumentTable(const char* lpCmdLine, char (&cmdLine)[kCmdLineSize],
                      char* (&argv)[kMaxArgs]);

#endif
