// Lower-casing by the locale's rules, for command-line words and simulator names.
#include "platform/text_case.h"

#include <gtest/gtest.h>

namespace {

TEST(TextCaseTest, LowersAsciiUtf8AndWindows1252Text) {
  const struct {
    const char* why;
    std::string text;
    std::string lower;
  } cases[] = {
      {"ASCII", "ADD /Remove Prepar3D V4", "add /remove prepar3d v4"},
      {"digits and signs stay", "Area.007 [x]=1;#", "area.007 [x]=1;#"},
      {"UTF-8 accented capitals", "\xC3\x89\x63OLE \xC3\x80 \xC3\x96", "\xC3\xA9\x63ole \xC3\xA0 \xC3\xB6"},
      {"UTF-8 Cyrillic and Greek", "\xD0\x9F\xD0\xA0\xCE\xA3", "\xD0\xBF\xD1\x80\xCF\x83"},
      {"UTF-8 small letters and signs stay", "\xC3\xA9\xE2\x82\xAC", "\xC3\xA9\xE2\x82\xAC"},
      {"Windows-1252 capitals", "\xC9\x43OLE \xC0\xD6\xDE \x8A\x8C\x8E\x9F",
       "\xE9\x63ole \xE0\xF6\xFE \x9A\x9C\x9E\xFF"},
      {"the multiplication sign is no letter", "\xD7\xE9", "\xD7\xE9"},
      {"empty", "", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::LowerCase(c.text), c.lower) << c.why;
}

}  // namespace
