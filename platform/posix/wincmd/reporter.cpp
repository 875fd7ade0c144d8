#include "platform/posix/wincmd/commands.h"

namespace wincmd {

void Reporter::operator()(const std::string& message) const {
  out_ << "wincmd: " << script_ << ':' << line_ << ": " << message << '\n';
  out_.flush();
}

}  // namespace wincmd
