#include "argtable.h"

#include <string.h>

int FillArgumentTable(const char* lpCmdLine, char (&cmdLine)[kCmdLineSize],
                      char* (&argv)[kMaxArgs]) {
  int argc = 0;
  for (int k = 0; k < kMaxArgs; ++k) {
    argv[k] = nullptr;
  }
  if (lpCmdLine[0] == '\0') {
    return 0;
  }

  // strncpy pads with zeros, so together with the last byte the copy writes
  // the whole buffer and a long tail is cut after kCmdLineSize - 1 bytes.
  strncpy(cmdLine, lpCmdLine, kCmdLineSize - 1);
  cmdLine[kCmdLineSize - 1] = '\0';

  int b = 0;
  const int len = static_cast<int>(strlen(cmdLine));
  for (int i = 0; i < len; ++i) {
    if (cmdLine[i] != ' ') {
      continue;
    }
    if (argc == kMaxArgs - 1) {
      break;  // the last entry keeps the rest of the copy
    }
    argv[argc] = &cmdLine[b];
    argc++;
    cmdLine[i] = '\0';
    b = i + 1;
  }
  argv[argc] = &cmdLine[b];
  argc++;
  return argc;
}
