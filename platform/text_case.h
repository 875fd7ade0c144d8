// Lower-casing texts by the rules of the system's locale, as the programs' home system
// lower-cases a text of its code page (letters with accents included).
#pragma once

#include <string>
#include <string_view>

namespace platform {

// `text` in lower case. ASCII letters always fold. A text that is valid UTF-8 (as command
// lines are on POSIX systems) folds character by character by the rules of the user's
// locale (of C.UTF-8 when the user's locale is not a UTF-8 one); any other text is taken
// as single-byte Windows-1252 text, the code page of the programs' files, and its
// accented capitals fold to their small letters.
std::string LowerCase(std::string_view text);

}  // namespace platform
