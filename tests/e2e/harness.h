// Drives the real plovik.exe: lays out installations, starts the launcher
// with an exact command line, reads and closes its message boxes, and reads
// what the stand-in java.exe recorded.
#ifndef PLOVIK_E2E_HARNESS_H
#define PLOVIK_E2E_HARNESS_H

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

std::string SelfDir();  // the folder of the running test program
std::string BuiltLauncher();
std::string BuiltStandin();

void MakeDirs(const std::string& path);
void RemoveTree(const std::string& path);
void CopyOrFail(const std::string& from, const std::string& to);

enum class Runtime { Standin, Missing, Directory };

struct Installation {
  std::string dir;       // the installation directory
  std::string launcher;  // the launcher inside it
  std::string runtime;   // where the launcher looks for java.exe, as it forms it
  std::string record;    // what the stand-in writes when it starts
};

// Puts a copy of the launcher, named `name`, into `dir`, and the runtime into
// jre\bin beside dir (at the root of a drive, into the root).
Installation Install(const std::string& dir, Runtime runtime,
                     const std::string& name = "plovik.exe");

// The Java command line that the launcher composes for `dir`, up to and with
// the entry class.
std::string FixedPart(const std::string& dir);

// The error that CreateProcessA gives for starting `line` as the launcher
// starts its child (0 if it started).
DWORD StartError(const std::string& line);

std::string Quoted(const std::string& exe, const std::string& tail);

struct Box {
  std::string caption;
  std::string text;
};

struct Launch {
  std::string commandLine;
  std::string currentDir;  // empty: the test program's own
  DWORD creationFlags = 0;
  bool pipeOutput = true;       // hand the launcher a pipe as standard output
  bool inheritHandles = false;  // also hand it every inheritable handle
  // Called while each box is up, before it is closed.
  std::function<void(const Box&, DWORD pid)> onBox;
  // Called about every 20 ms while the launcher runs.
  std::function<void(DWORD pid)> onPoll;
};

struct Outcome {
  bool started = false;
  bool finished = false;  // ended within the time limit
  DWORD exitCode = 0;
  std::vector<Box> boxes;
  std::string output;  // what reached the pipe
};

Outcome RunLauncher(const Launch& launch);

// The text on the console of process `pid`, one string per row up to the
// cursor, trailing blanks removed. The test program gives up its own console
// to attach to that one.
struct Screen {
  bool attached = false;  // the process has a console
  int width = 0;
  std::vector<std::string> rows;
};

Screen ReadConsoleOf(DWORD pid);

// How `text` stands on a console `width` columns wide, as ReadConsoleOf
// gives it: a line feed starts a row, and so does a row that is full.
std::vector<std::string> Render(const std::string& text, int width);

struct Record {
  bool present = false;
  std::vector<std::pair<std::string, std::string>> fields;
  std::string Get(const std::string& key) const;  // first value, or ""
  std::vector<std::string> All(const std::string& key) const;
};

Record ReadRecord(const std::string& path);

// The whole file, or false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& text);
bool FileExists(const std::string& path);

// Sets (or with a null value, removes) a variable of the test program's
// environment, which the launcher and its child get a copy of.
void SetEnv(const char* name, const char* value);

}  // namespace e2e

#endif
