#include "platform/posix/wincmd/script_reader.h"

#include <stdlib.h>

#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/posix/wincmd/for_variable.h"
#include "platform/posix/wincmd/interpreter.h"
#include "platform/posix/wincmd/percent.h"

namespace {

using wincmd::ScriptReader;
using wincmd::SplitWords;
using wincmd::Statement;
using wincmd::Word;

std::vector<std::string> Texts(const std::vector<Word>& words) {
  std::vector<std::string> texts;
  for (const Word& word : words) texts.push_back(word.text);
  return texts;
}

TEST(SplitWords, KeepsQuotedTextLiteral) {
  struct Case {
    const char* text;
    std::vector<std::string> words;
  } cases[] = {
      {R"(ren "C:\a b\*.agn" *.ag_)", {"ren", R"(C:\a b\*.agn)", "*.ag_"}},
      {R"(del  "C:\x\y")", {"del", R"(C:\x\y)"}},
      // A backslash before a quote escapes nothing.
      {R"(xcopy "C:\p\Flights\*.*" "C:\d\Flight Files\" /y)",
       {"xcopy", R"(C:\p\Flights\*.*)", R"(C:\d\Flight Files\)", "/y"}},
      {R"(del "C:\Tom's & Jerry (1) ^!\a%b.flt")", {"del", R"(C:\Tom's & Jerry (1) ^!\a%b.flt)"}},
      {R"(start "" "C:\p\lumvek.exe")", {"start", "", R"(C:\p\lumvek.exe)"}},
      {R"(del "C:\a b"\c.txt)", {"del", R"(C:\a b\c.txt)"}},
      {"del a,b;c=d\te", {"del", "a", "b", "c", "d", "e"}},
      {"ren x.bgl *.b^&l", {"ren", "x.bgl", "*.b&l"}},
      {R"(del "unclosed path)", {"del", "unclosed path"}},
  };
  for (const auto& c : cases) {
    wincmd::SplitResult split = SplitWords(c.text);
    EXPECT_EQ(split.error, "") << c.text;
    EXPECT_EQ(Texts(split.words), c.words) << c.text;
  }
}

TEST(SplitWords, TellsQuotedWordsFromSwitches) {
  wincmd::SplitResult split = SplitWords(R"(xcopy "/y" /y)");
  ASSERT_EQ(split.words.size(), 3u);
  EXPECT_FALSE(split.words[1].IsSwitch());
  EXPECT_TRUE(split.words[2].IsSwitch());
}

TEST(SplitWords, RefusesWhatWouldRunMoreThanTheCommand) {
  const std::string cases[] = {R"(ren "a" *.b & del "c")", "del a | more", "del a > out",
                               "del a < in", "del a ^", std::string("del a\0b", 7)};
  for (const std::string& text : cases) EXPECT_NE(SplitWords(text).error, "") << text;
}

std::vector<Statement> ReadAll(const std::vector<std::string>& lines) {
  ScriptReader reader(lines);
  std::vector<Statement> statements;
  while (auto statement = reader.Next()) statements.push_back(*statement);
  return statements;
}

TEST(ScriptReader, ReadsCommandsAndSkipsBlankLines) {
  auto statements = ReadAll({"ren \"a\" *.b", "", "   ", "del temp.bat"});
  ASSERT_EQ(statements.size(), 2u);
  EXPECT_EQ(statements[0].line, 1);
  EXPECT_EQ(Texts(statements[0].words), (std::vector<std::string>{"ren", "a", "*.b"}));
  EXPECT_EQ(statements[1].line, 4);
  EXPECT_EQ(Texts(statements[1].words), (std::vector<std::string>{"del", "temp.bat"}));
}

TEST(ScriptReader, ReadsAForBlockOverSeveralLines) {
  auto statements = ReadAll({R"(for %a in ("C:\p (1)\Flights\*.*") do ()",
                             R"(del  "C:\d (x)\%~nxa")", ")", "del temp.bat"});
  ASSERT_EQ(statements.size(), 2u);
  const Statement& loop = statements[0];
  ASSERT_EQ(loop.kind, Statement::Kind::kFor);
  EXPECT_EQ(loop.variable, 'a');
  EXPECT_EQ(Texts(loop.words), (std::vector<std::string>{R"(C:\p (1)\Flights\*.*)"}));
  ASSERT_EQ(loop.body.size(), 1u);
  EXPECT_EQ(loop.body[0].line, 2);
  EXPECT_EQ(Texts(loop.body[0].words),
            (std::vector<std::string>{"del", R"(C:\d (x)\%~nxa)"}));
  EXPECT_EQ(statements[1].line, 4);
}

TEST(ScriptReader, ReadsBlocksOnOneLineNestedAndWithoutParentheses) {
  auto statements = ReadAll({
      "for %a in (x y) do (del %a)",
      "for %a in (x) do del \"%a\"",
      "FOR %a IN (x) DO (",
      "  for %b in (y) do (",
      "    del %a%b",
      "  )",
      "  del %a",
      ")",
  });
  ASSERT_EQ(statements.size(), 3u);
  EXPECT_EQ(Texts(statements[0].words), (std::vector<std::string>{"x", "y"}));
  ASSERT_EQ(statements[0].body.size(), 1u);
  EXPECT_EQ(Texts(statements[0].body[0].words), (std::vector<std::string>{"del", "%a"}));
  ASSERT_EQ(statements[1].body.size(), 1u);
  const Statement& outer = statements[2];
  ASSERT_EQ(outer.body.size(), 2u);
  EXPECT_EQ(outer.body[0].kind, Statement::Kind::kFor);
  EXPECT_EQ(Texts(outer.body[0].body[0].words), (std::vector<std::string>{"del", "%a%b"}));
  EXPECT_EQ(Texts(outer.body[1].words), (std::vector<std::string>{"del", "%a"}));
}

TEST(ScriptReader, ReportsLinesItCannotRead) {
  struct Case {
    const char* what;
    std::vector<std::string> lines;
  } cases[] = {
      {"an unclosed block", {"for %a in (x) do (", "del %a"}},
      {"options", {"for /r %a in (x) do del %a"}},
      {"no variable", {"for a in (x) do del a"}},
      {"no set", {"for %a in x do del a"}},
      {"no do", {"for %a in (x) del a"}},
      {"nothing after do", {"for %a in (x) do"}},
      {"text after the block", {"for %a in (x) do (del %a) del y"}},
      {"a joined command", {"del a & del b"}},
  };
  for (const Case& c : cases) {
    auto statements = ReadAll(c.lines);
    ASSERT_FALSE(statements.empty()) << c.what;
    EXPECT_EQ(statements[0].kind, Statement::Kind::kError) << c.what;
    EXPECT_EQ(statements[0].line, 1) << c.what;
  }
}

TEST(ScriptReader, GoesOnAfterALineItCannotRead) {
  auto statements = ReadAll({"del a | more", "del b"});
  ASSERT_EQ(statements.size(), 2u);
  EXPECT_EQ(statements[0].kind, Statement::Kind::kError);
  EXPECT_EQ(Texts(statements[1].words), (std::vector<std::string>{"del", "b"}));
}

TEST(SplitScriptLines, CutsAtLineFeedsAndDropsCarriageReturns) {
  EXPECT_EQ(wincmd::SplitScriptLines("a\r\nb\nc\r\r\nd"),
            (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(wincmd::SplitScriptLines("one\r\n"), (std::vector<std::string>{"one"}));
}

TEST(ExpandPercents, FollowsTheInterpretersRules) {
  const std::map<std::string, std::string> environment = {{"FOLDER", "texture"}, {"EMPTY", ""}};
  auto lookup = [&](const std::string& name) -> std::optional<std::string> {
    auto it = environment.find(name);
    if (it == environment.end()) return std::nullopt;
    return it->second;
  };
  const std::vector<std::string> arguments = {"temp.bat", "first"};
  struct Case {
    const char* line;
    const char* expanded;
  } cases[] = {
      {"for %%a in (x) do del %%~nxa", "for %a in (x) do del %~nxa"},
      {R"(ren "C:\100%% Real\*.agn" *.ag_)", R"(ren "C:\100% Real\*.agn" *.ag_)"},
      {R"(ren "C:\p\%FOLDER%\*.agn" *.ag_)", R"(ren "C:\p\texture\*.agn" *.ag_)"},
      {R"(del "C:\p\%UNSET%x")", R"(del "C:\p\x")"},
      {R"(del "C:\p\%EMPTY%x")", R"(del "C:\p\x")"},
      {R"(del "C:\50% off")", R"(del "C:\50 off")"},
      {"%", ""},
      {"a%%%b", "a%b"},
      {"%0 %1 %2|%*", "temp.bat first |first"},
      {"no percent at all", "no percent at all"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(wincmd::ExpandPercents(c.line, arguments, lookup), c.expanded) << c.line;
  }
}

TEST(ProcessEnvironment, ComparesNamesWithoutRegardToCase) {
  ::setenv("LumvekWincmdTestValue", "found", 1);
  EXPECT_EQ(wincmd::ProcessEnvironment("LUMVEKWINCMDTESTVALUE").value_or("<unset>"), "found");
  EXPECT_FALSE(wincmd::ProcessEnvironment("LumvekWincmdTestMissing"));
  ::unsetenv("LumvekWincmdTestValue");
}

TEST(SubstituteForVariable, ReplacesTheLoopVariableLiterally) {
  const std::string item = R"(C:\p\Flights\Demo & Co 100%.FLT)";
  struct Case {
    const char* text;
    const char* result;
  } cases[] = {
      {R"(C:\d\%~nxa)", R"(C:\d\Demo & Co 100%.FLT)"},
      {"%a", R"(C:\p\Flights\Demo & Co 100%.FLT)"},
      {"%~a", R"(C:\p\Flights\Demo & Co 100%.FLT)"},
      {"%~na|%~xa|%~xna", "Demo & Co 100%|.FLT|Demo & Co 100%.FLT"},
      {"%b %~nb 100%", "%b %~nb 100%"},  // other variables stay
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_EQ(wincmd::SubstituteForVariable(c.text, 'a', item, &error).value_or("<error>"),
              c.result)
        << c.text;
  }
  std::string error;
  EXPECT_FALSE(wincmd::SubstituteForVariable("%~za", 'a', item, &error));
  EXPECT_NE(error, "");
}

}  // namespace
