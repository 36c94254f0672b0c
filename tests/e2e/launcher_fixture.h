// A fresh folder for each test, in which it lays out its installations.
#ifndef PLOVIK_E2E_LAUNCHER_FIXTURE_H
#define PLOVIK_E2E_LAUNCHER_FIXTURE_H

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "harness.h"

namespace e2e {

const DWORD kMinusOne = 4294967295u;

class LauncherTest : public testing::Test {
 protected:
  void SetUp() override {
    static int counter = 0;
    char temp[MAX_PATH];
    GetTempPathA(sizeof(temp), temp);
    base_ = std::string(temp) + "pe2e-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter);
    MakeDirs(base_);
    work_ = base_ + "\\work";
    MakeDirs(work_);
  }
  void TearDown() override {
    SetEnv("PLOVIK_TEST_LINGER_MS", nullptr);
    SetEnv("PLOVIK_TEST_HANDLE", nullptr);
    SetEnv("PLOVIK_TEST_ENV", nullptr);
    RemoveTree(base_);
  }

  // A directory below base_ of exactly n characters.
  std::string DirOfLength(size_t n) const {
    std::string dir = base_ + "\\";
    EXPECT_LT(dir.size() + 1, n);
    while (dir.size() < n) {
      const size_t segment = dir.size() - dir.rfind('\\') - 1;
      dir += (segment == 40 && dir.size() + 1 < n) ? '\\' : 'd';
    }
    return dir;
  }

  Outcome Start(const Installation& inst, const std::string& tail, Launch launch = {}) {
    launch.commandLine = Quoted(inst.launcher, tail);
    launch.currentDir = work_;
    return RunLauncher(launch);
  }

  std::string base_;
  std::string work_;
};

}  // namespace e2e

#endif
