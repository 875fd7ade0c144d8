// The text of a private-profile ("INI") file, read and edited with the rules of the
// Windows private-profile functions, and kept byte for byte.
//
// Reading:
//   - section and key names compare without regard to the case of ASCII letters;
//   - blanks and tabs around key names, around values and inside "[ name ]" are ignored;
//   - one outer pair of matching quotes ("..." or '...') around a value is removed;
//   - a line whose first non-blank character is ";" is a comment; "#" is ordinary;
//   - a line splits at its first "="; lines without "=" are not keys;
//   - only the first section of a name is searched, and in it the first matching key;
//   - CR LF, LF and CR all end a line; a UTF-8 byte-order mark at the start is skipped.
//
// Editing changes only the lines it must; every other byte (other sections and their
// order, blank and comment lines, unknown keys, the spelling of names, line ends, a
// byte-order mark, bytes above 127) stays as it was, and Bytes() of an unedited document
// is exactly the text it was made from. Lines the document writes end like the file's
// first line (CR LF when the file has no line end yet).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace platform {

class IniDocument {
 public:
  IniDocument() = default;
  explicit IniDocument(std::string bytes);

  // The value of `key` in the first section named `section`; nothing when the section or
  // the key is missing.
  std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;
  // The value, or `fallback` when missing.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // The value as a whole decimal number (an optional sign, then digits only, within the
  // 32-bit range), or `fallback` when missing or anything else.
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const;

  bool HasSection(std::string_view section) const;
  // The name of every section header, in file order and duplicates included, with the
  // blanks around it removed.
  std::vector<std::string_view> SectionNames() const;

  // Sets `key` in the first section named `section`: an existing key's value is replaced
  // in its line (the text up to and including "=" is kept); a new key is inserted after
  // the section's last key line (right after the header when it has none); a missing
  // section is appended at the end of the file, header first, with no blank line before
  // it. New lines are "key=value". A value is cut at its first CR or LF, so that it
  // cannot make lines of its own.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  // Removes the first section named `section`: its header and every line up to the next
  // header. False, nothing changed, when there is no such section.
  bool EraseSection(std::string_view section);

  // True once an edit has changed the text.
  bool Modified() const { return modified_; }
  // The whole text, edits included.
  std::string Bytes() const;

 private:
  enum class LineKind : uint8_t { kOther, kSection, kKey };
  enum class LineEnd : uint8_t { kNone, kLf, kCr, kCrLf };
  struct Line {
    size_t begin = 0;   // in storage_
    size_t length = 0;  // without the line end
    LineEnd end = LineEnd::kNone;
    LineKind kind = LineKind::kOther;
    // The section's or key's name, blanks removed, relative to `begin`.
    size_t name_begin = 0;
    size_t name_length = 0;
    size_t equals = 0;  // where "=" stands in a key line, relative to `begin`
  };
  struct Section {
    size_t header;  // line index of the header
  };

  void SplitLines(size_t from);
  Line ClassifyLine(size_t begin, size_t length, LineEnd end) const;
  void IndexSections();

  std::string_view TextOf(const Line& line) const;
  std::string_view NameOf(const Line& line) const;
  std::string_view ValueOf(const Line& line) const;
  // The section ordinal of the first section named `name`; -1 when none.
  int FindSection(std::string_view name) const;
  // Lines [first, last) of section `ordinal`, header excluded.
  std::pair<size_t, size_t> BodyOf(int ordinal) const;
  int FindKeyLine(int ordinal, std::string_view key) const;

  // Appends `text` to the storage and returns a line for it with this document's line end.
  Line NewLine(std::string_view text);
  void InsertLine(size_t at, Line line);
  void EnsureLineEnd(size_t index);

  std::string storage_;  // the original text, then the text of every line written since
  bool has_bom_ = false;
  LineEnd line_end_ = LineEnd::kCrLf;
  std::vector<Line> lines_;
  std::vector<Section> sections_;
  // Folded (lower-case) section name -> ordinal of its first section.
  std::unordered_map<std::string, int> first_section_;
  bool modified_ = false;
};

}  // namespace platform
