#include "verbose.h"

#include <string.h>

int ScanForVerboseSwitch(int argc, char* const* argv, void (*onMatch)()) {
  int plovik_verbose = -1;
  for (int i = 0; i < argc; ++i) {
    if (strcmp(kVerboseSwitch, argv[i]) == 0) {
      onMatch();
      plovik_verbose = i;
    }
  }
  return plovik_verbose;
}
