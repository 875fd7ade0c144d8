// Percent expansion, as the command interpreter applies it to each line of a script when
// the line is read (before anything else looks at it, quotes included):
//   "%%"      -> "%"
//   "%0".."%9" -> the script's name as started and its arguments (empty when missing)
//   "%*"      -> the arguments, separated by blanks
//   "%NAME%"  -> the environment variable NAME (compared without regard to case), or
//                nothing when it is not set
//   a "%" with no closing "%" on the line is dropped.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace wincmd {

// Looks up an environment variable; nothing when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;

// The process environment, names compared without regard to ASCII case (an exact match
// wins), as Windows compares them.
std::optional<std::string> ProcessEnvironment(const std::string& name);

// Expands the percent signs of one line. `arguments` holds "%0" (the script as started)
// followed by the script's arguments.
std::string ExpandPercents(const std::string& line, const std::vector<std::string>& arguments,
                           const EnvironmentLookup& environment);

}  // namespace wincmd
