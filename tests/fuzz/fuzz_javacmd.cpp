// Any installation directory a module path allows, any tail and any switch
// position: the line has the length of the formula, and holds exactly the
// entries that are neither -J options nor the verbose switch.
#include <stdint.h>
#include <stdio.h>
#include <string.h>

#include <string>

#include "argtable.h"
#include "fuzz_check.h"
#include "installdir.h"
#include "javacmd.h"
#include "verbose.h"

namespace {
void Ignore() {}
}  // namespace

// Input: two bytes for the directory's length, one for the switch position,
// the directory's bytes, then the tail.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  const size_t dirLen = ((size_t(data[0]) << 8) | data[1]) % (kMaxInstallDirLen + 1);
  const uint8_t switchByte = data[2];
  data += 3;
  size -= 3;
  if (size < dirLen) return 0;
  std::string dir(reinterpret_cast<const char*>(data), dirLen);
  for (char& ch : dir) ch = ch == '\0' ? 'x' : ch;  // a path holds no zero byte
  data += dirLen;
  size -= dirLen;
  const std::string tail(reinterpret_cast<const char*>(data),
                         strnlen(reinterpret_cast<const char*>(data), size));

  // The directory as the launcher derives it from its module path.
  const std::string modulePath = dir + "\\plovik.exe";
  char cwd[kCwdSize] = {};
  if (modulePath.size() >= kCwdSize) return 0;
  memcpy(cwd, modulePath.c_str(), modulePath.size() + 1);
  CHECK(CutToInstallationDirectory(cwd, static_cast<unsigned long>(modulePath.size())));
  CHECK(dir == cwd);
  char javaexec[kJavaExecSize];
  CHECK(FormRuntimePath(javaexec, cwd));

  char cmdLine[kCmdLineSize];
  char* argv[kMaxArgs];
  const int argc = FillArgumentTable(tail.c_str(), cmdLine, argv);
  int position = -1;
  if (switchByte == 1) {
    position = ScanForVerboseSwitch(argc, argv, Ignore);
  } else if (switchByte > 1) {
    position = (switchByte - 2) % (argc + 1) - 1;  // -1 to argc - 1
  }

  static char cmd[kJavaCmdSize];
  static FILE* quiet = freopen("/dev/null", "w", stdout);  // the "Ignoring option" lines
  (void)quiet;
  CHECK(ComposeJavaCommandLine(cmd, javaexec, cwd, argc, argv, position));

  const size_t cwdLen = strlen(cwd);
  const size_t fixedLen = 155 + strlen(PLOVIK_ENTRY_CLASS) + strlen(javaexec) + 4 * cwdLen;
  std::string passed;
  for (int k = 0; k < argc; ++k) {
    const bool dropped = argv[k][0] == '-' && argv[k][1] == 'J';
    if (k != position && !dropped) passed += std::string(" ") + argv[k];
  }
  const size_t len = strlen(cmd);
  CHECK(len == fixedLen + passed.size());
  CHECK(len < kJavaCmdSize);
  CHECK(memcmp(cmd, "\"", 1) == 0 && strncmp(cmd + 1, javaexec, strlen(javaexec)) == 0);
  CHECK(std::string(cmd + fixedLen) == passed);
  return 0;
}
