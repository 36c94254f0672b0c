// A property that must hold for every input; a failure is a finding.
#ifndef PLOVIK_FUZZ_CHECK_H
#define PLOVIK_FUZZ_CHECK_H

#include <stdio.h>
#include <stdlib.h>

#define CHECK(condition)                                                               \
  do {                                                                                 \
    if (!(condition)) {                                                                \
      fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
      abort();                                                                         \
    }                                                                                  \
  } while (0)

#endif
