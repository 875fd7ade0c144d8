#include "tests/support/immutable_path.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <utility>

namespace testing_support {
namespace {

bool SetImmutable(const std::string& host_path, bool on) {
  const int fd = ::open(host_path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  int flags = 0;
  bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  if (ok) {
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  }
  ::close(fd);
  return ok;
}

}  // namespace

ImmutablePath::ImmutablePath(std::string host_path) : host_path_(std::move(host_path)) {
  active_ = SetImmutable(host_path_, true);
}

ImmutablePath::~ImmutablePath() {
  if (active_) SetImmutable(host_path_, false);
}

}  // namespace testing_support
