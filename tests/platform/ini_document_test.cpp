// The private-profile text: reading by the Windows rules, and edits that change only the
// lines they must.
#include "platform/ini_document.h"

#include <functional>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace {

using platform::IniDocument;

struct ReadCase {
  const char* why;
  std::string text;
  const char* section;
  const char* key;
  std::optional<std::string> value;
};

TEST(IniDocumentTest, ReadsByTheWindowsRules) {
  const ReadCase cases[] = {
      {"names ignore case", "[Area.001]\r\nTitle=Docks\r\n", "area.001", "TITLE", "Docks"},
      {"blanks around names and values and inside brackets",
       "[ Area.001 ]\r\n \tTitle \t=  Docks West \t\r\n", "Area.001", "title", "Docks West"},
      {"one pair of double quotes goes", "[A]\nk=\"  quoted  \"\n", "A", "k", "  quoted  "},
      {"one pair of single quotes goes", "[A]\nk=''x''\n", "A", "k", "'x'"},
      {"unmatched quotes stay", "[A]\nk=\"x'\n", "A", "k", "\"x'"},
      {"a lone quote stays", "[A]\nk=\"\n", "A", "k", "\""},
      {"a comment line is no key", "[A]\n;k=1\n", "A", "k", std::nullopt},
      {"an indented comment line is no key", "[A]\n  ; k=1\n", "A", "k", std::nullopt},
      {"a hash is an ordinary character", "[A]\n#k=1\n", "A", "#k", "1"},
      {"the value runs past further equals signs", "[A]\nLocal=a=b\n", "A", "local", "a=b"},
      {"a semicolon later in the line is part of the value", "[A]\nk=x ; y\n", "A", "k", "x ; y"},
      {"an empty value", "[A]\nk=\n", "A", "k", ""},
      {"a line without equals is no key", "[A]\nk\n", "A", "k", std::nullopt},
      {"only the first section of a name is searched", "[A]\nx=1\n[a]\nk=2\n", "A", "k",
       std::nullopt},
      {"the first section's key wins", "[A]\nk=1\n[a]\nk=2\n", "a", "k", "1"},
      {"the first key wins", "[A]\nk=1\nK=2\n", "A", "k", "1"},
      {"keys before any section belong to none", "k=1\n[A]\n", "A", "k", std::nullopt},
      {"a header without closing bracket is no header", "[A\nk=1\n", "A", "k", std::nullopt},
      {"text after the closing bracket is ignored", "[A] ; note\nk=1\n", "A", "k", "1"},
      {"CR-only lines", "[A]\rk=1\rj=2", "A", "j", "2"},
      {"LF-only lines", "[A]\nk=1\n", "A", "k", "1"},
      {"a lone CR among CR LF lines ends a line", "[A]\r\nk=1\r\nj=2\rm=3\r\n", "A", "m", "3"},
      {"a lone CR far into the text", "[A]\r\nk=" + std::string(150, 'x') + "\r\nj=2\rm=3", "A",
       "j", "2"},
      {"a CR at the very end", "[A]\nk=1\r", "A", "k", "1"},
      {"an empty key name", "[A]\n =x\n", "A", "", "x"},
      {"a header after blanks", "[A]\n  \t[B]\nk=1\n", "b", "k", "1"},
      {"a UTF-8 byte-order mark before the first header", "\xEF\xBB\xBF[A]\r\nk=1\r\n", "A", "k",
       "1"},
      {"bytes above 127 are kept", "[A]\nTitle=Caf\xE9 \xC3\xA9t\xE9\n", "A", "title",
       "Caf\xE9 \xC3\xA9t\xE9"},
      {"a missing section", "[A]\nk=1\n", "B", "k", std::nullopt},
      {"an empty text", "", "A", "k", std::nullopt},
  };
  for (const ReadCase& c : cases) {
    IniDocument document(c.text);
    std::optional<std::string_view> found = document.Find(c.section, c.key);
    ASSERT_EQ(found.has_value(), c.value.has_value()) << c.why;
    if (found) {
      EXPECT_EQ(*found, *c.value) << c.why;
    }
  }
}

