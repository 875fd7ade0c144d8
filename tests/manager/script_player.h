// Plays the "ren" and "del" lines that the options page writes, on a file service, the way
// the command interpreter does for these forms. Unit tests use it as a process runner's
// part so that a switch's effects land on disk without the interpreter:
//   ren "DIR\MASK" *ENDING   each file of DIR matching MASK gets ENDING after the last
//                            occurrence of ENDING's first character (or appended when
//                            there is none); a file whose new name exists stays
//   del "DIR\MASK"           deletes the matching files
//   del temp.bat             deletes the script
// MASK may hold "*" (any run, dots included) and "?" (one character or none, never a dot);
// matching ignores letter case; folders are never selected. "%%" in a line stands for "%".
// Any other line fails the test.
#pragma once

#include <string>

#include "platform/file_system.h"

namespace testing_support {

void PlayScript(platform::FileSystem& files, const std::string& script);

// True when `name` matches the wildcard `mask` as above.
bool MatchesMask(const std::string& name, const std::string& mask);

}  // namespace testing_support
