// Installation directory and runtime path, derived from the module path.
#include "installdir.h"

#include <gtest/gtest.h>
#include <string.h>

#include <string>

namespace {

struct Located {
  bool ok;
  std::string cwd;
  std::string javaexec;
};

// fetched < 0 stands for what GetModuleFileNameA returns for a path that
// fits: its length.
Located Locate(const std::string& modulePath, long fetched = -1) {
  char cwd[kCwdSize];
  memset(cwd, 0, sizeof(cwd));
  memcpy(cwd, modulePath.data(), std::min(modulePath.size(), kCwdSize));
  const unsigned long result =
      fetched < 0 ? modulePath.size() : static_cast<unsigned long>(fetched);
  char javaexec[kJavaExecSize];
  memset(javaexec, 0, sizeof(javaexec));
  const bool ok = CutToInstallationDirectory(cwd, result) && FormRuntimePath(javaexec, cwd);
  return {ok, cwd, javaexec};
}

std::string DirOfLength(size_t n) {  // "C:\dddd...", n characters
  std::string dir = "C:\\";
  while (dir.size() < n) dir += (dir.size() % 50 == 49) ? '\\' : 'd';
  if (dir.back() == '\\') dir.back() = 'd';
  return dir;
}

struct DirCase {
  const char* name;
  std::string modulePath;
  std::string dir;
};

void PrintTo(const DirCase& c, std::ostream* os) { *os << c.name; }

class InstallDirTest : public testing::TestWithParam<DirCase> {};

TEST_P(InstallDirTest, CutsAtTheLastBackslash) {
  const DirCase& c = GetParam();
  const Located got = Locate(c.modulePath);
  ASSERT_TRUE(got.ok);
  EXPECT_EQ(got.cwd, c.dir);
  EXPECT_EQ(got.javaexec, c.dir + "\\..\\jre\\bin\\java.exe");
}

INSTANTIATE_TEST_SUITE_P(
    ModulePaths, InstallDirTest,
    testing::Values(
        DirCase{"Installed", "C:\\Apps\\Suite\\bin\\plovik.exe", "C:\\Apps\\Suite\\bin"},
        DirCase{"DriveRoot", "C:\\plovik.exe", "C:"},
        DirCase{"RenamedLauncher", "C:\\Apps\\Suite\\bin\\p.exe", "C:\\Apps\\Suite\\bin"},
        DirCase{"LongerName", "C:\\Apps\\Suite\\bin\\product-launcher.exe", "C:\\Apps\\Suite\\bin"},
        DirCase{"Spaces", "C:\\Program Files\\My App\\plovik.exe", "C:\\Program Files\\My App"},
        DirCase{"Unc", "\\\\server\\share\\plovik.exe", "\\\\server\\share"},
        DirCase{"HighBytes", "C:\\Programme\\Caf\xe9\\plovik.exe", "C:\\Programme\\Caf\xe9"},
        DirCase{"Dir107", DirOfLength(107) + "\\plovik.exe", DirOfLength(107)},
        DirCase{"Dir108", DirOfLength(108) + "\\plovik.exe", DirOfLength(108)},
        DirCase{"Dir240", DirOfLength(240) + "\\plovik.exe", DirOfLength(240)},
        DirCase{"LongPath", DirOfLength(500) + "\\plovik.exe", DirOfLength(500)},
        // The longest module path the buffer holds has 511 characters.
        DirCase{"LongestDir", DirOfLength(kMaxInstallDirLen) + "\\",
                DirOfLength(kMaxInstallDirLen)}),
    [](const testing::TestParamInfo<DirCase>& info) { return std::string(info.param.name); });

TEST(InstallDir, RuntimePathOfTheLongestDirectoryFits) {
  const Located got = Locate(DirOfLength(kMaxInstallDirLen) + "\\");
  ASSERT_TRUE(got.ok);
  EXPECT_EQ(got.javaexec.size(), kJavaExecSize - 1);
}

struct FailCase {
  const char* name;
  std::string modulePath;
  long fetched;
};

void PrintTo(const FailCase& c, std::ostream* os) { *os << c.name; }

class InstallDirFailTest : public testing::TestWithParam<FailCase> {};

TEST_P(InstallDirFailTest, GivesNoDirectory) {
  const FailCase& c = GetParam();
  const Located got = Locate(c.modulePath, c.fetched);
  EXPECT_FALSE(got.ok);
  EXPECT_EQ(got.cwd, "");
  EXPECT_EQ(got.javaexec, "");
}

INSTANTIATE_TEST_SUITE_P(
    ModulePaths, InstallDirFailTest,
    testing::Values(FailCase{"NotFetched", "", 0},
                    FailCase{"NotFetchedButFilled", "C:\\x\\plovik.exe", 0},
                    FailCase{"NoBackslash", "plovik.exe", -1},
                    // A result of the buffer's size means the path was cut short.
                    FailCase{"CutShort", DirOfLength(600) + "\\plovik.exe", long(kCwdSize)},
                    FailCase{"BeyondTheBuffer", DirOfLength(600) + "\\plovik.exe", 700}),
    [](const testing::TestParamInfo<FailCase>& info) { return std::string(info.param.name); });

TEST(InstallDir, RuntimePathRefusesADirectoryBeyondTheLimit) {
  char javaexec[kJavaExecSize];
  memset(javaexec, 'x', sizeof(javaexec));
  const std::string cwd = DirOfLength(kMaxInstallDirLen + 1);
  EXPECT_FALSE(FormRuntimePath(javaexec, cwd.c_str()));
  EXPECT_EQ(javaexec[0], '\0');
}

}  // namespace
