#include "platform/ini_document.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace platform {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  }
  return true;
}

std::string Folded(std::string_view name) {
  std::string folded(name);
  for (char& c : folded) c = FoldAscii(c);
  return folded;
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view CutAtLineEnd(std::string_view text) {
  return text.substr(0, std::min(text.find('\r'), text.find('\n')));
}

}  // namespace

IniDocument::IniDocument(std::string bytes) : storage_(std::move(bytes)) {
  size_t start = 0;
  if (storage_.compare(0, kUtf8Bom.size(), kUtf8Bom) == 0) {
    has_bom_ = true;
    start = kUtf8Bom.size();
  }
  SplitLines(start);
  if (!lines_.empty() && lines_.front().end != LineEnd::kNone) line_end_ = lines_.front().end;
  IndexSections();
}

void IniDocument::SplitLines(size_t from) {
  const char* text = storage_.data();
  const size_t size = storage_.size();
  size_t pos = from;
  while (pos < size) {
    // The next LF, and a CR before it that ends a line of its own (CR-only files).
    const void* lf = std::memchr(text + pos, '\n', size - pos);
    size_t lf_at = lf ? static_cast<size_t>(static_cast<const char*>(lf) - text) : size;
    const void* cr = std::memchr(text + pos, '\r', lf_at - pos);
    size_t cr_at = cr ? static_cast<size_t>(static_cast<const char*>(cr) - text) : lf_at;
    if (cr_at + 1 < lf_at || (cr_at < lf_at && lf_at == size)) {
      lines_.push_back(ClassifyLine(pos, cr_at - pos, LineEnd::kCr));
      pos = cr_at + 1;
    } else if (cr_at + 1 == lf_at) {
      lines_.push_back(ClassifyLine(pos, cr_at - pos, LineEnd::kCrLf));
      pos = lf_at + 1;
    } else if (lf_at < size) {
      lines_.push_back(ClassifyLine(pos, lf_at - pos, LineEnd::kLf));
      pos = lf_at + 1;
    } else {
      lines_.push_back(ClassifyLine(pos, size - pos, LineEnd::kNone));
      pos = size;
    }
  }
}

IniDocument::Line IniDocument::ClassifyLine(size_t begin, size_t length, LineEnd end) const {
  Line line{begin, length, end};
  const std::string_view text(storage_.data() + begin, length);
  size_t first = 0;
  while (first < text.size() && IsBlank(text[first])) ++first;
  if (first == text.size() || text[first] == ';') return line;
  auto set_name = [&line, &text](size_t from, size_t to) {
    std::string_view name = TrimBlanks(text.substr(from, to - from));
    line.name_begin = static_cast<size_t>(name.data() - text.data());
    line.name_length = name.size();
  };
  if (text[first] == '[') {
    size_t close = text.rfind(']');
    if (close != std::string_view::npos && close > first) {
      line.kind = LineKind::kSection;
      set_name(first + 1, close);
      return line;
    }
  }
  size_t equals = text.find('=');
  if (equals != std::string_view::npos) {
    line.kind = LineKind::kKey;
    line.equals = equals;
    set_name(0, equals);
  }
  return line;
}

void IniDocument::IndexSections() {
  sections_.clear();
  first_section_.clear();
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind != LineKind::kSection) continue;
    first_section_.try_emplace(Folded(NameOf(lines_[i])), static_cast<int>(sections_.size()));
    sections_.push_back({i});
  }
}

std::string_view IniDocument::TextOf(const Line& line) const {
  return std::string_view(storage_.data() + line.begin, line.length);
}

std::string_view IniDocument::NameOf(const Line& line) const {
  return TextOf(line).substr(line.name_begin, line.name_length);
}

