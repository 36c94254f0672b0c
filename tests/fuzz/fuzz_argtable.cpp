// Any tail: the table is well formed and gives the copied tail back.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "argtable.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The tail ends at the first zero byte, as a C string does.
  const std::string tail(reinterpret_cast<const char*>(data),
                         strnlen(reinterpret_cast<const char*>(data), size));
  const std::string before = tail;
  char cmdLine[kCmdLineSize];
  char* argv[kMaxArgs];
  const int argc = FillArgumentTable(tail.c_str(), cmdLine, argv);

  CHECK(tail == before);
  CHECK(argc >= 0 && argc <= kMaxArgs);
  CHECK((argc == 0) == tail.empty());
  for (int k = argc; k < kMaxArgs; ++k) CHECK(argv[k] == nullptr);

  std::string joined;
  const char* next = cmdLine;
  for (int k = 0; k < argc; ++k) {
    CHECK(argv[k] == next);  // back to back, in order, inside the copy
    const size_t len = strlen(argv[k]);
    CHECK(argv[k] + len < cmdLine + kCmdLineSize);
    if (k < kMaxArgs - 1) CHECK(memchr(argv[k], ' ', len) == nullptr);
    joined += (k == 0 ? "" : " ") + std::string(argv[k], len);
    next = argv[k] + len + 1;
  }
  CHECK(joined == tail.substr(0, kCmdLineSize - 1));
  return 0;
}
