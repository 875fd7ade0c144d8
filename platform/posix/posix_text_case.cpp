#include <langinfo.h>
#include <locale.h>
#include <wctype.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/text_case.h"

namespace platform {
namespace {

// A UTF-8 character-type locale, made once and kept for the program's life.
locale_t Utf8Locale() {
  static const locale_t locale = [] {
    locale_t user = ::newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(0));
    if (user != static_cast<locale_t>(0)) {
      if (std::strcmp(::nl_langinfo_l(CODESET, user), "UTF-8") == 0) return user;
      ::freelocale(user);
    }
    return ::newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
  }();
  return locale;
}

// The code points of `text`; nothing when it is not well-formed UTF-8.
std::optional<std::vector<char32_t>> DecodeUtf8(std::string_view text) {
  std::vector<char32_t> points;
  points.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    size_t extra = 0;
    char32_t point = 0;
    if (lead < 0x80) {
      point = lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      extra = 1;
      point = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      extra = 2;
      point = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      extra = 3;
      point = lead & 0x07;
    } else {
      return std::nullopt;
    }
    if (i + extra >= text.size()) return std::nullopt;  // cut short
    for (size_t k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      point = (point << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and points beyond Unicode are not UTF-8.
    static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (point < kSmallest[extra] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
      return std::nullopt;
    }
    points.push_back(point);
    i += extra + 1;
  }
  return points;
}

void AppendUtf8(std::string& out, char32_t point) {
  if (point < 0x80) {
    out.push_back(static_cast<char>(point));
  } else if (point < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (point >> 6)));
    out.push_back(static_cast<char>(0x80 | (point & 0x3F)));
  } else if (point < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (point >> 12)));
    out.push_back(static_cast<char>(0x80 | ((point >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (point & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (point >> 18)));
    out.push_back(static_cast<char>(0x80 | ((point >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((point >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (point & 0x3F)));
  }
}

char32_t LowerPoint(char32_t point, locale_t locale) {
  if (point < 0x80) return point >= 'A' && point <= 'Z' ? point + ('a' - 'A') : point;
  if (locale == static_cast<locale_t>(0)) return point;
  const wint_t lower = ::towlower_l(static_cast<wint_t>(point), locale);
  // A lower case outside Unicode, or one that UTF-8 cannot hold, keeps the character.
  return lower <= 0x10FFFF && !(lower >= 0xD800 && lower <= 0xDFFF) ? static_cast<char32_t>(lower)
                                                                    : point;
}

// Windows-1252: capitals A-Z, 0xC0-0xDE (not 0xD7, the multiplication sign), and the
// four capitals placed elsewhere in the code page.
unsigned char LowerWindows1252(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + ('a' - 'A'));
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
  switch (c) {
    case 0x8A: return 0x9A;  // S with caron
    case 0x8C: return 0x9C;  // OE
    case 0x8E: return 0x9E;  // Z with caron
    case 0x9F: return 0xFF;  // Y with diaeresis
    default: return c;
  }
}

}  // namespace

std::string LowerCase(std::string_view text) {
  std::string lower;
  lower.reserve(text.size());
  if (std::optional<std::vector<char32_t>> points = DecodeUtf8(text)) {
    const locale_t locale = Utf8Locale();
    for (char32_t point : *points) AppendUtf8(lower, LowerPoint(point, locale));
    return lower;
  }
  for (char c : text) {
    lower.push_back(static_cast<char>(LowerWindows1252(static_cast<unsigned char>(c))));
  }
  return lower;
}

}  // namespace platform
