// The real plovik.exe in verbose mode: its own console, what stands on it
// while each box is up, and where the text goes when the launcher is given
// standard handles.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "harness.h"
#include "launcher_fixture.h"

using namespace e2e;

namespace {

class VerboseTest : public LauncherTest {
 protected:
  // Starts the launcher as a shortcut would, with no console and no standard
  // handles, and reads its console while each box is up.
  Outcome StartDetached(const Installation& inst, const std::string& tail, Launch launch = {}) {
    launch.creationFlags = DETACHED_PROCESS;
    launch.pipeOutput = false;
    launch.onBox = [this, &inst](const Box&, DWORD pid) {
      screens_.push_back(ReadConsoleOf(pid));
      childStartedAtBox_.push_back(FileExists(inst.record));
    };
    return Start(inst, tail, launch);
  }

  void ExpectScreen(size_t box, const std::string& text) {
    ASSERT_LT(box, screens_.size());
    ASSERT_TRUE(screens_[box].attached) << "no console while box " << box << " was up";
    EXPECT_EQ(screens_[box].rows, Render(text, screens_[box].width));
  }

  static std::string Located(const Installation& inst) {
    return "cwd is " + inst.dir + "\n" + "checking if file exists " + inst.runtime + "\n";
  }

  std::vector<Screen> screens_;
  std::vector<bool> childStartedAtBox_;
};

const std::string kNotice = "plovik_verbose is on\n";

TEST_F(VerboseTest, DiagnosticsStandOnTheConsoleBeforeTheInfoBox) {
  const Installation inst = Install(base_ + "\\app", Runtime::Standin);
  const Outcome out = StartDetached(inst, "a -Jx -plovik_verbose b c");
  ASSERT_TRUE(out.finished);
  EXPECT_EQ(out.exitCode, 0u);

  const std::string line = FixedPart(inst.dir) + " a b c";
  ASSERT_EQ(out.boxes.size(), 1u);
  EXPECT_EQ(out.boxes[0].caption, "Info");
  EXPECT_EQ(out.boxes[0].text, line);
  ExpectScreen(
      0, kNotice + Located(inst) + "Ignoring option -> -Jx <-- \n" + "cmd is -> " + line + " <-");
  EXPECT_FALSE(childStartedAtBox_[0]) << "the child started before the box was closed";
  EXPECT_EQ(ReadRecord(inst.record).Get("cmdline"), line);
}

// With the switch first the launcher still waits for the child, and its
// console stays readable while the child runs.
TEST_F(VerboseTest, SwitchFirstKeepsTheConsoleWhileTheChildRuns) {
  const Installation inst = Install(base_ + "\\app", Runtime::Standin);
  SetEnv("PLOVIK_TEST_LINGER_MS", "1500");
  Launch launch;
  std::vector<Screen> whileChildRuns;
  launch.onPoll = [&](DWORD pid) {
    if (whileChildRuns.empty() && FileExists(inst.record))
      whileChildRuns.push_back(ReadConsoleOf(pid));
  };
  const Outcome out = StartDetached(inst, "-plovik_verbose report.txt", launch);
  ASSERT_TRUE(out.finished);
  EXPECT_EQ(out.exitCode, 0u);

  const std::string line = FixedPart(inst.dir) + " report.txt";
  ExpectScreen(0, kNotice + Located(inst) + "cmd is -> " + line + " <-");
  const Record rec = ReadRecord(inst.record);
  EXPECT_EQ(rec.Get("cmdline"), line) << "entries after the switch are passed";
  EXPECT_EQ(rec.Get("ended"), "yes");
  EXPECT_EQ(rec.Get("console"), "no") << "the child does not share the launcher's console";
  ASSERT_EQ(whileChildRuns.size(), 1u);
  ASSERT_TRUE(whileChildRuns[0].attached);
  EXPECT_EQ(whileChildRuns[0].rows[0], "plovik_verbose is on");
}

TEST_F(VerboseTest, MissingRuntimeShowsThePanicTextThenTheErrorBox) {
  const Installation inst = Install(base_ + "\\app", Runtime::Missing);
  const Outcome out = StartDetached(inst, "-plovik_verbose");
  ASSERT_TRUE(out.finished);
  EXPECT_EQ(out.exitCode, kMinusOne);
  ASSERT_EQ(out.boxes.size(), 1u);
  EXPECT_EQ(out.boxes[0].caption, "Error");
  EXPECT_EQ(out.boxes[0].text, "..\\jre\\bin\\java.exe does not exist");
  ExpectScreen(0, kNotice + Located(inst) + "PANIC !!! ..\\jre\\bin\\java.exe does not exist");
}

TEST_F(VerboseTest, FailedStartShowsTheLineTwice) {
  const Installation inst = Install(base_ + "\\app", Runtime::Directory);
  const Outcome out = StartDetached(inst, "x -plovik_verbose");
  ASSERT_TRUE(out.finished);
  EXPECT_EQ(out.exitCode, 0u);

  const std::string line = FixedPart(inst.dir) + " x";
  ASSERT_EQ(out.boxes.size(), 2u);
  for (const Box& box : out.boxes) {
    EXPECT_EQ(box.caption, "Info");
    EXPECT_EQ(box.text, line);
  }
  const std::string before = kNotice + Located(inst) + "cmd is -> " + line + " <-";
  ExpectScreen(0, before);
  ExpectScreen(1, before + "CreateProcess failed (" + std::to_string(StartError(line)) + ").\n");
}

TEST_F(VerboseTest, SwitchGivenTwiceNoticesTwiceOnOneConsole) {
  const Installation inst = Install(base_ + "\\app", Runtime::Standin);
  const Outcome out = StartDetached(inst, "a -plovik_verbose b -plovik_verbose");
  ASSERT_TRUE(out.finished);
  const std::string line = FixedPart(inst.dir) + " a -plovik_verbose b";
  ASSERT_EQ(out.boxes.size(), 1u);
  EXPECT_EQ(out.boxes[0].text, line);
  ExpectScreen(0, kNotice + kNotice + Located(inst) + "cmd is -> " + line + " <-");
  EXPECT_EQ(ReadRecord(inst.record).Get("cmdline"), line);
}

TEST_F(VerboseTest, NearMissesStayQuiet) {
  const Installation inst = Install(base_ + "\\app", Runtime::Standin);
  SetEnv("PLOVIK_TEST_LINGER_MS", "1500");
  const std::string tail =
      "-PLOVIK_VERBOSE --plovik_verbose /plovik_verbose plovik_verbose -plovik_verbos "
      "-plovik_verbose=1 -plovik_verbose\tx \"-plovik_verbose\"  ";
  int probes = 0;
  bool attached = false;
  Launch launch;
  launch.onPoll = [&](DWORD pid) {
    if (FileExists(inst.record) && probes < 3) {
      ++probes;
      attached = attached || ReadConsoleOf(pid).attached;
    }
  };
  const Outcome out = StartDetached(inst, tail, launch);
  ASSERT_TRUE(out.finished);
  EXPECT_EQ(out.exitCode, 0u);
  EXPECT_TRUE(out.boxes.empty());
  ASSERT_GT(probes, 0) << "the launcher was never seen waiting";
  EXPECT_FALSE(attached) << "a console was opened";
  EXPECT_EQ(ReadRecord(inst.record).Get("cmdline"), FixedPart(inst.dir) + " " + tail);
}

// Given standard handles, the launcher keeps them: its console opens, but the
// text goes to the standard output it was handed.
TEST_F(VerboseTest, WithStandardHandlesTheTextGoesToThem) {
  const Installation inst = Install(base_ + "\\app", Runtime::Standin);
  Launch launch;
  launch.creationFlags = DETACHED_PROCESS;
  launch.onBox = [this](const Box&, DWORD pid) { screens_.push_back(ReadConsoleOf(pid)); };
  const Outcome out = Start(inst, "-Jx -plovik_verbose a", launch);
  ASSERT_TRUE(out.finished);
  const std::string line = FixedPart(inst.dir) + " a";
  EXPECT_EQ(out.output, "plovik_verbose is on\r\ncwd is " + inst.dir +
                            "\r\nchecking if file exists " + inst.runtime +
                            "\r\nIgnoring option -> -Jx <-- \r\ncmd is -> " + line + " <-");
  ASSERT_EQ(out.boxes.size(), 1u);
  ExpectScreen(0, "");
}

}  // namespace
