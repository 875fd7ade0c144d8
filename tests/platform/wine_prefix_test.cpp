#include "platform/posix/wine_prefix.h"

#include <unistd.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/temp_prefix.h"

namespace {

namespace fs = std::filesystem;
using platform::posix::WinePrefix;
using testing_support::TempPrefix;
using testing_support::WriteHostFile;

class WinePrefixTest : public ::testing::Test {
 protected:
  std::string Real(const std::string& host) { return fs::canonical(host).string(); }
  TempPrefix prefix;
  WinePrefix wine{prefix.dir()};
};

TEST_F(WinePrefixTest, DrivesFollowDosdevicesLinksAndFallBackForCAndZ) {
  EXPECT_EQ(wine.DriveRoot('c'), Real(prefix.dir() + "/drive_c"));
  EXPECT_EQ(wine.DriveRoot('Z'), "/");
  EXPECT_EQ(wine.DriveRoot('d'), "");
  EXPECT_EQ(wine.ToHost("D:\\x"), "") << "an unknown drive maps nowhere";

  fs::create_directories(prefix.dir() + "/dosdevices");
  fs::create_directories(prefix.dir() + "/games");
  fs::create_symlink("../games", prefix.dir() + "/dosdevices/d:");
  fs::create_symlink("../drive_c", prefix.dir() + "/dosdevices/c:");
  EXPECT_EQ(wine.DriveRoot('D'), Real(prefix.dir() + "/games"));
  EXPECT_EQ(wine.ToHost("d:\\FSX\\scenery.cfg"), Real(prefix.dir() + "/games") + "/FSX/scenery.cfg");
  EXPECT_EQ(wine.DriveRoot('z'), "/") << "a missing link still falls back";
}

TEST_F(WinePrefixTest, ComponentsResolveWithoutRegardToCase) {
  WriteHostFile(prefix.dir() + "/drive_c/Products/Demo/lumvek_new.exe", "x");
  const std::string root = Real(prefix.dir() + "/drive_c");
  struct Case {
    const char* windows;
    std::string host;
  } cases[] = {
      {"C:\\Products\\Demo\\lumvek_new.exe", root + "/Products/Demo/lumvek_new.exe"},
      {"c:\\PRODUCTS\\demo\\Lumvek_new.exe", root + "/Products/Demo/lumvek_new.exe"},
      {"C:/products//Demo/./x/../LUMVEK_NEW.EXE", root + "/Products/Demo/lumvek_new.exe"},
      // Missing components keep the spelling asked for.
      {"C:\\products\\Demo\\New Folder\\File.TXT", root + "/Products/Demo/New Folder/File.TXT"},
      {"C:\\", root},
  };
  for (const Case& c : cases) EXPECT_EQ(wine.ToHost(c.windows), c.host) << c.windows;
}

TEST_F(WinePrefixTest, NonAsciiBytesCompareExactly) {
  WriteHostFile(prefix.dir() + "/drive_c/Z\xc3\xbcrich/a", "x");
  const std::string root = Real(prefix.dir() + "/drive_c");
  EXPECT_EQ(wine.ToHost("C:\\z\xc3\xbcrich\\A"), root + "/Z\xc3\xbcrich/a");
  EXPECT_EQ(wine.ToHost("C:\\Z\xc3\x9crich\\a"), root + "/Z\xc3\x9crich/a")
      << "only ASCII letters fold";
}

TEST_F(WinePrefixTest, RelativePathsStartAtTheWorkingFolder) {
  WriteHostFile(prefix.dir() + "/drive_c/Work/Temp.bat", "x");
  const std::string previous = fs::current_path().string();
  fs::current_path(prefix.dir() + "/drive_c/Work");
  EXPECT_EQ(wine.ToHost("temp.bat"), "Temp.bat");
  EXPECT_EQ(wine.ToHost("sub\\new.txt"), "sub/new.txt");
  EXPECT_EQ(wine.ToHost("\\Work\\temp.bat"), Real(prefix.dir() + "/drive_c") + "/Work/Temp.bat")
      << "a leading backslash is the root of the working folder's drive";
  fs::current_path(previous);
}

TEST_F(WinePrefixTest, HostPathsTurnBackIntoWindowsFormThroughTheLongestDrive) {
  fs::create_directories(prefix.dir() + "/drive_c/Products/A b&c%d (x)/scenery");
  fs::create_directories(prefix.dir() + "/dosdevices");
  fs::create_symlink("../drive_c/Products", prefix.dir() + "/dosdevices/p:");
  const std::string product = prefix.dir() + "/drive_c/Products/A b&c%d (x)";
  EXPECT_EQ(wine.ToWindows(product + "/lumvek.exe"), "P:\\A b&c%d (x)\\lumvek.exe");
  EXPECT_EQ(wine.ToWindows(prefix.dir() + "/drive_c/other/x.exe"), "C:\\other\\x.exe");
  EXPECT_EQ(wine.ToWindows(prefix.dir() + "/drive_c"), "C:\\");
  EXPECT_EQ(wine.ToWindows("/usr/bin/env"), "Z:\\usr\\bin\\env");
  EXPECT_EQ(wine.ToWindows(prefix.dir() + "/drive_c/Products/../Products/A b&c%d (x)/./x"),
            "P:\\A b&c%d (x)\\x");
}

TEST_F(WinePrefixTest, RoundTripsAwkwardNames) {
  const std::string names[] = {"with blank", "100%", "a&b", "(par)", "it's", "caf\xe9", "!^"};
  for (const std::string& name : names) {
    std::string host = prefix.dir() + "/drive_c/" + name + "/f " + name + ".bgl";
    WriteHostFile(host, "x");
    std::string windows = wine.ToWindows(host);
    EXPECT_EQ(windows, "C:\\" + name + "\\f " + name + ".bgl");
    EXPECT_EQ(wine.ToHost(windows), Real(prefix.dir() + "/drive_c") + "/" + name + "/f " + name + ".bgl");
  }
}

TEST(WinePrefixDefault, FollowsWineprefixThenHome) {
  const char* saved = getenv("WINEPREFIX");
  std::string saved_value = saved != nullptr ? saved : "";
  setenv("WINEPREFIX", "/somewhere/pfx", 1);
  EXPECT_EQ(WinePrefix::DefaultPrefixDir(), "/somewhere/pfx");
  unsetenv("WINEPREFIX");
  const char* home = getenv("HOME");
  if (home != nullptr) {
    EXPECT_EQ(WinePrefix::DefaultPrefixDir(), std::string(home) + "/.wine");
  }
  if (saved != nullptr) setenv("WINEPREFIX", saved_value.c_str(), 1);
}

}  // namespace
