// The private-profile service over real files: one read, one crash-safe write, and the
// error "Unable to write to <path>" when the library cannot be written.
#include "platform/ini_file.h"

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/faulty_file_system.h"
#include "tests/support/immutable_path.h"
#include "tests/support/temp_prefix.h"

namespace {

using platform::IniFile;
using platform::IniWriteError;
using testing_support::FaultyFileSystem;
using testing_support::ImmutablePath;
using testing_support::TempPrefix;

constexpr char kFolder[] = "C:\\ProgramData\\Sim";
constexpr char kLibrary[] = "C:\\ProgramData\\Sim\\scenery.cfg";
const std::string kOriginal = "[General]\r\nTitle=World\r\n\r\n[Area.001]\r\nTitle=Base\r\n";

class IniFileTest : public ::testing::Test {
 protected:
  std::vector<std::string> NamesIn(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(prefix.Host(folder), ignored)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  TempPrefix prefix;
  FaultyFileSystem files{prefix.files()};
};

TEST_F(IniFileTest, WritesTheEditedTextAndLeavesNoTemporaryFile) {
  prefix.Write(kLibrary, kOriginal);
  IniFile library(files, kLibrary);
  library.WriteString("Area.002", "Title", "Docks");
  library.UpdateFile();
  EXPECT_EQ(prefix.Read(kLibrary), kOriginal + "[Area.002]\r\nTitle=Docks\r\n");
  EXPECT_EQ(NamesIn(kFolder), std::vector<std::string>{"scenery.cfg"});
}

TEST_F(IniFileTest, ReadsTheFileOnceHoweverManyKeysAreRead) {
  prefix.Write(kLibrary, kOriginal);
  IniFile library(files, kLibrary);
  for (int i = 0; i < 1000; ++i) library.ReadString("Area.001", "title", "???");
  EXPECT_EQ(files.reads[kLibrary], 1);
}

TEST_F(IniFileTest, WritesNothingWithoutAnEdit) {
  IniFile library(files, kLibrary);
  EXPECT_EQ(library.ReadString("Area.001", "title", "???"), "???");
  library.UpdateFile();
  EXPECT_FALSE(prefix.files().FileExists(kLibrary));
  EXPECT_EQ(files.replacements[kLibrary], 0);
}

TEST_F(IniFileTest, AMissingFileInAnExistingFolderIsCreated) {
  prefix.MakeFolder(kFolder);
  IniFile library(files, kLibrary);
  library.WriteString("Area.001", "Title", "Docks");
  library.UpdateFile();
  EXPECT_EQ(prefix.Read(kLibrary), "[Area.001]\r\nTitle=Docks\r\n");
}

TEST_F(IniFileTest, KeepsTheFilesPermissions) {
  prefix.Write(kLibrary, kOriginal);
  std::filesystem::permissions(prefix.Host(kLibrary), std::filesystem::perms(0640));
  IniFile library(files, kLibrary);
  library.WriteString("Area.001", "Layer", "1");
  library.UpdateFile();
  struct stat st;
  ASSERT_EQ(::stat(prefix.Host(kLibrary).c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// Each case makes the library unwritable in its own way; the write must then fail with
// the framework's message and leave the folder exactly as it was.
struct FailureCase {
  const char* why;
  const char* path;
  // Prepares the failure; returns an object to keep alive, or sets `skip`.
  std::function<std::shared_ptr<void>(TempPrefix&, FaultyFileSystem&, bool& skip)>
      prepare;
};

TEST_F(IniFileTest, AnUnwritableLibraryRaisesTheErrorAndStaysAsItWas) {
  const FailureCase cases[] = {
      {"a read-only file", kLibrary,
       [](TempPrefix& p, FaultyFileSystem&, bool&) -> std::shared_ptr<void> {
         std::filesystem::permissions(p.Host(kLibrary), std::filesystem::perms(0444));
         return nullptr;
       }},
      {"a missing folder", "C:\\ProgramData\\Missing\\scenery.cfg",
       [](TempPrefix&, FaultyFileSystem&, bool&) -> std::shared_ptr<void> {
         return nullptr;
       }},
      {"a folder without the right to write", kLibrary,
       [](TempPrefix&, FaultyFileSystem& f, bool&) -> std::shared_ptr<void> {
         f.unwritable_folders.insert(kFolder);
         return nullptr;
       }},
      {"an immutable folder", kLibrary,
       [](TempPrefix& p, FaultyFileSystem&, bool& skip) -> std::shared_ptr<void> {
         auto guard = std::make_shared<ImmutablePath>(p.Host(kFolder));
         skip = !guard->Active();
         return guard;
       }},
      {"an immutable file", kLibrary,
       [](TempPrefix& p, FaultyFileSystem&, bool& skip) -> std::shared_ptr<void> {
         auto guard = std::make_shared<ImmutablePath>(p.Host(kLibrary));
         skip = !guard->Active();
         return guard;
       }},
      {"a file that cannot be read", kLibrary,
       [](TempPrefix&, FaultyFileSystem& f, bool&) -> std::shared_ptr<void> {
         f.unreadable_files.insert(kLibrary);
         return nullptr;
       }},
  };
  for (const FailureCase& c : cases) {
    TempPrefix fresh;
    FaultyFileSystem faulty(fresh.files());
    fresh.Write(kLibrary, kOriginal);
    bool skip = false;
    std::shared_ptr<void> keep = c.prepare(fresh, faulty, skip);
    if (skip) {
      std::cout << "[ NOTE ] " << c.why << ": the file system cannot make it here\n";
      continue;
    }
    IniFile library(faulty, c.path);
    library.WriteString("Area.002", "Title", "Docks");
    try {
      library.UpdateFile();
      ADD_FAILURE() << c.why << ": no error";
    } catch (const IniWriteError& error) {
      EXPECT_EQ(std::string(error.what()), std::string("Unable to write to ") + c.path) << c.why;
      EXPECT_EQ(error.path(), c.path);
    }
    keep.reset();
    EXPECT_EQ(fresh.Read(kLibrary), kOriginal) << c.why;
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(fresh.Host(kFolder))) {
      names.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(names, std::vector<std::string>{"scenery.cfg"}) << c.why;
  }
}

}  // namespace
