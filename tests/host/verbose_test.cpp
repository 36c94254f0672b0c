// The verbose switch: a whole entry, case-sensitive, the last match wins,
// and every match turns the console on again.
#include "verbose.h"

#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "argtable.h"
#include "javacmd.h"
#include "tokens.h"

namespace {

int matches = 0;
void CountMatch() { ++matches; }

struct ScanCase {
  const char* name;
  std::string tail;
  int position;
  int matches;
};

void PrintTo(const ScanCase& c, std::ostream* os) { *os << c.name; }

class ScanTest : public testing::TestWithParam<ScanCase> {};

TEST_P(ScanTest, FindsTheLastWholeMatch) {
  const ScanCase& c = GetParam();
  char cmdLine[kCmdLineSize];
  char* argv[kMaxArgs];
  const int argc = FillArgumentTable(c.tail.c_str(), cmdLine, argv);
  matches = 0;
  EXPECT_EQ(ScanForVerboseSwitch(argc, argv, CountMatch), c.position);
  EXPECT_EQ(matches, c.matches);
}

INSTANTIATE_TEST_SUITE_P(
    Tails, ScanTest,
    testing::Values(
        ScanCase{"EmptyTail", "", -1, 0}, ScanCase{"Absent", "a b c", -1, 0},
        ScanCase{"Alone", "-plovik_verbose", 0, 1},
        ScanCase{"ThirdOfFive", "a b -plovik_verbose d e", 2, 1},
        ScanCase{"AtOneAndThree", "a -plovik_verbose b -plovik_verbose", 3, 2},
        ScanCase{"Capitals", "-PLOVIK_VERBOSE -Plovik_verbose -plovik_Verbose", -1, 0},
        ScanCase{"SecondDash", "--plovik_verbose", -1, 0},
        ScanCase{"Slash", "/plovik_verbose", -1, 0}, ScanCase{"NoDash", "plovik_verbose", -1, 0},
        ScanCase{"CutShort", "-plovik_verbos", -1, 0},
        ScanCase{"WithValue", "-plovik_verbose=1", -1, 0},
        ScanCase{"TabAndMore", "-plovik_verbose\tx", -1, 0},
        ScanCase{"BetweenQuotes", "\"-plovik_verbose\"", -1, 0},
        ScanCase{"EmptyEntries", "a  b ", -1, 0},
        ScanCase{"LastEntryOfFullTable", Tokens(0, 31) + " -plovik_verbose", 31, 1},
        ScanCase{"InsideTheRestOfAFullTable", Tokens(0, 31) + " x -plovik_verbose", -1, 0},
        ScanCase{"OpeningTheRestOfAFullTable", Tokens(0, 31) + " -plovik_verbose x", -1, 0}),
    [](const testing::TestParamInfo<ScanCase>& info) { return std::string(info.param.name); });

struct Composed {
  std::string passed;   // what follows the fixed part
  std::string printed;  // what the composition wrote to standard output
};

// The tail's table, scanned as the launcher does, then composed.
Composed ComposeScanned(const std::string& tail) {
  char cmdLine[kCmdLineSize];
  char* argv[kMaxArgs];
  const int argc = FillArgumentTable(tail.c_str(), cmdLine, argv);
  const int position = ScanForVerboseSwitch(argc, argv, CountMatch);
  static char cmd[kJavaCmdSize];
  char* noEntries[1] = {nullptr};
  EXPECT_TRUE(ComposeJavaCommandLine(cmd, "R", "D", 0, noEntries, -1));
  const size_t fixedLen = strlen(cmd);
  testing::internal::CaptureStdout();
  EXPECT_TRUE(ComposeJavaCommandLine(cmd, "R", "D", argc, argv, position));
  const std::string printed = testing::internal::GetCapturedStdout();
  return {std::string(cmd + fixedLen), printed};
}

TEST(VerboseComposition, ReportsEachDroppedEntryInOrder) {
  const Composed got = ComposeScanned("-Jx a -J -plovik_verbose -J-Xmx1g b");
  EXPECT_EQ(got.printed,
            "Ignoring option -> -Jx <-- \n"
            "Ignoring option -> -J <-- \n"
            "Ignoring option -> -J-Xmx1g <-- \n");
  EXPECT_EQ(got.passed, " a b");
}

TEST(VerboseComposition, QuietModeReportsNothing) {
  const Composed got = ComposeScanned("-Jx a -J -J-Xmx1g b");
  EXPECT_EQ(got.printed, "");
  EXPECT_EQ(got.passed, " a b");
}

TEST(VerboseComposition, EntriesAfterTheSwitchArePassed) {
  EXPECT_EQ(ComposeScanned("-plovik_verbose report.txt").passed, " report.txt");
  EXPECT_EQ(ComposeScanned("a -plovik_verbose  b ").passed, " a  b ");
}

TEST(VerboseComposition, SwitchAloneLeavesTheFixedPart) {
  EXPECT_EQ(ComposeScanned("-plovik_verbose").passed, "");
}

TEST(VerboseComposition, OnlyTheLastOccurrenceIsLeftOut) {
  EXPECT_EQ(ComposeScanned("a -plovik_verbose b -plovik_verbose c").passed,
            " a -plovik_verbose b c");
}

}  // namespace
