// The Windows rules for file-name wildcards, as the command interpreter applies them to
// long names (no 8.3 short names): which names a mask selects, and how "ren" builds a new
// name from a target mask. Pure functions over names; no file is touched.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace wincmd {

// True when `text` holds a wildcard character ("*" or "?").
bool HasWildcards(const std::string& text);

// `name` with the ASCII letters in lower case; every other byte unchanged. Two names are
// the same file name exactly when their folded forms are equal.
std::string FoldCase(const std::string& name);

// A mask translated once, to be matched against many names.
class CompiledMask {
 public:
  explicit CompiledMask(const std::string& mask);
  // True when the mask selects `name` (see MatchesMask). Not safe for concurrent use.
  bool Matches(const std::string& name) const;

  // The translated form. The Windows file search turns "?", "*." and ".*" into the
  // "DOS" wildcards of the file system before matching.
  enum class Op : unsigned char {
    kLiteral,  // one character, ASCII letters without regard to case
    kStar,     // any run of characters
    kDosStar,  // any run of characters that does not take the name's last dot
    kDosQm,    // one non-dot character, or nothing at a dot or at the end of the name
    kDosDot,   // a dot, or nothing at the end of the name
  };
  struct Step {
    Op op;
    char c;  // kLiteral: the character, folded
  };

 private:
  bool every_name_;
  std::vector<Step> steps_;
  mutable std::vector<char> states_;       // scratch space, kept between calls
  mutable std::vector<char> next_states_;
};

// True when `mask` selects `name`. ASCII letters compare without regard to case, every
// other byte exactly. The mask is read as the Windows file search reads it:
//   - "*" and "*.*" select every name;
//   - "*" matches any run of characters, dots included, except that a "*" followed by "."
//     cannot take the name's last dot;
//   - "?" matches one character that is not a dot, or nothing at a dot or at the end;
//   - "." followed by "*" or "?", or ending the mask, matches a dot or the end of the name;
//   - every other character matches itself.
bool MatchesMask(const std::string& mask, const std::string& name);

// True when `mask` selects every name ("*" or "*.*").
bool SelectsEveryName(const std::string& mask);

// The new name "ren" gives `name` under `target_mask`, applying the mask left to right:
//   - a literal character is appended and replaces the current source character, unless
//     that is a dot (the source then stays where it is);
//   - "?" copies the current source character unless that is a dot or the name has ended;
//   - "*" at the end of the mask appends the rest of the source; "*c" appends the source
//     up to and including its last "c" (case-sensitive), or, without one, the whole rest
//     and then "c";
//   - "." not preceded by "*" moves the source just past its next dot and appends ".";
//   - trailing dots and "?" are trimmed from the result.
// Empty when the result would be empty.
std::optional<std::string> RenameTarget(const std::string& name, const std::string& target_mask);

}  // namespace wincmd
