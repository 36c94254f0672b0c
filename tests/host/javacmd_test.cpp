// The Java command line: the fixed part, then the entries that are passed.
#include "javacmd.h"

#include <gtest/gtest.h>
#include <string.h>

#include <random>
#include <string>
#include <vector>

#include "argtable.h"
#include "tokens.h"

namespace {

const char kDir[] = "C:\\Apps\\Suite\\bin";
const char kRuntime[] = "C:\\Apps\\Suite\\bin\\..\\jre\\bin\\java.exe";

// The fixed part for kDir, written out by hand.
const std::string kFixed = std::string(
                               "\"C:\\Apps\\Suite\\bin\\..\\jre\\bin\\java.exe\""
                               " -splash:\"C:\\Apps\\Suite\\bin\\plovik_splash.png\""
                               " -classpath \"C:\\Apps\\Suite\\bin\\plovik.jar\""
                               "  -Dtrelvo.bin.name=plovik.exe"
                               " -Dtrelvo.bin.location=\"C:\\Apps\\Suite\\bin\\plovik.exe\""
                               " -Xbootclasspath/a:\"C:\\Apps\\Suite\\bin\\plovik.jar\" ") +
                           PLOVIK_ENTRY_CLASS;

struct Composed {
  bool ok;
  std::string line;
  std::string printed;
};

Composed Compose(const std::string& tail, int plovik_verbose = -1, const char* javaexec = kRuntime,
                 const char* cwd = kDir) {
  char cmdLine[kCmdLineSize];
  char* argv[kMaxArgs];
  const int argc = FillArgumentTable(tail.c_str(), cmdLine, argv);
  static char cmd[kJavaCmdSize];
  memset(cmd, 'x', sizeof(cmd));
  testing::internal::CaptureStdout();
  const bool ok = ComposeJavaCommandLine(cmd, javaexec, cwd, argc, argv, plovik_verbose);
  const std::string printed = testing::internal::GetCapturedStdout();
  return {ok, cmd, printed};
}

TEST(JavaCommandLine, FixedPartNamesRuntimeJarSplashAndEntryClass) {
  const Composed got = Compose("");
  ASSERT_TRUE(got.ok);
  EXPECT_EQ(got.line, kFixed);
  EXPECT_EQ(got.printed, "");
}

struct PassCase {
  const char* name;
  std::string tail;
  std::string passed;  // what follows the fixed part
};

void PrintTo(const PassCase& c, std::ostream* os) { *os << c.name; }

class PassThroughTest : public testing::TestWithParam<PassCase> {};

TEST_P(PassThroughTest, AppendsTheEntriesThatPass) {
  const PassCase& c = GetParam();
  const Composed got = Compose(c.tail);
  ASSERT_TRUE(got.ok);
  EXPECT_EQ(got.line, kFixed + c.passed);
  EXPECT_EQ(got.printed, "") << "quiet mode prints nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Tails, PassThroughTest,
    testing::Values(
        PassCase{"OneEntry", "report.txt", " report.txt"}, PassCase{"DashJAlone", "-J", ""},
        PassCase{"DashJOption", "-Jx", ""}, PassCase{"DashJWithValue", "-J-Xmx512m", ""},
        PassCase{"LowerCaseJ", "-jx", " -jx"}, PassCase{"HyphenAlone", "-", " -"},
        PassCase{"OnlyTheFirstTwoCount", "--J J x-J", " --J J x-J"},
        PassCase{"DroppedEntryTakesOneSpace", "a -Jx b", " a b"},
        PassCase{"AllDropped", "-Ja -Jb -Jc", ""},
        PassCase{"EmptyEntryBringsItsSpaceBack", "a  b", " a  b"},
        PassCase{"TrailingSpace", "a ", " a "},
        PassCase{"QuotedNameWithSpace", "\"my file.txt\"", " \"my file.txt\""},
        PassCase{"DashJInsideQuotes", "\"x -Jy z\"", " \"x z\""},
        PassCase{"ControlAndHighBytes", "a\tb caf\xe9", " a\tb caf\xe9"},
        PassCase{"FullTableLastEntryPassedWhole", Tokens(0, 40), " " + Tokens(0, 40)},
        // The last entry of a full table starts with -J: the rest goes with it.
        PassCase{"FullTableLastEntryDropped", Tokens(0, 31) + " -Jq r s", " " + Tokens(0, 31)},
        PassCase{"SwitchNotGivenIsAnOrdinaryEntry", "-plovik_verbos", " -plovik_verbos"}),
    [](const testing::TestParamInfo<PassCase>& info) { return std::string(info.param.name); });

TEST(JavaCommandLine, InstallationDirectoryWithSpacesStaysQuoted) {
  const char dir[] = "C:\\Program Files\\My App";
  const char runtime[] = "C:\\Program Files\\My App\\..\\jre\\bin\\java.exe";
  const Composed got = Compose("", -1, runtime, dir);
  ASSERT_TRUE(got.ok);
  EXPECT_EQ(got.line, std::string("\"C:\\Program Files\\My App\\..\\jre\\bin\\java.exe\""
                                  " -splash:\"C:\\Program Files\\My App\\plovik_splash.png\""
                                  " -classpath \"C:\\Program Files\\My App\\plovik.jar\""
                                  "  -Dtrelvo.bin.name=plovik.exe"
                                  " -Dtrelvo.bin.location=\"C:\\Program Files\\My App\\plovik.exe\""
                                  " -Xbootclasspath/a:\"C:\\Program Files\\My App\\plovik.jar\" ") +
                          PLOVIK_ENTRY_CLASS);
}

// The length is 155 plus the entry class, the runtime path, four times the
// directory, and one more than each passed entry, for generated tails.
TEST(JavaCommandLine, LengthFollowsTheFormula) {
  std::mt19937 rng(7);
  const char* pieces[] = {" ", "-J", "-Jx", "a", "bc", "-", "J", "\"", "-plovik_verbose"};
  std::uniform_int_distribution<size_t> pick(0, sizeof(pieces) / sizeof(pieces[0]) - 1);
  std::uniform_int_distribution<int> count(0, 700);
  std::uniform_int_distribution<size_t> dirLen(2, kMaxInstallDirLen);
  for (int run = 0; run < 500; ++run) {
    std::string tail;
    for (int n = count(rng); n > 0; --n) tail += pieces[pick(rng)];
    std::string dir = "C:" + std::string(dirLen(rng) - 2, 'd');
    const std::string runtime = dir + "\\..\\jre\\bin\\java.exe";

    char cmdLine[kCmdLineSize];
    char* argv[kMaxArgs];
    const int argc = FillArgumentTable(tail.c_str(), cmdLine, argv);
    size_t expected = 155 + strlen(PLOVIK_ENTRY_CLASS) + runtime.size() + 4 * dir.size();
    for (int k = 0; k < argc; ++k) {
      if (!(argv[k][0] == '-' && argv[k][1] == 'J')) expected += 1 + strlen(argv[k]);
    }
    const Composed got = Compose(tail, -1, runtime.c_str(), dir.c_str());
    ASSERT_TRUE(got.ok) << tail;
    ASSERT_EQ(got.line.size(), expected) << tail;
  }
}

// The largest inputs the launcher can meet: the longest installation
// directory and a full 2047-character tail of 32 entries, all passed.
TEST(JavaCommandLine, LongestPossibleLineFillsTheBufferExactly) {
  const std::string dir = "C:" + std::string(kMaxInstallDirLen - 2, 'd');
  const std::string runtime = dir + "\\..\\jre\\bin\\java.exe";
  std::string tail = Tokens(0, 32);
  tail += std::string(kCmdLineSize - 1 - tail.size(), 'z');
  ASSERT_EQ(tail.size(), kCmdLineSize - 1);

  const Composed got = Compose(tail, -1, runtime.c_str(), dir.c_str());
  ASSERT_TRUE(got.ok);
  EXPECT_EQ(got.line.size(), kJavaCmdSize - 1);
  EXPECT_EQ(got.line.substr(got.line.size() - tail.size() - 1), " " + tail);
}

// Inputs that no argument table or module path can produce are refused
// without writing outside the buffer.
TEST(JavaCommandLine, RefusesInputsBeyondTheLimits) {
  const std::string longDir = "C:" + std::string(kMaxInstallDirLen, 'd');
  const std::string longRuntime = longDir + "\\..\\jre\\bin\\java.exe";
  EXPECT_FALSE(Compose("", -1, kRuntime, longDir.c_str()).ok);
  EXPECT_EQ(Compose("", -1, longRuntime.c_str(), kDir).line, "");

  std::string big(kCmdLineSize * 2, 'e');
  char* argv[kMaxArgs] = {&big[0], &big[0], &big[0]};
  static char cmd[kJavaCmdSize];
  EXPECT_FALSE(ComposeJavaCommandLine(cmd, kRuntime, kDir, 3, argv, -1));
  EXPECT_EQ(cmd[0], '\0');
}

}  // namespace
