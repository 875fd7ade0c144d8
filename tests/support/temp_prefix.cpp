#include "tests/support/temp_prefix.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace testing_support {

namespace fs = std::filesystem;

std::string ReadHostFile(const std::string& host_path) {
  std::ifstream in(host_path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteHostFile(const std::string& host_path, const std::string& bytes) {
  fs::create_directories(fs::path(host_path).parent_path());
  std::ofstream out(host_path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + host_path);
}

TempPrefix::TempPrefix() {
  std::string pattern = (fs::temp_directory_path() / "lumvek-test-XXXXXX").string();
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  if (mkdtemp(buffer.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  dir_ = buffer.data();
  fs::create_directories(dir_ + "/drive_c");
  files_ = std::make_unique<platform::posix::PosixFileSystem>(platform::posix::WinePrefix(dir_));
}

TempPrefix::~TempPrefix() {
  std::error_code ignored;
  // Give every entry back its write permission so that read-only fixtures go too.
  for (auto it = fs::recursive_directory_iterator(dir_, ignored);
       it != fs::recursive_directory_iterator(); it.increment(ignored)) {
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  }
  fs::remove_all(dir_, ignored);
}

std::string TempPrefix::Host(const std::string& windows_path) {
  return files_->HostPath(windows_path);
}

void TempPrefix::Write(const std::string& windows_path, const std::string& bytes) {
  std::string host = Host(windows_path);
  if (host.empty()) throw std::runtime_error("unmapped path " + windows_path);
  WriteHostFile(host, bytes);
}

std::string TempPrefix::Read(const std::string& windows_path) {
  return ReadHostFile(Host(windows_path));
}

void TempPrefix::MakeFolder(const std::string& windows_path) {
  fs::create_directories(Host(windows_path));
}

}  // namespace testing_support
