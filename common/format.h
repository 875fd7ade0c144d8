// printf-style formatting into a std::string, for the script lines and texts that the
// programs build from fixed formats.
#pragma once

#include <string>

namespace common {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace common
