// plovik.exe starting a real JVM: the demo installation's runtime is the
// bridge to the host's java (PLOVIK_REAL_JVM_ROOT names that installation's
// root as a Unix path). The sample Java side reports what reached it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "harness.h"

using namespace e2e;

namespace {

std::string Env(const char* name) {
  char value[2048] = "";
  const DWORD n = GetEnvironmentVariableA(name, value, sizeof(value));
  return n < sizeof(value) ? std::string(value, n) : std::string();
}

// Wine shows the Unix root as drive Z:.
std::string WindowsPath(std::string unixPath) {
  for (char& ch : unixPath) ch = ch == '/' ? '\\' : ch;
  return "Z:" + unixPath;
}

std::vector<std::string> Lines(const std::string& path) {
  std::vector<std::string> lines;
  std::string text;
  if (!ReadWholeFile(path, text)) return lines;
  size_t at = 0;
  for (size_t nl; (nl = text.find('\n', at)) != std::string::npos; at = nl + 1) {
    lines.push_back(text.substr(at, nl - at));
  }
  return lines;
}

TEST(RealJvm, JavaSideGetsOptionsPropertiesAndArguments) {
  const std::string root = Env("PLOVIK_REAL_JVM_ROOT");
  ASSERT_FALSE(root.empty()) << "PLOVIK_REAL_JVM_ROOT is not set";
  const std::string dir = WindowsPath(root + "/bin");
  // Beside the installation's root, whose name holds a space.
  const std::string reportUnix = root.substr(0, root.rfind('/')) + "/realjvm-report.txt";
  const std::string report = WindowsPath(reportUnix);
  DeleteFileA(report.c_str());

  // Split by the platform's rules: a quoted name with a space, an empty
  // argument, a backslash doubled before a closing quote, an escaped quote.
  const std::string tail =
      "\"my file.txt\"  \"\" \"C:\\dir\\\\\" x\\\"y -J-Xmx64m -jx --report=" + reportUnix +
      " --close-after=200";
  Launch launch;
  launch.commandLine = Quoted(dir + "\\plovik.exe", tail);
  const Outcome out = RunLauncher(launch);
  ASSERT_TRUE(out.finished);
  EXPECT_EQ(out.exitCode, 0u);
  EXPECT_TRUE(out.boxes.empty());

  // Wine does not let the launcher wait for a Unix program: wait for the
  // report here.
  for (int waited = 0; waited < 600 && !FileExists(report); ++waited) Sleep(100);
  const std::vector<std::string> got = Lines(report);
  ASSERT_FALSE(got.empty()) << "no report from the Java side; see java.log in the runtime";

  const std::string unixDir = root + "/bin";
  const std::vector<std::string> expected = {"trelvo.bin.name=plovik.exe",
                                             "trelvo.bin.location=" + dir + "\\plovik.exe",
                                             "splash=shown file:" + unixDir + "/plovik_splash.png",
                                             "java.class.path=" + unixDir + "/plovik.jar",
                                             "loaded.by=boot",
                                             "args=7",
                                             "arg[0]=my file.txt",
                                             "arg[1]=",
                                             "arg[2]=C:\\dir\\",
                                             "arg[3]=x\"y",
                                             "arg[4]=-jx",
                                             "arg[5]=--report=" + reportUnix,
                                             "arg[6]=--close-after=200"};
  EXPECT_EQ(got, expected);
  DeleteFileA(report.c_str());
}

}  // namespace
