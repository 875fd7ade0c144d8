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
//
// The text itself is the document: making one indexes only the section headers, a read
// walks the lines of one section, and an edit splices the text and indexes the headers
// again. So a library of 500 areas is parsed once however many keys are read from it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

class IniDocument {
 public:
  IniDocument() : IniDocument(std::string()) {}
  // Takes the file's bytes. Reading indexes only the section headers; keys are looked up
  // in the text of their section when asked for.
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
  const std::string& Bytes() const { return text_; }

 private:
  // A line of the text: its characters [begin, end), the next line from `next`.
  struct Line {
    size_t begin;
    size_t end;
    size_t next;
  };
  struct KeyLine {
    Line line;
    size_t equals;  // where its first "=" stands
  };
  struct Section {
    size_t begin;  // start of the header line
    size_t body;   // start of the line after it
    size_t name_begin;
    size_t name_length;
  };

  Line LineAt(size_t pos) const;
  // Whether a CR stands anywhere but before an LF (CR-only or mixed line ends).
  bool HasLoneCr() const;
  std::optional<KeyLine> AsKeyLine(const Line& line) const;
  std::string_view NameOf(const Section& section) const;
  std::string_view KeyNameOf(const KeyLine& key) const;
  std::string_view ValueOf(const KeyLine& key) const;
  size_t BodyEnd(size_t ordinal) const;
  // The ordinal of the first section named `name`; -1 when none.
  int FindSection(std::string_view name) const;
  std::optional<KeyLine> FindKeyLine(size_t ordinal, std::string_view key) const;
  void IndexSections();
  // Replaces `erase` bytes at `at` with `insert`, and indexes the sections again.
  void Splice(size_t at, size_t erase, std::string_view insert);

  std::string text_;
  size_t start_ = 0;  // after a UTF-8 byte-order mark
  bool has_lone_cr_ = false;
  std::string line_end_ = "\r\n";
  std::vector<Section> sections_;
  // The first section of each name, by name without regard to case: an open-addressing
  // table of section ordinals (-1 for an empty slot) whose size is a power of two.
  std::vector<int> first_section_;
  bool modified_ = false;
};

}  // namespace platform
