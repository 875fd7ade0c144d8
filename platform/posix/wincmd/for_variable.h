// The references to a "for" loop's variable inside its block, replaced by the current
// item: "%a" gives the item, "%~a" the item without surrounding quotes, and the
// modifiers "n" (name without extension) and "x" (extension, with its dot) give parts of
// it, as in "%~nxa". The loop letter may itself be a modifier letter ("%~nxa" with the
// variable "a"), as the command interpreter allows.
#pragma once

#include <optional>
#include <string>

namespace wincmd {

// `text` with every reference to `variable` replaced by the matching part of `value`.
// The replacement is literal: nothing in `value` is read as syntax. Nothing, with
// `error` set, when a reference uses a modifier other than "n" and "x".
std::optional<std::string> SubstituteForVariable(const std::string& text, char variable,
                                                 const std::string& value, std::string* error);

}  // namespace wincmd
