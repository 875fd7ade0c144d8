#include "platform/posix/posix_file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/posix/file_descriptor.h"
#include "platform/text_mode.h"

namespace platform::posix {
namespace {

class PosixReadableFile final : public ReadableFile {
 public:
  explicit PosixReadableFile(int fd) : fd_(fd) {}
  size_t Read(char* buffer, size_t size) override {
    while (true) {
      ssize_t got = ::read(fd_.get(), buffer, size);
      if (got >= 0) return static_cast<size_t>(got);
      if (errno != EINTR) return 0;
    }
  }

 private:
  FileDescriptor fd_;
};

class PosixWritableFile final : public WritableFile {
 public:
  explicit PosixWritableFile(int fd) : fd_(fd) {}
  bool Write(std::string_view data) override {
    // Small buffered writes: the programs write files a line at a time.
    buffer_.append(data);
    if (buffer_.size() >= kFlushAt) return Flush();
    return ok_;
  }
  bool Close() override {
    Flush();
    bool closed = fd_.Close();
    return ok_ && closed;
  }
  ~PosixWritableFile() override { Flush(); }

 private:
  bool Flush() {
    if (fd_.get() < 0) return false;
    if (!buffer_.empty() && !WriteAll(fd_.get(), buffer_)) ok_ = false;
    buffer_.clear();
    return ok_;
  }
  static constexpr size_t kFlushAt = 64 * 1024;
  FileDescriptor fd_;
  std::string buffer_;
  bool ok_ = true;
};

bool StatHost(const std::string& host_path, struct stat* st) {
  return !host_path.empty() && ::stat(host_path.c_str(), st) == 0;
}

std::string FolderOf(const std::string& host_path) {
  size_t slash = host_path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : host_path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace

namespace host {

bool IsReadOnly(const std::string& host_path) {
  struct stat st;
  return StatHost(host_path, &st) && (st.st_mode & S_IWUSR) == 0;
}

bool WriteAtomically(const std::string& host_path, std::string_view bytes, unsigned mode) {
  std::string temp = FolderOf(host_path) + "/." + NameOf(host_path) + ".XXXXXX";
  int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  FileDescriptor file(fd);
  bool ok = WriteAll(fd, bytes) && ::fchmod(fd, static_cast<mode_t>(mode)) == 0 &&
            ::fsync(fd) == 0;
  ok = file.Close() && ok;
  if (ok && ::rename(temp.c_str(), host_path.c_str()) == 0) {
    FileDescriptor folder(::open(FolderOf(host_path).c_str(), O_RDONLY | O_DIRECTORY));
    if (folder.get() >= 0) ::fsync(folder.get());
    return true;
  }
  ::unlink(temp.c_str());
  return false;
}

}  // namespace host

PosixFileSystem::PosixFileSystem(WinePrefix prefix) : prefix_(std::move(prefix)) {}

std::string PosixFileSystem::HostPath(const std::string& path) { return prefix_.ToHost(path); }

std::string PosixFileSystem::WindowsPath(const std::string& host_path) {
  return prefix_.ToWindows(host_path);
}

bool PosixFileSystem::FileExists(const std::string& path) {
  struct stat st;
  return StatHost(HostPath(path), &st) && !S_ISDIR(st.st_mode);
}

bool PosixFileSystem::FolderExists(const std::string& path) {
  struct stat st;
  return StatHost(HostPath(path), &st) && S_ISDIR(st.st_mode);
}

std::unique_ptr<ReadableFile> PosixFileSystem::OpenForReading(const std::string& path,
                                                              FileMode mode) {
  std::string host_path = HostPath(path);
  if (host_path.empty()) return nullptr;
  int fd = ::open(host_path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  auto file = std::make_unique<PosixReadableFile>(fd);
  struct stat st;
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) return nullptr;
  if (mode == FileMode::kText) return NewTextModeReader(std::move(file));
  return file;
}

std::unique_ptr<WritableFile> PosixFileSystem::OpenForWriting(const std::string& path,
                                                              FileMode mode) {
  std::string host_path = HostPath(path);
  if (host_path.empty() || host::IsReadOnly(host_path)) return nullptr;
  int fd = ::open(host_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  auto file = std::make_unique<PosixWritableFile>(fd);
  if (mode == FileMode::kText) return NewTextModeWriter(std::move(file));
  return file;
}

bool PosixFileSystem::ReplaceFileContents(const std::string& path, std::string_view bytes) {
  std::string host_path = HostPath(path);
  if (host_path.empty()) return false;
  struct stat st;
  unsigned mode = 0644;
  if (StatHost(host_path, &st)) {
    if (S_ISDIR(st.st_mode) || (st.st_mode & S_IWUSR) == 0) return false;
    mode = st.st_mode & 07777;
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  return host::WriteAtomically(host_path, bytes, mode);
}

bool PosixFileSystem::DeleteFile(const std::string& path) {
  std::string host_path = HostPath(path);
  struct stat st;
  if (!StatHost(host_path, &st) || S_ISDIR(st.st_mode) || (st.st_mode & S_IWUSR) == 0) {
    return false;
  }
  return ::unlink(host_path.c_str()) == 0;
}

bool PosixFileSystem::CopyFile(const std::string& from, const std::string& to) {
  std::string source = HostPath(from);
  std::string target = HostPath(to);
  struct stat source_stat;
  struct stat target_stat;
  if (!StatHost(source, &source_stat) || S_ISDIR(source_stat.st_mode) || target.empty()) {
    return false;
  }
  if (StatHost(target, &target_stat) &&
      (S_ISDIR(target_stat.st_mode) || (target_stat.st_mode & S_IWUSR) == 0)) {
    return false;
  }
  FileDescriptor in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
  if (in.get() < 0) return false;
  std::string bytes;
  char buffer[64 * 1024];
  while (true) {
    ssize_t got = ::read(in.get(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) break;
    bytes.append(buffer, static_cast<size_t>(got));
  }
  // Through a temporary file and a rename, so that a running program can be replaced and
  // a failed copy never leaves half a file.
  return host::WriteAtomically(target, bytes, source_stat.st_mode & 07777);
}

bool PosixFileSystem::RenameFile(const std::string& from, const std::string& to) {
  std::string source = HostPath(from);
  std::string target = HostPath(to);
  struct stat source_stat;
  struct stat target_stat;
  if (!StatHost(source, &source_stat) || target.empty()) return false;
  if (StatHost(target, &target_stat)) {
    bool same_file = target_stat.st_ino == source_stat.st_ino &&
                     target_stat.st_dev == source_stat.st_dev;
    if (!same_file) return false;
    // A change of letter case only: give the entry the new spelling.
    target = FolderOf(target) + "/" + NameOf(to);
  }
  return ::rename(source.c_str(), target.c_str()) == 0;
}

bool PosixFileSystem::CreateFolder(const std::string& path) {
  std::string host_path = HostPath(path);
  return !host_path.empty() && ::mkdir(host_path.c_str(), 0777) == 0;
}

bool PosixFileSystem::RemoveFolder(const std::string& path) {
  std::string host_path = HostPath(path);
  return !host_path.empty() && ::rmdir(host_path.c_str()) == 0;
}

std::vector<FolderEntry> PosixFileSystem::ListFolder(const std::string& path) {
  std::vector<FolderEntry> entries;
  std::string host_path = HostPath(path);
  if (host_path.empty()) return entries;
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(host_path.c_str()), ::closedir);
  if (!dir) return entries;
  while (dirent* entry = ::readdir(dir.get())) {
    std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat st;
    if (!StatHost(host_path + "/" + name, &st)) continue;  // a dangling link
    entries.push_back({name, S_ISDIR(st.st_mode), (st.st_mode & S_IWUSR) == 0});
  }
  return entries;
}

}  // namespace platform::posix
