#include "harness.h"

#include <gtest/gtest.h>
#include <stdio.h>

#include "entry_class.h"
#include "win32_process.h"

namespace e2e {

std::string SelfDir() {
  char path[MAX_PATH * 4];
  const DWORD n = GetModuleFileNameA(nullptr, path, sizeof(path));
  std::string self(path, n);
  return self.substr(0, self.rfind('\\'));
}

std::string BuiltLauncher() { return SelfDir() + "\\plovik.exe"; }
std::string BuiltStandin() { return SelfDir() + "\\java_standin.exe"; }

void MakeDirs(const std::string& path) {
  for (size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1)) {
    CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
  }
  CreateDirectoryA(path.c_str(), nullptr);
  ASSERT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << path;
}

void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA found;
  HANDLE h = FindFirstFileA((path + "\\*").c_str(), &found);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string child = path + "\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(child.c_str());
      }
    } while (FindNextFileA(h, &found));
    FindClose(h);
  }
  RemoveDirectoryA(path.c_str());
}

void CopyOrFail(const std::string& from, const std::string& to) {
  ASSERT_TRUE(CopyFileA(from.c_str(), to.c_str(), FALSE))
      << from << " -> " << to << " error " << GetLastError();
}

Installation Install(const std::string& dir, Runtime runtime, const std::string& name) {
  Installation inst;
  inst.dir = dir;
  inst.launcher = dir + "\\" + name;
  inst.runtime = dir + "\\..\\jre\\bin\\java.exe";
  const size_t cut = dir.rfind('\\');
  const std::string bin = (cut == std::string::npos ? dir : dir.substr(0, cut)) + "\\jre\\bin";
  inst.record = bin + "\\record";
  MakeDirs(dir);
  CopyOrFail(BuiltLauncher(), inst.launcher);
  if (runtime == Runtime::Standin) {
    MakeDirs(bin);
    CopyOrFail(BuiltStandin(), bin + "\\java.exe");
  } else if (runtime == Runtime::Directory) {
    MakeDirs(bin + "\\java.exe");
  }
  return inst;
}

std::string FixedPart(const std::string& dir) {
  return "\"" + dir + "\\..\\jre\\bin\\java.exe\" -splash:\"" + dir +
         "\\plovik_splash.png\" -classpath \"" + dir +
         "\\plovik.jar\"  -Dtrelvo.bin.name=plovik.exe -Dtrelvo.bin.location=\"" + dir +
         "\\plovik.exe\" -Xbootclasspath/a:\"" + dir + "\\plovik.jar\" " PLOVIK_ENTRY_CLASS;
}

DWORD StartError(const std::string& line) {
  STARTUPINFOA si = EmptyStartupInfo();
  PROCESS_INFORMATION pi;
  if (StartWithCommandLine(line, false, CREATE_NO_WINDOW | DETACHED_PROCESS, nullptr, si, pi)) {
    WaitForSingleObject(pi.hProcess, INFINITE);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return 0;
  }
  return GetLastError();
}

std::string Quoted(const std::string& exe, const std::string& tail) {
  return "\"" + exe + "\"" + (tail.empty() ? "" : " " + tail);
}

namespace {

std::string WindowText(HWND window) {
  std::vector<char> text(GetWindowTextLengthA(window) + 2);
  GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  return text.data();
}

void Drain(HANDLE pipe, std::string& into) {
  DWORD available = 0;
  while (PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
    char chunk[4096];
    DWORD got = 0;
    if (!ReadFile(pipe, chunk, sizeof(chunk), &got, nullptr) || got == 0) break;
    into.append(chunk, got);
  }
}

// A message box's text stands in its static control, whose id is 0xFFFF.
const int kBoxTextId = 0xFFFF;
const DWORD kTimeLimitMs = 60000;

}  // namespace

