#include "common/text_lines.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/temp_prefix.h"

namespace {

using common::Atol;
using common::LineReader;
using testing_support::TempPrefix;

// Every value ReadLine gives for a file, in order, as text mode reads it.
std::vector<std::string> ReadValues(const std::string& bytes) {
  TempPrefix prefix;
  prefix.Write("C:\\m.ini", bytes);
  LineReader reader(prefix.files().OpenForReading("C:\\m.ini", platform::FileMode::kText));
  std::vector<std::string> values;
  std::string buffer;
  while (reader.ReadLine(buffer)) values.push_back(buffer);
  return values;
}

TEST(LineReader, SplitsAndCutsLinesAsA255ByteBufferDoes) {
  const std::string a254(254, 'a');
  const std::string b253(253, 'b');
  struct Case {
    const char* what;
    std::string bytes;
    std::vector<std::string> values;
  } cases[] = {
      {"CR LF lines", "one\r\ntwo\r\n", {"one", "two"}},
      {"LF lines", "one\ntwo", {"one", "two"}},
      {"blanks are kept", " \tpadded\t \r\n", {" \tpadded\t "}},
      {"a long line is split", std::string(300, 'x') + "\r\nnext\r\n",
       {std::string(254, 'x'), std::string(46, 'x'), "next"}},
      {"exactly 254 then its line end gives an extra empty value", a254 + "\r\nnext\r\n",
       {a254, "", "next"}},
      {"253 with CR LF fits in one read", b253 + "\r\nnext\r\n", {b253, "next"}},
      {"a lone CR ends the text", "left\rright\r\nnext\r\n", {"left", "next"}},
      {"a NUL ends the text", std::string("ab\0cd\r\nnext\r\n", 13), {"ab", "next"}},
      {"an empty file has no lines", "", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadValues(c.bytes), c.values) << c.what;
}

TEST(LineReader, AReadPastTheEndLeavesTheBufferAsItWas) {
  TempPrefix prefix;
  prefix.Write("C:\\m.ini", "last line");
  LineReader reader(prefix.files().OpenForReading("C:\\m.ini", platform::FileMode::kText));
  std::string buffer;
  ASSERT_TRUE(reader.ReadLine(buffer));
  EXPECT_FALSE(reader.ReadLine(buffer));
  EXPECT_FALSE(reader.ReadLine(buffer));
  EXPECT_EQ(buffer, "last line");
  EXPECT_TRUE(reader.AtEnd());
}

TEST(Atol, ConvertsLikeTheCLibrary) {
  struct Case {
    const char* text;
    int32_t value;
  } cases[] = {
      {"12", 12},       {"12abc", 12},   {"  +7", 7},         {"\t-3", -3},
      {"-", 0},         {"abc", 0},      {"", 0},             {"1 2", 1},
      {"0x1A", 0},      {"007", 7},      {"99999999999", 2147483647},
      {"-99999999999", -2147483647 - 1}, {"- 5", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(Atol(c.text), c.value) << '"' << c.text << '"';
}

TEST(ReadNumberFile, ReadsTheFirstLineAsANumber) {
  TempPrefix prefix;
  prefix.Write("C:\\p\\letters.txt", "12abc\r\n99\r\n");
  prefix.Write("C:\\p\\negative.txt", "-3\r\n");
  prefix.Write("C:\\p\\empty.txt", "");
  prefix.Write("C:\\p\\spaced.txt", "7 and more\r\n");
  platform::FileSystem& files = prefix.files();
  EXPECT_EQ(common::ReadNumberFile(files, "C:\\p\\letters.txt"), 12);
  EXPECT_EQ(common::ReadNumberFile(files, "C:\\p\\negative.txt"), -3);
  EXPECT_EQ(common::ReadNumberFile(files, "C:\\p\\empty.txt"), 0);
  EXPECT_EQ(common::ReadNumberFile(files, "C:\\p\\spaced.txt"), 7);
  EXPECT_EQ(common::ReadNumberFile(files, "C:\\p\\missing.txt"), 0);
}

TEST(CanOpenFile, TellsWhetherAFileOpens) {
  TempPrefix prefix;
  prefix.Write("C:\\a\\add-on.xml", "");
  EXPECT_TRUE(common::CanOpenFile(prefix.files(), "C:\\a\\ADD-ON.xml"));
  EXPECT_FALSE(common::CanOpenFile(prefix.files(), "C:\\a\\missing.xml"));
  EXPECT_FALSE(common::CanOpenFile(prefix.files(), "C:\\a")) << "a folder is no file";
}

}  // namespace
