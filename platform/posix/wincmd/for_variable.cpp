#include "platform/posix/wincmd/for_variable.h"

namespace wincmd {
namespace {

constexpr char kModifierLetters[] = "fdpnxsatzFDPNXSATZ";

bool IsModifierLetter(char c) {
  for (const char* m = kModifierLetters; *m != '\0'; ++m) {
    if (*m == c) return true;
  }
  return false;
}

std::string WithoutQuotes(const std::string& value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// The item's parts named by `modifiers` ("" for the whole item without quotes).
std::optional<std::string> ModifiedValue(const std::string& value, const std::string& modifiers,
                                         std::string* error) {
  const std::string item = WithoutQuotes(value);
  if (modifiers.empty()) return item;
  bool name = false;
  bool extension = false;
  for (char m : modifiers) {
    if (m == 'n' || m == 'N') {
      name = true;
    } else if (m == 'x' || m == 'X') {
      extension = true;
    } else {
      *error = std::string("the modifier \"") + m + "\" of a for variable is not supported";
      return std::nullopt;
    }
  }
  const size_t slash = item.find_last_of("\\/:");
  const std::string file = slash == std::string::npos ? item : item.substr(slash + 1);
  const size_t dot = file.rfind('.');
  const std::string stem = dot == std::string::npos ? file : file.substr(0, dot);
  const std::string ending = dot == std::string::npos ? "" : file.substr(dot);
  return (name ? stem : "") + (extension ? ending : "");
}

}  // namespace

std::optional<std::string> SubstituteForVariable(const std::string& text, char variable,
                                                 const std::string& value, std::string* error) {
  std::string out;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] != '%' || i + 1 == text.size()) {
      out.push_back(text[i++]);
      continue;
    }
    if (text[i + 1] == variable) {
      out += value;
      i += 2;
      continue;
    }
    if (text[i + 1] != '~') {
      out.push_back(text[i++]);
      continue;
    }
    size_t end = i + 2;
    while (end < text.size() && IsModifierLetter(text[end])) ++end;
    std::string modifiers = text.substr(i + 2, end - i - 2);
    if (end < text.size() && text[end] == variable) {
      ++end;
    } else if (!modifiers.empty() && modifiers.back() == variable) {
      modifiers.pop_back();
    } else {
      out.push_back(text[i++]);  // not a reference to this loop's variable
      continue;
    }
    std::optional<std::string> part = ModifiedValue(value, modifiers, error);
    if (!part) return std::nullopt;
    out += *part;
    i = end;
  }
  return out;
}

}  // namespace wincmd
