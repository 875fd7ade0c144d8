#include "platform/posix/wincmd/percent.h"

#include <cstdlib>
#include <cstring>

#include "platform/posix/wine_prefix.h"

extern char** environ;

namespace wincmd {

std::optional<std::string> ProcessEnvironment(const std::string& name) {
  if (name.empty() || name.find('=') != std::string::npos) return std::nullopt;
  if (const char* exact = std::getenv(name.c_str())) return std::string(exact);
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
    const char* equals = std::strchr(*entry, '=');
    if (equals == nullptr) continue;
    const std::string entry_name(*entry, static_cast<size_t>(equals - *entry));
    if (platform::posix::NamesEqualIgnoringCase(entry_name, name)) {
      return std::string(equals + 1);
    }
  }
  return std::nullopt;
}

std::string ExpandPercents(const std::string& line, const std::vector<std::string>& arguments,
                           const EnvironmentLookup& environment) {
  std::string out;
  out.reserve(line.size());
  size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c != '%') {
      out.push_back(c);
      ++i;
      continue;
    }
    const char next = i + 1 < line.size() ? line[i + 1] : '\0';
    if (next == '%') {
      out.push_back('%');
      i += 2;
    } else if (next >= '0' && next <= '9') {
      const size_t index = static_cast<size_t>(next - '0');
      if (index < arguments.size()) out += arguments[index];
      i += 2;
    } else if (next == '*') {
      for (size_t a = 1; a < arguments.size(); ++a) {
        if (a > 1) out.push_back(' ');
        out += arguments[a];
      }
      i += 2;
    } else {
      const size_t close = line.find('%', i + 1);
      if (close == std::string::npos) {
        ++i;  // a lone percent sign disappears
        continue;
      }
      if (std::optional<std::string> value = environment(line.substr(i + 1, close - i - 1))) {
        out += *value;
      }
      i = close + 1;
    }
  }
  return out;
}

}  // namespace wincmd
