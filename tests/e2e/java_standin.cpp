// Stands in for the Java runtime's java.exe in the end-to-end tests. It
// records how it was started into record beside itself, lingers for
// PLOVIK_TEST_LINGER_MS milliseconds if that is set, and then notes that it
// ended. Each field is "key length:value\n", so any byte can be recorded.
#include <stdio.h>
#include <stdlib.h>
#include <windows.h>

#include <string>

namespace {

void Field(std::string& out, const char* key, const std::string& value) {
  out += key;
  out += ' ';
  out += std::to_string(value.size());
  out += ':';
  out += value;
  out += '\n';
}

std::string Env(const char* name) {
  char value[4096];
  const DWORD n = GetEnvironmentVariableA(name, value, sizeof(value));
  return (n > 0 && n < sizeof(value)) ? std::string(value, n) : std::string();
}

const char* FileType(HANDLE h) {
  if (h == nullptr || h == INVALID_HANDLE_VALUE) return "none";
  switch (GetFileType(h)) {
    case FILE_TYPE_DISK:
      return "disk";
    case FILE_TYPE_CHAR:
      return "char";
    case FILE_TYPE_PIPE:
      return "pipe";
    default:
      return "unknown";
  }
}

// PLOVIK_TEST_HANDLE is "<handle value in hex>|<path>": a file handle that
// the test made inheritable. The handle was inherited if that value in this
// process refers to the same file.
std::string InheritedHandle() {
  const std::string handleAndPath = Env("PLOVIK_TEST_HANDLE");
  const size_t bar = handleAndPath.find('|');
  if (bar == std::string::npos) return "not asked";
  HANDLE h = reinterpret_cast<HANDLE>(strtoull(handleAndPath.substr(0, bar).c_str(), nullptr, 16));
  BY_HANDLE_FILE_INFORMATION given, own;
  if (!GetFileInformationByHandle(h, &given)) return "absent";
  HANDLE mine = CreateFileA(handleAndPath.substr(bar + 1).c_str(), 0,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (mine == INVALID_HANDLE_VALUE) return "cannot tell";
  const BOOL ok = GetFileInformationByHandle(mine, &own);
  CloseHandle(mine);
  const bool same = ok && given.dwVolumeSerialNumber == own.dwVolumeSerialNumber &&
                    given.nFileIndexHigh == own.nFileIndexHigh &&
                    given.nFileIndexLow == own.nFileIndexLow;
  return same ? "inherited" : "absent";
}

std::string HasConsole() {
  HANDLE out = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
  const bool opened = out != INVALID_HANDLE_VALUE;
  if (opened) CloseHandle(out);
  return (opened || GetConsoleWindow() != nullptr) ? "yes" : "no";
}

void Save(const std::string& path, const std::string& text) {
  const std::string partial = path + ".new";
  FILE* f = fopen(partial.c_str(), "wb");
  if (f == nullptr) return;
  fwrite(text.data(), 1, text.size(), f);
  fclose(f);
  MoveFileExA(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

}  // namespace

int main(int argc, char** argv) {
  LARGE_INTEGER started;
  QueryPerformanceCounter(&started);

  char self[MAX_PATH * 4];
  const DWORD n = GetModuleFileNameA(nullptr, self, sizeof(self));
  std::string record = std::string(self, n);
  record = record.substr(0, record.rfind('\\') + 1) + "record";

  std::string out;
  Field(out, "started", std::to_string(started.QuadPart));
  Field(out, "pid", std::to_string(GetCurrentProcessId()));
  Field(out, "cmdline", GetCommandLineA());
  Field(out, "argc", std::to_string(argc));
  for (int i = 0; i < argc; ++i) Field(out, "arg", argv[i]);
  char cwd[MAX_PATH * 4];
  const DWORD cwdLen = GetCurrentDirectoryA(sizeof(cwd), cwd);
  Field(out, "cwd", std::string(cwd, cwdLen < sizeof(cwd) ? cwdLen : 0));
  Field(out, "console", HasConsole());
  Field(out, "stdin", FileType(GetStdHandle(STD_INPUT_HANDLE)));
  Field(out, "stdout", FileType(GetStdHandle(STD_OUTPUT_HANDLE)));
  Field(out, "stderr", FileType(GetStdHandle(STD_ERROR_HANDLE)));
  Field(out, "handle", InheritedHandle());
  Field(out, "env", Env("PLOVIK_TEST_ENV"));
  Save(record, out);

  const std::string linger = Env("PLOVIK_TEST_LINGER_MS");
  if (!linger.empty()) Sleep(static_cast<DWORD>(atoi(linger.c_str())));
  Field(out, "ended", "yes");
  Save(record, out);
  return 0;
}
