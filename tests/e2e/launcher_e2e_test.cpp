// The real plovik.exe in quiet mode: the runtime check, the start of the
// child and what reaches it, the failed start, and the exit status.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "entry_class.h"
#include "harness.h"
#include "launcher_fixture.h"
#include "tokens.h"

using namespace e2e;

namespace {

TEST_F(LauncherTest, MissingRuntimeShowsErrorAndReturnsMinusOne) {
  const Installation inst = Install(base_ + "\\app", Runtime::Missing);
  const Outcome out = Start(inst, "report.txt");
  ASSERT_TRUE(out.finished);
  EXPECT_EQ(out.exitCode, kMinusOne);
  ASSERT_EQ(out.boxes.size(), 1u);
  EXPECT_EQ(out.boxes[0].caption, "Error");
  EXPECT_EQ(out.boxes[0].text, "..\\jre\\bin\\java.exe does not exist");
  EXPECT_EQ(out.output, "") << "quiet mode prints nothing";
  EXPECT_FALSE(FileExists(inst.record));
}

TEST_F(LauncherTest, RuntimeThatCannotStartIsReportedWithTheLine) {
  const Installation inst = Install(base_ + "\\app", Runtime::Directory);
  const Outcome out = Start(inst, "a -Jx b");
  ASSERT_TRUE(out.finished);
  EXPECT_EQ(out.exitCode, 0u);

  const std::string line = FixedPart(inst.dir) + " a b";
  ASSERT_EQ(out.boxes.size(), 1u);
  EXPECT_EQ(out.boxes[0].caption, "Info");
  EXPECT_EQ(out.boxes[0].text, line);

  // The platform's own error for starting that line, as the launcher does.
  const DWORD error = StartError(line);
  ASSERT_NE(error, 0u);
  EXPECT_EQ(out.output, "CreateProcess failed (" + std::to_string(error) + ").\r\n");
}

TEST_F(LauncherTest, StartsTheRuntimeDetachedInTheCallersDirectory) {
  const Installation inst = Install(base_ + "\\app", Runtime::Standin);
  SetEnv("PLOVIK_TEST_ENV", "handed-down");
  const Outcome out = Start(inst, "report.txt");
  ASSERT_TRUE(out.finished);
  EXPECT_EQ(out.exitCode, 0u);
  EXPECT_TRUE(out.boxes.empty());
  EXPECT_EQ(out.output, "");

  const Record rec = ReadRecord(inst.record);
  ASSERT_TRUE(rec.present);
  EXPECT_EQ(rec.Get("cmdline"), FixedPart(inst.dir) + " report.txt");
  EXPECT_EQ(rec.Get("cwd"), work_) << "not the installation directory";
  EXPECT_EQ(rec.Get("console"), "no");
  EXPECT_EQ(rec.Get("env"), "handed-down");
  EXPECT_NE(rec.Get("stdout"), "pipe") << "the launcher's pipe must not reach the child";
}

TEST_F(LauncherTest, EmptyTailPassesTheFixedPartAlone) {
  const Installation inst = Install(base_ + "\\app", Runtime::Standin);
  const Outcome out = Start(inst, "");
  ASSERT_TRUE(out.finished);
  EXPECT_EQ(out.exitCode, 0u);
  EXPECT_EQ(ReadRecord(inst.record).Get("cmdline"), FixedPart(inst.dir));
}

TEST_F(LauncherTest, ReturnsOnlyAfterTheChildEnded) {
  const Installation inst = Install(base_ + "\\app", Runtime::Standin);
  SetEnv("PLOVIK_TEST_LINGER_MS", "1500");
  const Outcome out = Start(inst, "");
  ASSERT_TRUE(out.finished);
  EXPECT_EQ(out.exitCode, 0u);
  const Record rec = ReadRecord(inst.record);
  ASSERT_TRUE(rec.present);
  EXPECT_EQ(rec.Get("ended"), "yes");
}

// The launcher is handed an inheritable file handle; its child must not get
// it. The first run shows that the stand-in does see such a handle when it is
// inherited.
TEST_F(LauncherTest, ChildInheritsNoHandle) {
  const Installation inst = Install(base_ + "\\app", Runtime::Standin);
  const std::string marker = base_ + "\\inherited.txt";
  SECURITY_ATTRIBUTES inheritable = {sizeof(inheritable), nullptr, TRUE};
  HANDLE file = CreateFileA(marker.c_str(), GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inheritable,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  char handleAndPath[64 + MAX_PATH];
  snprintf(handleAndPath, sizeof(handleAndPath), "%llx|%s", (unsigned long long)(ULONG_PTR)file,
           marker.c_str());
  SetEnv("PLOVIK_TEST_HANDLE", handleAndPath);

  Launch direct;
  direct.commandLine = Quoted(inst.dir + "\\..\\jre\\bin\\java.exe", "");
  direct.inheritHandles = true;
  direct.pipeOutput = false;
  ASSERT_TRUE(RunLauncher(direct).finished);
  EXPECT_EQ(ReadRecord(inst.record).Get("handle"), "inherited");
  DeleteFileA(inst.record.c_str());

  Launch viaLauncher;
  viaLauncher.commandLine = Quoted(inst.launcher, "");
  viaLauncher.inheritHandles = true;
  const Outcome out = RunLauncher(viaLauncher);
  CloseHandle(file);
  ASSERT_TRUE(out.finished);
  EXPECT_EQ(ReadRecord(inst.record).Get("handle"), "absent");
}

struct PassCase {
  const char* name;
  std::string tail;
  std::string passed;  // what the child's line holds after the fixed part
};

void PrintTo(const PassCase& c, std::ostream* os) { *os << c.name; }

class PassThroughTest : public LauncherTest, public testing::WithParamInterface<PassCase> {};

TEST_P(PassThroughTest, ChildGetsTheEntries) {
  const PassCase& c = GetParam();
  const Installation inst = Install(base_ + "\\app", Runtime::Standin);
  const Outcome out = Start(inst, c.tail);
  ASSERT_TRUE(out.finished);
  EXPECT_EQ(out.exitCode, 0u);
  EXPECT_TRUE(out.boxes.empty());
  EXPECT_EQ(ReadRecord(inst.record).Get("cmdline"), FixedPart(inst.dir) + c.passed);
}

const std::string kLongTail = Tokens(0, 20) + " " + std::string(2900, 'x');

INSTANTIATE_TEST_SUITE_P(
    Tails, PassThroughTest,
    testing::Values(PassCase{"DashJDropped", "-Jx a -J-Xmx1g b -jx", " a b -jx"},
                    PassCase{"EmptyEntries", "a   b", " a   b"},
                    PassCase{"TrailingSpace", "a ", " a "},
                    PassCase{"QuotedWithSpaces", "\"my file.txt\" \"x -Jy z\"",
                             " \"my file.txt\" \"x z\""},
                    PassCase{"HighBytes", "caf\xe9 na\xefve", " caf\xe9 na\xefve"},
                    // The last entry of a full table holds the rest of the
                    // tail, a -J inside it included.
                    PassCase{"FullTable", Tokens(0, 32) + " -Jq " + Tokens(32, 40),
                             " " + Tokens(0, 32) + " -Jq " + Tokens(32, 40)},
                    PassCase{"TailCutAt2047", kLongTail, " " + kLongTail.substr(0, 2047)}),
    [](const testing::TestParamInfo<PassCase>& info) { return std::string(info.param.name); });

// How the runtime splits the line: each quoted path stays one argument, also
// with spaces in the installation directory.
TEST_F(LauncherTest, RuntimeParsesOneArgumentPerPathWithSpaces) {
  const Installation inst = Install(base_ + "\\My App Dir", Runtime::Standin);
  const Outcome out = Start(inst, "\"my file.txt\" -Jx plain");
  ASSERT_TRUE(out.finished);
  const std::vector<std::string> expected = {inst.dir + "\\..\\jre\\bin\\java.exe",
                                             "-splash:" + inst.dir + "\\plovik_splash.png",
                                             "-classpath",
                                             inst.dir + "\\plovik.jar",
                                             "-Dtrelvo.bin.name=plovik.exe",
                                             "-Dtrelvo.bin.location=" + inst.dir + "\\plovik.exe",
                                             "-Xbootclasspath/a:" + inst.dir + "\\plovik.jar",
                                             PLOVIK_ENTRY_CLASS,
                                             "my file.txt",
                                             "plain"};
  EXPECT_EQ(ReadRecord(inst.record).All("arg"), expected);
}

class InstallDirTest : public LauncherTest, public testing::WithParamInterface<size_t> {};

TEST_P(InstallDirTest, LongInstallationDirectoryWorks) {
  const Installation inst = Install(DirOfLength(GetParam()), Runtime::Standin);
  ASSERT_EQ(inst.dir.size(), GetParam());
  const Outcome out = Start(inst, "x");
  ASSERT_TRUE(out.finished);
  EXPECT_TRUE(out.boxes.empty()) << out.boxes[0].text;
  EXPECT_EQ(out.exitCode, 0u);
  EXPECT_EQ(ReadRecord(inst.record).Get("cmdline"), FixedPart(inst.dir) + " x");
}

INSTANTIATE_TEST_SUITE_P(Lengths, InstallDirTest, testing::Values(107, 108, 239, 240));

TEST_F(LauncherTest, RenamedLauncherStillFindsItsDirectory) {
  const Installation inst = Install(base_ + "\\app", Runtime::Standin, "p.exe");
  const Outcome out = Start(inst, "x");
  ASSERT_TRUE(out.finished);
  EXPECT_EQ(out.exitCode, 0u);
  EXPECT_EQ(ReadRecord(inst.record).Get("cmdline"), FixedPart(inst.dir) + " x");
}

// PLOVIK_TEST_ROOT_DRIVE names a drive (such as "P:") whose root is an empty
// folder the test may fill; without it the test maps one with
// DefineDosDevice.
TEST_F(LauncherTest, LauncherAtADriveRoot) {
  char given[8] = "";
  std::string drive;
  if (GetEnvironmentVariableA("PLOVIK_TEST_ROOT_DRIVE", given, sizeof(given)) > 0) {
    drive = given;
  } else {
    const std::string target = base_ + "\\root";
    MakeDirs(target);
    for (char letter = 'P'; letter <= 'Z' && drive.empty(); ++letter) {
      const std::string candidate = std::string(1, letter) + ":";
      if (GetDriveTypeA((candidate + "\\").c_str()) == DRIVE_NO_ROOT_DIR &&
          DefineDosDeviceA(0, candidate.c_str(), target.c_str())) {
        drive = candidate;
      }
    }
  }
  ASSERT_FALSE(drive.empty()) << "no drive to put the launcher at the root of";
  ASSERT_TRUE(FileExists(drive + "\\")) << drive << " has no root folder";

  const Installation inst = Install(drive, Runtime::Standin);
  const Outcome out = Start(inst, "x");
  const Record rec = ReadRecord(drive + "\\jre\\bin\\record");
  RemoveTree(drive + "\\jre");
  DeleteFileA(inst.launcher.c_str());
  if (given[0] == '\0') DefineDosDeviceA(DDD_REMOVE_DEFINITION, drive.c_str(), nullptr);

  ASSERT_TRUE(out.finished);
  EXPECT_EQ(out.exitCode, 0u);
  EXPECT_TRUE(out.boxes.empty());
  EXPECT_EQ(inst.runtime, drive + "\\..\\jre\\bin\\java.exe");
  EXPECT_EQ(rec.Get("cmdline"), FixedPart(drive) + " x");
}

}  // namespace