Outcome RunLauncher(const Launch& launch) {
  Outcome outcome;
  SECURITY_ATTRIBUTES inheritable = {sizeof(inheritable), nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  STARTUPINFOA si = EmptyStartupInfo();
  if (launch.pipeOutput) {
    EXPECT_TRUE(CreatePipe(&readEnd, &writeEnd, &inheritable, 1 << 16));
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = writeEnd;
  }
  PROCESS_INFORMATION pi;
  outcome.started = StartWithCommandLine(
      launch.commandLine, launch.pipeOutput || launch.inheritHandles, launch.creationFlags,
      launch.currentDir.empty() ? nullptr : launch.currentDir.c_str(), si, pi);
  const DWORD startError = GetLastError();
  if (writeEnd != nullptr) CloseHandle(writeEnd);
  EXPECT_TRUE(outcome.started) << launch.commandLine << " error " << startError;
  if (!outcome.started) {
    if (readEnd != nullptr) CloseHandle(readEnd);
    return outcome;
  }

  const DWORD begin = GetTickCount();
  std::vector<HWND> closing;
  while (WaitForSingleObject(pi.hProcess, 20) == WAIT_TIMEOUT) {
    if (readEnd != nullptr) Drain(readEnd, outcome.output);
    if (GetTickCount() - begin > kTimeLimitMs) {
      TerminateProcess(pi.hProcess, 99);
      ADD_FAILURE() << "launcher still running after " << kTimeLimitMs
                    << " ms: " << launch.commandLine;
      break;
    }
    if (launch.onPoll) launch.onPoll(pi.dwProcessId);
    for (HWND box : MessageBoxesOf(pi.dwProcessId)) {
      bool seen = false;
      for (HWND c : closing) seen = seen || (c == box && IsWindow(c));
      if (seen) continue;
      Box b;
      b.caption = WindowText(box);
      std::vector<char> text(1 << 15);
      GetDlgItemTextA(box, kBoxTextId, text.data(), static_cast<int>(text.size()));
      b.text = text.data();
      if (launch.onBox) launch.onBox(b, pi.dwProcessId);
      outcome.boxes.push_back(b);
      closing.push_back(box);
      PressOk(box);
    }
  }
  outcome.finished = WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0;
  GetExitCodeProcess(pi.hProcess, &outcome.exitCode);
  if (readEnd != nullptr) {
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(readEnd, chunk, sizeof(chunk), &got, nullptr) && got > 0) {
      outcome.output.append(chunk, got);
    }
    CloseHandle(readEnd);
  }
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return outcome;
}

namespace {

void TrimRight(std::string& row) {
  while (!row.empty() && row.back() == ' ') row.pop_back();
}

}  // namespace

Screen ReadConsoleOf(DWORD pid) {
  Screen screen;
  FreeConsole();
  if (!AttachConsole(pid)) return screen;
  screen.attached = true;
  HANDLE out = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (out != INVALID_HANDLE_VALUE && GetConsoleScreenBufferInfo(out, &info)) {
    screen.width = info.dwSize.X;
    for (SHORT y = 0; y <= info.dwCursorPosition.Y; ++y) {
      std::string row(screen.width, ' ');
      DWORD got = 0;
      COORD at = {0, y};
      ReadConsoleOutputCharacterA(out, &row[0], screen.width, at, &got);
      row.resize(y == info.dwCursorPosition.Y ? info.dwCursorPosition.X : got);
      TrimRight(row);
      screen.rows.push_back(row);
    }
  }
  if (out != INVALID_HANDLE_VALUE) CloseHandle(out);
  FreeConsole();
  return screen;
}

std::vector<std::string> Render(const std::string& text, int width) {
  std::vector<std::string> rows(1);
  for (char ch : text) {
    if (ch == '\n') {
      rows.emplace_back();
      continue;
    }
    rows.back() += ch;
    if (static_cast<int>(rows.back().size()) == width) rows.emplace_back();
  }
  for (std::string& row : rows) TrimRight(row);
  return rows;
}

std::string Record::Get(const std::string& key) const {
  for (const auto& f : fields) {
    if (f.first == key) return f.second;
  }
  return "";
}

std::vector<std::string> Record::All(const std::string& key) const {
  std::vector<std::string> values;
  for (const auto& f : fields) {
    if (f.first == key) values.push_back(f.second);
  }
  return values;
}

bool ReadWholeFile(const std::string& path, std::string& text) {
  text.clear();
  FILE* f = fopen(path.c_str(), "rb");
  if (f == nullptr) return false;
  char chunk[4096];
  size_t got;
  while ((got = fread(chunk, 1, sizeof(chunk), f)) > 0) text.append(chunk, got);
  fclose(f);
  return true;
}

Record ReadRecord(const std::string& path) {
  Record record;
  std::string text;
  record.present = ReadWholeFile(path, text);
  size_t at = 0;
  while (at < text.size()) {
    const size_t space = text.find(' ', at);
    const size_t colon = text.find(':', space);
    if (space == std::string::npos || colon == std::string::npos) break;
    const size_t len = strtoul(text.substr(space + 1, colon - space - 1).c_str(), nullptr, 10);
    record.fields.emplace_back(text.substr(at, space - at), text.substr(colon + 1, len));
    at = colon + 1 + len + 1;
  }
  return record;
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void SetEnv(const char* name, const char* value) { SetEnvironmentVariableA(name, value); }

}  // namespace e2e
