#include <gtest/gtest.h>

#include "platform/posix/wine_special_folders.h"
#include "tests/support/temp_prefix.h"

namespace {

TEST(WineSpecialFolders, ReportExistingMissingAndVirtualFolders) {
  testing_support::TempPrefix prefix;
  prefix.MakeFolder("C:\\ProgramData");
  prefix.MakeFolder("C:\\users\\pilot\\Documents");
  auto folders = platform::posix::NewWineSpecialFolders(prefix.files(), "pilot");

  struct Case {
    int csidl;
    int32_t result;
    const char* path;
  } cases[] = {
      {35, platform::kResultOk, "C:\\ProgramData"},
      {5, platform::kResultOk, "C:\\users\\pilot\\Documents"},
      {26, platform::kResultFalse, ""},  // AppData\Roaming was not made
      {17, platform::kResultInvalidArg, ""},
      {15, platform::kResultInvalidArg, ""},
      {69, platform::kResultInvalidArg, ""},
  };
  for (const Case& c : cases) {
    platform::FolderLookup lookup = folders->GetFolderPath(c.csidl);
    EXPECT_EQ(lookup.result, c.result) << c.csidl;
    EXPECT_EQ(lookup.path, c.path) << c.csidl;
  }
}

TEST(WineSpecialFolders, FollowWinesLayout) {
  using platform::posix::WineFolderPath;
  EXPECT_EQ(WineFolderPath(28, "pilot"), "C:\\users\\pilot\\AppData\\Local");
  EXPECT_EQ(WineFolderPath(46, "pilot"), "C:\\users\\Public\\Documents");
  EXPECT_EQ(WineFolderPath(38, "pilot"), "C:\\Program Files");
  EXPECT_EQ(WineFolderPath(0, "pilot"), WineFolderPath(16, "pilot"));
}

}  // namespace