TEST(IniDocumentTest, ReadsWholeDecimalNumbersOnly) {
  const struct {
    const char* value;
    int32_t expected;
  } cases[] = {{"12", 12},         {"  12  ", 12}, {"-3", -3},       {"+4", 4},
               {"12abc", -1},      {"", -1},       {"-", -1},        {"0x10", -1},
               {"2147483647", INT32_MAX},          {"2147483648", -1},
               {"-2147483648", INT32_MIN},         {"99999999999999999999", -1}};
  for (const auto& c : cases) {
    IniDocument document(std::string("[A]\nLayer=") + c.value + "\n");
    EXPECT_EQ(document.ReadInteger("A", "layer", -1), c.expected) << c.value;
  }
  EXPECT_EQ(IniDocument("[A]\n").ReadInteger("A", "layer", 7), 7);
}

TEST(IniDocumentTest, AnUneditedDocumentGivesBackEveryByte) {
  const std::string texts[] = {
      "",
      "\r\n",
      "[General]\r\nTitle=FS9 World Scenery\r\n\r\n[Area.001]\r\nTitle=Default Terrain\r\n",
      "\xEF\xBB\xBF[Area.001]\r\nTexture_ID=1\r\nFlatten.0=1,2,3\r\n",
      "[A]\nk=1\n\n; comment\n[B]\nk=2",
      "[A]\rk=1\r\r",
      "mixed\r\nends\nand\rlone\r\r\nlast",
      std::string("bytes \x80\xFF\xE9 and a NUL \0 inside\n", 29),
      "  [ Spaced ]  \r\n  Key  =  \"quoted\"  \r\n",
      "\r",
      "\xEF\xBB\xBF",
  };
  for (const std::string& text : texts) {
    IniDocument document(text);
    EXPECT_EQ(document.Bytes(), text);
    EXPECT_FALSE(document.Modified());
  }
}

struct EditCase {
  const char* why;
  std::string before;
  std::function<void(IniDocument&)> edit;
  std::string after;
};

void Write(IniDocument& document, const char* section, const char* key, const char* value) {
  document.WriteString(section, key, value);
}

