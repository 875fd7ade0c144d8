#include "platform/file_system.h"

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/temp_prefix.h"

namespace {

namespace fs = std::filesystem;
using platform::FileMode;
using testing_support::TempPrefix;

std::string ReadAll(platform::FileSystem& files, const std::string& path, FileMode mode) {
  auto file = files.OpenForReading(path, mode);
  if (!file) return "<cannot open>";
  std::string text;
  char buffer[7];  // small reads cross every internal boundary
  while (size_t got = file->Read(buffer, sizeof buffer)) text.append(buffer, got);
  return text;
}

void Write(platform::FileSystem& files, const std::string& path, const std::string& text,
           FileMode mode) {
  auto file = files.OpenForWriting(path, mode);
  ASSERT_TRUE(file);
  ASSERT_TRUE(file->Write(text));
  ASSERT_TRUE(file->Close());
}

void MakeReadOnly(const std::string& host) {
  fs::permissions(host, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
}

class FileSystemTest : public ::testing::Test {
 protected:
  TempPrefix prefix;
  platform::FileSystem& files = prefix.files();
};

TEST_F(FileSystemTest, TextModeWritesCrLfAndReadsItBack) {
  Write(files, "C:\\t.txt", "one\ntwo\n\nlast", FileMode::kText);
  EXPECT_EQ(prefix.Read("C:\\t.txt"), "one\r\ntwo\r\n\r\nlast");
  EXPECT_EQ(ReadAll(files, "C:\\t.txt", FileMode::kText), "one\ntwo\n\nlast");
  EXPECT_EQ(ReadAll(files, "C:\\t.txt", FileMode::kBinary), "one\r\ntwo\r\n\r\nlast");
}

TEST_F(FileSystemTest, TextModeReadKeepsLoneCrAndJoinsPairsAcrossBufferEdges) {
  // A CR LF pair split by the reader's 64 KiB chunk, a lone CR, and a CR at the very end.
  std::string bytes(65535, 'a');
  bytes += "\r\nb\rc\r";
  prefix.Write("C:\\edge.txt", bytes);
  std::string expected(65535, 'a');
  expected += "\nb\rc\r";
  EXPECT_EQ(ReadAll(files, "C:\\edge.txt", FileMode::kText), expected);
}

TEST_F(FileSystemTest, ReadOnlyFilesAreNotWrittenReplacedOrDeletedButCanBeRenamed) {
  prefix.Write("C:\\ro.cfg", "keep");
  MakeReadOnly(prefix.Host("C:\\ro.cfg"));
  EXPECT_EQ(files.OpenForWriting("C:\\ro.cfg", FileMode::kText), nullptr);
  EXPECT_FALSE(files.ReplaceFileContents("C:\\ro.cfg", "new"));
  EXPECT_FALSE(files.DeleteFile("C:\\ro.cfg"));
  prefix.Write("C:\\src.cfg", "other");
  EXPECT_FALSE(files.CopyFile("C:\\src.cfg", "C:\\ro.cfg"));
  EXPECT_EQ(prefix.Read("C:\\ro.cfg"), "keep");
  EXPECT_TRUE(files.RenameFile("C:\\ro.cfg", "C:\\moved.cfg"));
  EXPECT_EQ(prefix.Read("C:\\moved.cfg"), "keep");
}

TEST_F(FileSystemTest, ReplaceFileContentsKeepsModeAndLeavesNoTemporaryFile) {
  prefix.Write("C:\\lib\\scenery.cfg", "old");
  chmod(prefix.Host("C:\\lib\\scenery.cfg").c_str(), 0640);
  ASSERT_TRUE(files.ReplaceFileContents("C:\\LIB\\Scenery.cfg", "new\r\n"));
  EXPECT_EQ(prefix.Read("C:\\lib\\scenery.cfg"), "new\r\n");
  struct stat st;
  ASSERT_EQ(stat(prefix.Host("C:\\lib\\scenery.cfg").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(files.ListFolder("C:\\lib").size(), 1u);
  EXPECT_FALSE(files.ReplaceFileContents("C:\\missing\\scenery.cfg", "x"));
  EXPECT_TRUE(files.ReplaceFileContents("C:\\lib\\new.cfg", "created"));
  EXPECT_EQ(prefix.Read("C:\\lib\\new.cfg"), "created");
}

TEST_F(FileSystemTest, ExistenceTellsFilesFromFolders) {
  prefix.Write("C:\\sim\\scenery.cfg\\inner", "");  // "scenery.cfg" is a folder here
  prefix.Write("C:\\sim2\\Scenery.CFG", "");
  EXPECT_FALSE(files.FileExists("C:\\sim\\scenery.cfg"));
  EXPECT_TRUE(files.FolderExists("C:\\sim\\scenery.cfg"));
  EXPECT_TRUE(files.FileExists("c:\\SIM2\\scenery.cfg"));
  EXPECT_FALSE(files.FolderExists("C:\\sim2\\scenery.cfg"));
  EXPECT_EQ(files.OpenForReading("C:\\sim\\scenery.cfg", FileMode::kBinary), nullptr)
      << "a folder does not open as a file";
}

TEST_F(FileSystemTest, RenameRefusesAnExistingTargetButAllowsACaseChange) {
  prefix.Write("C:\\a.bgl", "a");
  prefix.Write("C:\\b.bgl", "b");
  EXPECT_FALSE(files.RenameFile("C:\\a.bgl", "C:\\b.bgl"));
  EXPECT_EQ(prefix.Read("C:\\b.bgl"), "b");
  EXPECT_TRUE(files.RenameFile("C:\\a.bgl", "C:\\A.BGL"));
  auto entries = files.ListFolder("C:\\");
  bool renamed = false;
  for (const auto& entry : entries) renamed |= entry.name == "A.BGL";
  EXPECT_TRUE(renamed);
}

TEST_F(FileSystemTest, CopyReplacesTheTargetAndKeepsTheProgramRunnable) {
  prefix.Write("C:\\new.exe", "new program");
  chmod(prefix.Host("C:\\new.exe").c_str(), 0755);
  prefix.Write("C:\\lumvek.exe", "old program");
  ASSERT_TRUE(files.CopyFile("C:\\new.exe", "C:\\lumvek.exe"));
  EXPECT_EQ(prefix.Read("C:\\lumvek.exe"), "new program");
  struct stat st;
  ASSERT_EQ(stat(prefix.Host("C:\\lumvek.exe").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0755u);
  EXPECT_FALSE(files.CopyFile("C:\\missing.exe", "C:\\lumvek.exe"));
}

TEST_F(FileSystemTest, FoldersAreCreatedOneLevelAndRemovedOnlyWhenEmpty) {
  EXPECT_FALSE(files.CreateFolder("C:\\a\\b")) << "the parent must exist";
  EXPECT_TRUE(files.CreateFolder("C:\\a"));
  EXPECT_FALSE(files.CreateFolder("C:\\A")) << "exists already, in other case";
  EXPECT_TRUE(files.CreateFolder("C:\\a\\b"));
  prefix.Write("C:\\a\\b\\add-on.xml", "x");
  EXPECT_FALSE(files.RemoveFolder("C:\\a\\b"));
  EXPECT_TRUE(files.DeleteFile("C:\\A\\B\\ADD-ON.XML"));
  EXPECT_TRUE(files.RemoveFolder("C:\\a\\b"));
  EXPECT_FALSE(files.FolderExists("C:\\a\\b"));
}

TEST_F(FileSystemTest, ListFolderReportsFoldersAndReadOnlyFiles) {
  prefix.Write("C:\\s\\x.bgl", "");
  prefix.Write("C:\\s\\ro.bgl", "");
  prefix.MakeFolder("C:\\s\\sub");
  MakeReadOnly(prefix.Host("C:\\s\\ro.bgl"));
  auto entries = files.ListFolder("C:\\s");
  ASSERT_EQ(entries.size(), 3u);
  for (const auto& entry : entries) {
    EXPECT_EQ(entry.is_folder, entry.name == "sub") << entry.name;
    EXPECT_EQ(entry.read_only, entry.name == "ro.bgl") << entry.name;
  }
  EXPECT_TRUE(files.ListFolder("C:\\nothing").empty());
}

TEST_F(FileSystemTest, UnmappedDrivesFailEveryOperation) {
  EXPECT_FALSE(files.FileExists("Q:\\x"));
  EXPECT_EQ(files.OpenForWriting("Q:\\x", FileMode::kText), nullptr);
  EXPECT_FALSE(files.ReplaceFileContents("Q:\\x", "y"));
  EXPECT_FALSE(files.CreateFolder("Q:\\x"));
}

}  // namespace
