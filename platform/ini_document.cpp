#include "platform/ini_document.h"

#include <cstring>
#include <utility>

namespace platform {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i] && FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  }
  return true;
}

// FNV-1a over the name's bytes with ASCII letters folded.
size_t HashFolded(std::string_view name) {
  uint32_t hash = 2166136261u;
  for (char c : name) {
    hash ^= static_cast<unsigned char>(FoldAscii(c));
    hash *= 16777619u;
  }
  return hash;
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

IniDocument::IniDocument(std::string bytes) : text_(std::move(bytes)) {
  if (std::string_view(text_).substr(0, kUtf8Bom.size()) == kUtf8Bom) start_ = kUtf8Bom.size();
  has_lone_cr_ = HasLoneCr();
  // New lines end like the first line.
  const Line first = LineAt(start_);
  if (first.next > first.end) line_end_ = text_.substr(first.end, first.next - first.end);
  IndexSections();
}

IniDocument::Line IniDocument::LineAt(size_t pos) const {
  const char* const text = text_.data();
  const size_t size = text_.size();
  if (!has_lone_cr_) {
    // Every line ends with LF or CR LF (or the text ends): the fast way is to find LF.
    const void* found = std::memchr(text + pos, '\n', size - pos);
    if (found == nullptr) return {pos, size, size};
    const auto lf = static_cast<size_t>(static_cast<const char*>(found) - text);
    return {pos, lf > pos && text[lf - 1] == '\r' ? lf - 1 : lf, lf + 1};
  }
  size_t end = pos;
  while (end < size && !IsLineEnd(text[end])) ++end;
  size_t next = end;
  if (end < size) next = text[end] == '\r' && end + 1 < size && text[end + 1] == '\n' ? end + 2 : end + 1;
  return {pos, end, next};
}

std::optional<IniDocument::KeyLine> IniDocument::AsKeyLine(const Line& line) const {
  size_t first = line.begin;
  while (first < line.end && IsBlank(text_[first])) ++first;
  if (first == line.end || text_[first] == ';') return std::nullopt;  // blank or comment
  const void* equals = std::memchr(text_.data() + first, '=', line.end - first);
  if (equals == nullptr) return std::nullopt;
  return KeyLine{line, static_cast<size_t>(static_cast<const char*>(equals) - text_.data())};
}

std::string_view IniDocument::NameOf(const Section& section) const {
  return std::string_view(text_).substr(section.name_begin, section.name_length);
}

std::string_view IniDocument::KeyNameOf(const KeyLine& key) const {
  return TrimBlanks(std::string_view(text_).substr(key.line.begin, key.equals - key.line.begin));
}

std::string_view IniDocument::ValueOf(const KeyLine& key) const {
  std::string_view value =
      TrimBlanks(std::string_view(text_).substr(key.equals + 1, key.line.end - key.equals - 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

bool IniDocument::HasLoneCr() const {
  // Counted in blocks of fixed length, which the compiler turns into vector code: a
  // library has thousands of lines, and this runs on every read.
  const auto* text = reinterpret_cast<const unsigned char*>(text_.data());
  const size_t size = text_.size();
  if (size == 0) return false;
  constexpr size_t kBlock = 64;
  size_t pos = 0;
  unsigned lone = 0;
  for (; pos + kBlock < size; pos += kBlock) {
    for (size_t k = 0; k < kBlock; ++k) {
      lone |= static_cast<unsigned>(text[pos + k] == '\r') & static_cast<unsigned>(text[pos + k + 1] != '\n');
    }
    if (lone != 0) return true;
  }
  for (; pos + 1 < size; ++pos) {
    if (text[pos] == '\r' && text[pos + 1] != '\n') return true;
  }
  return text[size - 1] == '\r';
}

size_t IniDocument::BodyEnd(size_t ordinal) const {
  return ordinal + 1 < sections_.size() ? sections_[ordinal + 1].begin : text_.size();
}

void IniDocument::IndexSections() {
  // A header is a line whose first non-blank character is "[" and that holds a "]"; its
  // name lies between the "[" and the last "]". Only the "[" need be looked at.
  sections_.clear();
  const char* const text = text_.data();
  const size_t size = text_.size();
  size_t pos = start_;
  while (const void* found = std::memchr(text + pos, '[', size - pos)) {
    const auto bracket = static_cast<size_t>(static_cast<const char*>(found) - text);
    pos = bracket + 1;
    size_t line_start = bracket;
    while (line_start > start_ && IsBlank(text[line_start - 1])) --line_start;
    if (line_start > start_ && !IsLineEnd(text[line_start - 1])) continue;
    const Line line = LineAt(line_start);
    const size_t close = std::string_view(text_).substr(0, line.end).rfind(']');
    if (close == std::string_view::npos || close < bracket) continue;
    const std::string_view name =
        TrimBlanks(std::string_view(text_).substr(bracket + 1, close - bracket - 1));
    sections_.push_back({line_start, line.next, static_cast<size_t>(name.data() - text),
                         name.size()});
    pos = line.next;
  }

  size_t slots = 8;
  while (slots < 2 * sections_.size()) slots *= 2;
  first_section_.assign(slots, -1);
  for (size_t ordinal = 0; ordinal < sections_.size(); ++ordinal) {
    const std::string_view name = NameOf(sections_[ordinal]);
    for (size_t slot = HashFolded(name) & (slots - 1);; slot = (slot + 1) & (slots - 1)) {
      const int taken = first_section_[slot];
      if (taken < 0) {
        first_section_[slot] = static_cast<int>(ordinal);
        break;
      }
      // A later section of a name already indexed is never searched.
      if (EqualIgnoringCase(NameOf(sections_[static_cast<size_t>(taken)]), name)) break;
    }
  }
}

int IniDocument::FindSection(std::string_view name) const {
  name = TrimBlanks(name);
  const size_t mask = first_section_.size() - 1;
  for (size_t slot = HashFolded(name) & mask;; slot = (slot + 1) & mask) {
    const int ordinal = first_section_[slot];
    if (ordinal < 0) return -1;
    if (EqualIgnoringCase(NameOf(sections_[static_cast<size_t>(ordinal)]), name)) return ordinal;
  }
}

std::optional<IniDocument::KeyLine> IniDocument::FindKeyLine(size_t ordinal,
                                                             std::string_view key) const {
  key = TrimBlanks(key);
  const size_t end = BodyEnd(ordinal);
  for (size_t pos = sections_[ordinal].body; pos < end;) {
    const Line line = LineAt(pos);
    pos = line.next;
    // Most lines are told apart by their first character, before any further look.
    size_t first = line.begin;
    while (first < line.end && IsBlank(text_[first])) ++first;
    if (!key.empty() && (first == line.end || FoldAscii(text_[first]) != FoldAscii(key.front()))) {
      continue;
    }
    std::optional<KeyLine> key_line = AsKeyLine(line);
    if (key_line && EqualIgnoringCase(KeyNameOf(*key_line), key)) return key_line;
  }
  return std::nullopt;
}

std::optional<std::string_view> IniDocument::Find(std::string_view section,
                                                  std::string_view key) const {
  const int ordinal = FindSection(section);
  if (ordinal < 0) return std::nullopt;
  std::optional<KeyLine> key_line = FindKeyLine(static_cast<size_t>(ordinal), key);
  if (!key_line) return std::nullopt;
  return ValueOf(*key_line);
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
  for (const Section& section : sections_) names.push_back(NameOf(section));
  return names;
}

void IniDocument::Splice(size_t at, size_t erase, std::string_view insert) {
  text_.replace(at, erase, insert);
  has_lone_cr_ = HasLoneCr();
  IndexSections();
  modified_ = true;
}

void IniDocument::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
  section = TrimBlanks(section);
  key = TrimBlanks(key);
  value = CutAtLineEnd(value);
  const std::string key_line = std::string(key) + "=" + std::string(value) + line_end_;

  const int ordinal = FindSection(section);
  if (ordinal < 0) {
    // A new section at the end, header first, no blank line before it.
    std::string added;
    if (text_.size() > start_ && !IsLineEnd(text_.back())) added = line_end_;
    added += "[" + std::string(section) + "]" + line_end_ + key_line;
    Splice(text_.size(), 0, added);
    return;
  }

  const auto index = static_cast<size_t>(ordinal);
  if (std::optional<KeyLine> existing = FindKeyLine(index, key)) {
    // The value is replaced; the key as written and its line end stay.
    std::string replacement(value);
    if (existing->line.next == existing->line.end) replacement += line_end_;
    Splice(existing->equals + 1, existing->line.end - existing->equals - 1, replacement);
    return;
  }

  // After the section's last key line; blank and comment lines that end it stay after.
  const Line header = LineAt(sections_[index].begin);
  size_t at = header.next;
  bool ended = header.next > header.end;
  const size_t end = BodyEnd(index);
  for (size_t pos = sections_[index].body; pos < end;) {
    const Line line = LineAt(pos);
    if (AsKeyLine(line)) {
      at = line.next;
      ended = line.next > line.end;
    }
    pos = line.next;
  }
  Splice(at, 0, (ended ? "" : line_end_) + key_line);
}

bool IniDocument::EraseSection(std::string_view section) {
  const int ordinal = FindSection(section);
  if (ordinal < 0) return false;
  const Section& erased = sections_[static_cast<size_t>(ordinal)];
  Splice(erased.begin, BodyEnd(static_cast<size_t>(ordinal)) - erased.begin, "");
  return true;
}

}  // namespace platform
