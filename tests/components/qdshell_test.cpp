#include "components/qdshell.h"

#include <map>
#include <memory>

#include <gtest/gtest.h>

#include "tests/support/fake_services.h"

namespace {

using platform::FolderLookup;
using platform::kResultFalse;
using platform::kResultInvalidArg;
using platform::kResultOk;
using testing_support::TableSpecialFolders;

platform::SpecialFolderLoader Loader(std::map<int, FolderLookup> table, FolderLookup otherwise,
                                     int* calls = nullptr) {
  return [=] { return std::make_unique<TableSpecialFolders>(table, otherwise, calls); };
}

TEST(QDShell, MarksEveryFailedLookupByItsName) {
  constexpr int32_t kFail = static_cast<int32_t>(0x80004005);  // E_FAIL: another failure
  struct Case {
    int index;
    FolderLookup lookup;
    const char* expected;
  } cases[] = {
      {35, {kResultOk, "C:\\ProgramData"}, "C:\\ProgramData"},
      {5, {kResultFalse, ""}, "*CSIDL_PERSONAL Folder does not Exist"},
      {5, {kResultOk, ""}, "*CSIDL_PERSONAL Folder does not Exist"},
      {5, {kResultFalse, "C:\\stale"}, "*CSIDL_PERSONAL Folder does not Exist"},
      {17, {kResultInvalidArg, ""}, "*CSIDL_DRIVES (virtual) Virtual folder"},
      {2, {kResultInvalidArg, ""}, "*CSIDL_PROGRAMS invalid CSIDL"},
      {15, {kResultInvalidArg, ""}, "* invalid CSIDL"},
      {68, {kResultFalse, ""}, "* invalid CSIDL"},
      {68, {kResultOk, "C:\\odd"}, "C:\\odd"},
      {69, {kResultInvalidArg, ""}, "*CSIDL_SAMPLE_VIDEOS (vista) invalid CSIDL"},
      {64, {kResultOk, "C:\\users\\Public\\Music\\Sample Music"},
       "C:\\users\\Public\\Music\\Sample Music"},
      {36, {kFail, "C:\\windows"}, "C:\\windows"},
      {36, {kFail, ""}, "*CSIDL_WINDOWS Folder does not Exist"},
  };
  for (const Case& c : cases) {
    TQDShell shell(nullptr, "QDShell1", Loader({{c.index, c.lookup}}, {kResultOk, "C:\\x"}));
    EXPECT_EQ(shell.FolderPath(c.index), c.expected) << "index " << c.index;
  }
}

TEST(QDShell, AsksEachFolderOnceAtCreation) {
  int calls = 0;
  TQDShell shell(nullptr, "QDShell1", Loader({}, {kResultOk, "C:\\x"}, &calls));
  EXPECT_EQ(calls, 70);
  shell.FolderPath(35);
  shell.FolderPath(5);
  EXPECT_EQ(calls, 70);
  EXPECT_EQ(shell.FolderName(69), shell.FolderName(67));
  EXPECT_EQ(shell.FolderName(15), "");
  EXPECT_EQ(shell.FolderPath(70), "");
  EXPECT_EQ(shell.FolderPath(-1), "");
}

TEST(QDShell, WithoutTheLibraryEveryPathStaysEmpty) {
  TQDShell shell(nullptr, "QDShell1", [] { return std::unique_ptr<platform::SpecialFolderLibrary>(); });
  for (int i = 0; i < TQDShell::kFolderCount; ++i) EXPECT_EQ(shell.FolderPath(i), "") << i;
  TQDShell no_loader(nullptr, "QDShell1", platform::SpecialFolderLoader());
  EXPECT_EQ(no_loader.FolderPath(35), "");
}

}  // namespace
