// The argument table: the tail split at every single space, at most 32
// entries, at most 2047 characters copied.
#include "argtable.h"

#include <gtest/gtest.h>
#include <string.h>

#include <random>
#include <string>
#include <vector>

#include "tokens.h"

namespace {

struct Table {
  char cmdLine[kCmdLineSize];
  char* argv[kMaxArgs];
  int argc;
};

// Fills a table over a buffer that holds a sentinel, so that the tests can
// see which bytes the copy wrote.
void Fill(Table& t, const std::string& tail) {
  memset(t.cmdLine, '#', sizeof(t.cmdLine));
  for (char*& entry : t.argv) entry = t.cmdLine;  // anything but null
  t.argc = FillArgumentTable(tail.c_str(), t.cmdLine, t.argv);
}

std::vector<std::string> Entries(const Table& t) {
  return std::vector<std::string>(t.argv, t.argv + t.argc);
}

std::vector<std::string> TokenList(int from, int to) {
  std::vector<std::string> v;
  for (int k = from; k < to; ++k) v.push_back("t" + std::to_string(k));
  return v;
}

// Invariants that hold for every tail: the entries lie in order, back to
// back, inside the copy; only the last of a full table holds a space; the
// unused entries are null; and joining the entries with single spaces gives
// back the copied part of the tail.
void ExpectWellFormed(const Table& t, const std::string& tail) {
  ASSERT_GE(t.argc, tail.empty() ? 0 : 1);
  ASSERT_LE(t.argc, kMaxArgs);
  for (int k = t.argc; k < kMaxArgs; ++k) EXPECT_EQ(t.argv[k], nullptr) << k;
  if (tail.empty()) return;

  const std::string copied = tail.substr(0, kCmdLineSize - 1);
  std::string joined;
  const char* expectedStart = t.cmdLine;
  for (int k = 0; k < t.argc; ++k) {
    ASSERT_EQ(t.argv[k], expectedStart) << "entry " << k;
    const size_t len = strlen(t.argv[k]);
    if (k < t.argc - 1 || t.argc < kMaxArgs) {
      EXPECT_EQ(memchr(t.argv[k], ' ', len), nullptr) << "entry " << k;
    }
    joined += (k == 0 ? "" : " ") + std::string(t.argv[k]);
    expectedStart = t.argv[k] + len + 1;
  }
  EXPECT_EQ(joined, copied);
  // The copy writes the whole buffer: zeros after the copied text.
  for (size_t i = copied.size(); i < kCmdLineSize; ++i) {
    ASSERT_EQ(t.cmdLine[i], '\0') << "byte " << i;
  }
}

struct SplitCase {
  const char* name;
  std::string tail;
  std::vector<std::string> entries;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

std::vector<SplitCase> SplitCases() {
  std::vector<std::string> oneThenEmpties = {"first"};
  for (int k = 0; k < 30; ++k) oneThenEmpties.push_back("");
  oneThenEmpties.push_back(" second");

  std::vector<std::string> full33 = TokenList(0, 31);
  full33.push_back("t31 t32");
  std::vector<std::string> full41 = TokenList(0, 31);
  full41.push_back(Tokens(31, 41));
  std::vector<std::string> full32Trailing = TokenList(0, 31);
  full32Trailing.push_back("t31 ");

  return {
      {"OneToken", "report.txt", {"report.txt"}},
      {"ThreeTokens", "a b c", {"a", "b", "c"}},
      {"TrailingSpace", "a ", {"a", ""}},
      {"TwoAdjacentSpaces", "a  b", {"a", "", "b"}},
      {"FourAdjacentSpaces", "a    b", {"a", "", "", "", "b"}},
      {"LeadingSpace", " a", {"", "a"}},
      {"SpaceAlone", " ", {"", ""}},
      {"TabIsOrdinary", "a\tb", {"a\tb"}},
      {"ControlCharactersAreOrdinary",
       "a\r\n\x01"
       "b c",
       {"a\r\n\x01"
        "b",
        "c"}},
      {"QuotesAreOrdinary", "\"my file.txt\"", {"\"my", "file.txt\""}},
      {"BackslashesAreOrdinary", "C:\\a\\ b\\\\", {"C:\\a\\", "b\\\\"}},
      {"HighBytesAreOrdinary", "caf\xe9 \xff\x80", {"caf\xe9", "\xff\x80"}},
      {"ThirtyTwoTokensFillTheTable", Tokens(0, 32), TokenList(0, 32)},
      {"ThirtyThreeTokensShareTheLastEntry", Tokens(0, 33), full33},
      {"FortyOneTokensShareTheLastEntry", Tokens(0, 41), full41},
      {"FullTableKeepsTrailingSpace", Tokens(0, 32) + " ", full32Trailing},
      {"ThirtyTwoAdjacentSpaces", "first" + std::string(32, ' ') + "second", oneThenEmpties},
      {"SwitchBeyondTheLastSpaceStaysInsideIt", Tokens(0, 31) + " -plovik_verbose",
       [] {
         auto v = TokenList(0, 31);
         v.push_back("-plovik_verbose");
         return v;
       }()},
      {"TailOf2047IsCopiedWhole", std::string(2047, 'a'), {std::string(2047, 'a')}},
      {"TailOf2048IsCut", std::string(2048, 'a'), {std::string(2047, 'a')}},
      {"CutRightAfterASpace", std::string(2046, 'a') + " bcd", {std::string(2046, 'a'), ""}},
      {"CutInsideAToken",
       std::string(2040, 'a') + " " + std::string(10, 'b'),
       {std::string(2040, 'a'), std::string(6, 'b')}},
  };
}

class SplitTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitTest, GivesTheEntries) {
  const SplitCase& c = GetParam();
  Table t;
  Fill(t, c.tail);
  EXPECT_EQ(Entries(t), c.entries);
  ExpectWellFormed(t, c.tail);
}

INSTANTIATE_TEST_SUITE_P(Tails, SplitTest, testing::ValuesIn(SplitCases()),
                         [](const testing::TestParamInfo<SplitCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(ArgumentTable, EmptyTailLeavesTheCopyUntouched) {
  Table t;
  Fill(t, "");
  EXPECT_EQ(t.argc, 0);
  ExpectWellFormed(t, "");
  for (size_t i = 0; i < kCmdLineSize; ++i) ASSERT_EQ(t.cmdLine[i], '#') << i;
}

TEST(ArgumentTable, TheTailItselfIsNotWritten) {
  const std::string tail = Tokens(0, 40) + std::string(3000, 'x');
  const std::string before = tail;
  Table t;
  Fill(t, tail);
  EXPECT_EQ(tail, before);
}

// Generated tails, rich in spaces, near and past both limits.
TEST(ArgumentTable, EveryTailRoundTrips) {
  std::mt19937 rng(20261211);
  const char alphabet[] = {' ', ' ', ' ', 'a', 'J', '-', '\t', '"', '\\', '\xe9', '\x01'};
  std::uniform_int_distribution<size_t> pick(0, sizeof(alphabet) - 1);
  std::uniform_int_distribution<size_t> length(0, 2200);
  for (int run = 0; run < 3000; ++run) {
    std::string tail(length(rng), 'a');
    for (char& ch : tail) ch = alphabet[pick(rng)];
    Table t;
    Fill(t, tail);
    ExpectWellFormed(t, tail);
    if (HasFatalFailure() || HasNonfatalFailure()) {
      FAIL() << "tail of " << tail.size() << " characters: [" << tail << "]";
    }
  }
}

}  // namespace