std::string_view IniDocument::ValueOf(const Line& line) const {
  std::string_view value = TrimBlanks(TextOf(line).substr(line.equals + 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

int IniDocument::FindSection(std::string_view name) const {
  auto it = first_section_.find(Folded(TrimBlanks(name)));
  return it == first_section_.end() ? -1 : it->second;
}

std::pair<size_t, size_t> IniDocument::BodyOf(int ordinal) const {
  const size_t index = static_cast<size_t>(ordinal);
  const size_t first = sections_[index].header + 1;
  const size_t last = index + 1 < sections_.size() ? sections_[index + 1].header : lines_.size();
  return {first, last};
}

int IniDocument::FindKeyLine(int ordinal, std::string_view key) const {
  key = TrimBlanks(key);
  auto [first, last] = BodyOf(ordinal);
  for (size_t i = first; i < last; ++i) {
    if (lines_[i].kind == LineKind::kKey && EqualIgnoringCase(NameOf(lines_[i]), key)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

std::optional<std::string_view> IniDocument::Find(std::string_view section,
                                                  std::string_view key) const {
  const int ordinal = FindSection(section);
  if (ordinal < 0) return std::nullopt;
  const int line = FindKeyLine(ordinal, key);
  if (line < 0) return std::nullopt;
  return ValueOf(lines_[static_cast<size_t>(line)]);
}

std::string IniDocument::ReadString(std::string_view section, std::string_view key,
                                    std::string_view fallback) const {
  return std::string(Find(section, key).value_or(fallback));
}

int32_t IniDocument::ReadInteger(std::string_view section, std::string_view key,
                                 int32_t fallback) const {
  std::optional<std::string_view> value = Find(section, key);
  if (!value || value->empty()) return fallback;
  std::string_view digits = *value;
  const bool negative = digits.front() == '-';
  if (digits.front() == '-' || digits.front() == '+') digits.remove_prefix(1);
  if (digits.empty()) return fallback;
  int64_t number = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return fallback;
    number = number * 10 + (c - '0');
    if (number > int64_t{INT32_MAX} + 1) return fallback;
  }
  if (negative) number = -number;
  if (number > INT32_MAX || number < INT32_MIN) return fallback;
  return static_cast<int32_t>(number);
}

bool IniDocument::HasSection(std::string_view section) const { return FindSection(section) >= 0; }

std::vector<std::string_view> IniDocument::SectionNames() const {
  std::vector<std::string_view> names;
  names.reserve(sections_.size());
  for (const Section& section : sections_) names.push_back(NameOf(lines_[section.header]));
  return names;
}

IniDocument::Line IniDocument::NewLine(std::string_view text) {
  const size_t begin = storage_.size();
  storage_.append(text);
  return ClassifyLine(begin, text.size(), line_end_);
}

void IniDocument::InsertLine(size_t at, Line line) {
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), line);
}

void IniDocument::EnsureLineEnd(size_t index) {
  if (lines_[index].end == LineEnd::kNone) lines_[index].end = line_end_;
}

void IniDocument::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
  section = TrimBlanks(section);
  key = TrimBlanks(key);
  value = CutAtLineEnd(value);
  const std::string key_line = std::string(key) + "=" + std::string(value);
  modified_ = true;

  const int ordinal = FindSection(section);
  if (ordinal < 0) {
    if (!lines_.empty()) EnsureLineEnd(lines_.size() - 1);
    InsertLine(lines_.size(), NewLine("[" + std::string(section) + "]"));
    InsertLine(lines_.size(), NewLine(key_line));
    IndexSections();
    return;
  }

  const int existing = FindKeyLine(ordinal, key);
  if (existing >= 0) {
    Line& old_line = lines_[static_cast<size_t>(existing)];
    const std::string text =
        std::string(TextOf(old_line).substr(0, old_line.equals + 1)) + std::string(value);
    const LineEnd end = old_line.end == LineEnd::kNone ? line_end_ : old_line.end;
    Line replaced = NewLine(text);
    replaced.end = end;
    lines_[static_cast<size_t>(existing)] = replaced;
    return;
  }

  // After the section's last key line; blank and comment lines that end it stay after.
  auto [first, last] = BodyOf(ordinal);
  size_t at = first;
  for (size_t i = first; i < last; ++i) {
    if (lines_[i].kind == LineKind::kKey) at = i + 1;
  }
  EnsureLineEnd(at - 1);
  InsertLine(at, NewLine(key_line));
  IndexSections();
}

bool IniDocument::EraseSection(std::string_view section) {
  const int ordinal = FindSection(section);
  if (ordinal < 0) return false;
  const size_t header = sections_[static_cast<size_t>(ordinal)].header;
  const size_t last = BodyOf(ordinal).second;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(header),
               lines_.begin() + static_cast<std::ptrdiff_t>(last));
  IndexSections();
  modified_ = true;
  return true;
}

std::string IniDocument::Bytes() const {
  std::string bytes;
  bytes.reserve(storage_.size() + 64);
  if (has_bom_) bytes.append(kUtf8Bom);
  for (const Line& line : lines_) {
    bytes.append(TextOf(line));
    switch (line.end) {
      case LineEnd::kNone: break;
      case LineEnd::kLf: bytes.push_back('\n'); break;
      case LineEnd::kCr: bytes.push_back('\r'); break;
      case LineEnd::kCrLf: bytes.append("\r\n"); break;
    }
  }
  return bytes;
}

}  // namespace platform
