#include "manager/scenery_library.h"

#include <algorithm>
#include <optional>
#include <set>
#include <string_view>

namespace manager {
namespace {

constexpr char kUntitled[] = "???";

// The number of a section named "Area." + digits (any letter case); nothing for others.
std::optional<int64_t> AreaNumberOf(std::string_view name) {
  constexpr std::string_view kPrefix = "area.";
  if (name.size() <= kPrefix.size()) return std::nullopt;
  for (size_t i = 0; i < kPrefix.size(); ++i) {
    const char c = name[i];
    const char folded = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    if (folded != kPrefix[i]) return std::nullopt;
  }
  int64_t number = 0;
  for (char c : name.substr(kPrefix.size())) {
    if (c < '0' || c > '9') return std::nullopt;
    // Numbers this large cannot be chosen; keep them from overflowing.
    number = std::min<int64_t>(number * 10 + (c - '0'), INT32_MAX + int64_t{1});
  }
  return number;
}

std::set<int64_t> UsedAreaNumbers(const platform::IniDocument& library) {
  std::set<int64_t> used;
  for (std::string_view name : library.SectionNames()) {
    if (std::optional<int64_t> number = AreaNumberOf(name)) used.insert(*number);
  }
  return used;
}

}  // namespace

std::string AreaSectionName(int32_t number) {
  // Called 500 times per scan: plain digits rather than a formatted print.
  std::string digits = std::to_string(number);
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
  return "Area." + digits;
}

bool ScanAreas(const platform::IniDocument& library, const std::string& title, AreaScan& scan) {
  scan.HighestArea = 0;
  scan.HighestLayer = 0;
  scan.Found = false;
  for (int32_t n = 0; n < kScannedAreas; ++n) {
    const std::string section = AreaSectionName(n);
    const std::string_view area_title = library.Find(section, "title").value_or(kUntitled);
    if (area_title == kUntitled) continue;
    if (n > scan.HighestArea) scan.HighestArea = n;
    const int32_t layer = library.ReadInteger(section, "layer", 0);
    if (layer > scan.HighestLayer) scan.HighestLayer = layer;
    if (area_title == title) {
      scan.Found = true;
      scan.FoundArea = n;
      break;
    }
  }
  return scan.Found;
}

int32_t ChooseNewArea(const platform::IniDocument& library, const AreaScan& scan) {
  const std::set<int64_t> used = UsedAreaNumbers(library);
  auto is_free = [&used](int32_t n) { return used.count(n) == 0; };
  for (int32_t n = scan.HighestArea + 1; n < kScannedAreas; ++n) {
    if (is_free(n)) return n;
  }
  for (int32_t n = 1; n < kScannedAreas; ++n) {
    if (is_free(n)) return n;
  }
  int32_t n = kScannedAreas;
  while (!is_free(n)) ++n;
  return n;
}

void AddProductArea(platform::IniFile& library, int32_t area, int32_t layer,
                    const std::string& title, const std::string& app_dir) {
  const std::string section = AreaSectionName(area);
  library.WriteString(section, "Title", title);
  library.WriteString(section, "Local", app_dir);
  library.WriteString(section, "Active", "TRUE");
  library.WriteString(section, "Layer", std::to_string(layer));
  library.WriteString(section, "Required", "FALSE");
}

}  // namespace manager