TEST(IniDocumentTest, WritesChangeOnlyTheLinesTheyMust) {
  const EditCase cases[] = {
      {"an existing key is replaced in its line, its spelling kept",
       "[A]\r\nTITLE = old\r\nx=1\r\n", [](IniDocument& d) { Write(d, "a", "title", "new"); },
       "[A]\r\nTITLE =new\r\nx=1\r\n"},
      {"a replaced last line without line end gets one",
       "[A]\r\nk=old", [](IniDocument& d) { Write(d, "A", "k", "new"); }, "[A]\r\nk=new\r\n"},
      {"a new key follows the last key; comments and blank lines stay after it",
       "[A]\nk=1\n;note\n\n[B]\nk=2\n", [](IniDocument& d) { Write(d, "A", "n", "2"); },
       "[A]\nk=1\nn=2\n;note\n\n[B]\nk=2\n"},
      {"a new key in a section without keys follows the header",
       "[A]\r\n\r\n[B]\r\n", [](IniDocument& d) { Write(d, "A", "n", "2"); },
       "[A]\r\nn=2\r\n\r\n[B]\r\n"},
      {"a new key after a header without line end", "[A]",
       [](IniDocument& d) { Write(d, "A", "n", "2"); }, "[A]\r\nn=2\r\n"},
      {"a new key after a last line without line end",
       "[A]\r\nk=1", [](IniDocument& d) { Write(d, "A", "n", "2"); }, "[A]\r\nk=1\r\nn=2\r\n"},
      {"a new section is appended with no blank line before it",
       "[A]\r\nk=1\r\n\r\n", [](IniDocument& d) { Write(d, "Area.002", "Title", "X"); },
       "[A]\r\nk=1\r\n\r\n[Area.002]\r\nTitle=X\r\n"},
      {"a new section after a last line without line end",
       "[A]\r\nk=1", [](IniDocument& d) { Write(d, "B", "n", "2"); },
       "[A]\r\nk=1\r\n[B]\r\nn=2\r\n"},
      {"keys written one after another keep their order",
       "", [](IniDocument& d) {
         Write(d, "B", "Title", "T");
         Write(d, "B", "Local", "L");
         Write(d, "B", "Active", "TRUE");
       },
       "[B]\r\nTitle=T\r\nLocal=L\r\nActive=TRUE\r\n"},
      {"an LF-only file gets LF lines", "[A]\nk=1\n",
       [](IniDocument& d) { Write(d, "B", "n", "2"); }, "[A]\nk=1\n[B]\nn=2\n"},
      {"a CR-only file gets CR lines", "[A]\rk=1\r",
       [](IniDocument& d) { Write(d, "A", "n", "2"); }, "[A]\rk=1\rn=2\r"},
      {"the byte-order mark stays", "\xEF\xBB\xBF[A]\r\nk=1\r\n",
       [](IniDocument& d) { Write(d, "B", "n", "\xC3\xA9"); },
       "\xEF\xBB\xBF[A]\r\nk=1\r\n[B]\r\nn=\xC3\xA9\r\n"},
      {"the first of two sections of a name is written", "[A]\nk=1\n[a]\nk=2\n",
       [](IniDocument& d) { Write(d, "A", "k", "3"); }, "[A]\nk=3\n[a]\nk=2\n"},
      {"a value cannot add lines of its own", "[A]\r\n",
       [](IniDocument& d) { Write(d, "A", "k", "one\r\n[Evil]\r\nx=1"); }, "[A]\r\nk=one\r\n"},
      {"erasing removes the header and every line up to the next header",
       "[A]\nk=1\n\n[B]\nk=2\n;note\n\n[C]\nk=3\n",
       [](IniDocument& d) { EXPECT_TRUE(d.EraseSection("b")); }, "[A]\nk=1\n\n[C]\nk=3\n"},
      {"erasing the last section removes it to the end", "[A]\r\nk=1\r\n[B]\r\nk=2",
       [](IniDocument& d) { EXPECT_TRUE(d.EraseSection("B")); }, "[A]\r\nk=1\r\n"},
      {"erasing removes only the first section of a name", "[A]\nk=1\n[B]\n[a]\nk=2\n",
       [](IniDocument& d) { EXPECT_TRUE(d.EraseSection("A")); }, "[B]\n[a]\nk=2\n"},
      {"after erasing, the next section of the name is found", "[A]\nk=1\n[a]\nk=2\n",
       [](IniDocument& d) {
         d.EraseSection("A");
         EXPECT_EQ(d.ReadString("A", "k", "?"), "2");
       },
       "[a]\nk=2\n"},
      {"keys written after an erase land in the right place", "[A]\nk=1\n[B]\nk=2\n[C]\nk=3\n",
       [](IniDocument& d) {
         d.EraseSection("A");
         Write(d, "B", "n", "4");
         Write(d, "C", "k", "5");
       },
       "[B]\nk=2\nn=4\n[C]\nk=5\n"},
  };
  for (const EditCase& c : cases) {
    IniDocument document(c.before);
    c.edit(document);
    EXPECT_EQ(document.Bytes(), c.after) << c.why;
  }
}

TEST(IniDocumentTest, ErasingAMissingSectionChangesNothing) {
  IniDocument document("[A]\nk=1\n");
  EXPECT_FALSE(document.EraseSection("B"));
  EXPECT_FALSE(document.Modified());
  EXPECT_EQ(document.Bytes(), "[A]\nk=1\n");
}

TEST(IniDocumentTest, WrittenValuesReadBack) {
  IniDocument document("\xEF\xBB\xBF[General]\r\nTitle=Scenery\r\n");
  document.WriteString("Area.121", "Title", "Docks & Piers");
  document.WriteString("Area.121", "Layer", "119");
  EXPECT_EQ(document.ReadString("area.121", "title", "???"), "Docks & Piers");
  EXPECT_EQ(document.ReadInteger("AREA.121", "LAYER", 0), 119);
  EXPECT_EQ(document.ReadString("General", "Title", "???"), "Scenery");
  EXPECT_TRUE(document.HasSection("area.121"));
}

TEST(IniDocumentTest, ListsSectionNamesInFileOrder) {
  IniDocument document("[ General ]\n[Area.002]\n[area.001]\nk=1\n[Area.002]\n");
  std::vector<std::string_view> names = document.SectionNames();
  EXPECT_EQ(names, (std::vector<std::string_view>{"General", "Area.002", "area.001", "Area.002"}));
}

}  // namespace
