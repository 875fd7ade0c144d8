// How long the activation page's state test takes on a large scenery library:
// IsSceneryEnabled on a library of 500 areas that does not hold the product, so that all
// 500 numbers are scanned, beside the time to merely read the file's bytes (the floor)
// and beside a straightforward implementation that reads the file again for each of the
// 1,000 key reads, as the Windows private-profile functions do.
//
// Run: build/benchmarks/scenery_scan_benchmark
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "manager/scenery_activation.h"
#include "platform/ini_document.h"
#include "platform/posix/posix_file_system.h"

namespace {

constexpr char kLibrary[] = "C:\\ProgramData\\Sim\\scenery.cfg";
constexpr char kTitle[] = "Demo Airfield";

std::string LargeLibrary() {
  std::string text = "\xEF\xBB\xBF[General]\r\nTitle=Prepar3D Scenery\r\nClean_on_Exit=TRUE\r\n\r\n";
  char buffer[512];
  for (int n = 0; n < 500; ++n) {
    std::snprintf(buffer, sizeof buffer,
                  "[Area.%03d]\r\nTitle=Scenery Number %d\r\nTexture_ID=1\r\n"
                  "Local=Addon Scenery\\Vendor %d\\Scenery\r\nRemote=\r\nActive=TRUE\r\n"
                  "Required=FALSE\r\nLayer=%d\r\n\r\n",
                  n, n, n, n);
    text += buffer;
  }
  return text;
}

std::string ReadAll(platform::FileSystem& files, const std::string& path) {
  std::string bytes;
  auto file = files.OpenForReading(path, platform::FileMode::kBinary);
  if (!file) return bytes;
  char chunk[64 * 1024];
  while (size_t got = file->Read(chunk, sizeof chunk)) bytes.append(chunk, got);
  return bytes;
}

// The reference: every key read opens, reads and parses the file anew.
bool ScanRereadingPerKey(platform::FileSystem& files, const std::string& path,
                         const std::string& title) {
  for (int n = 0; n < 500; ++n) {
    const std::string section = manager::AreaSectionName(n);
    const std::string area_title =
        platform::IniDocument(ReadAll(files, path)).ReadString(section, "title", "???");
    if (area_title == "???") continue;
    platform::IniDocument(ReadAll(files, path)).ReadInteger(section, "layer", 0);
    if (area_title == title) return true;
  }
  return false;
}

// The best of `rounds` runs of `operation`, in microseconds.
double BestMicroseconds(int rounds, const std::function<void()>& operation) {
  double best = 1e300;
  for (int i = 0; i < rounds; ++i) {
    const auto start = std::chrono::steady_clock::now();
    operation();
    const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count());
  }
  return best;
}

}  // namespace

int main() {
  char pattern[] = "/tmp/lumvek-benchmark-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) return 1;
  const std::string prefix_dir = pattern;
  std::filesystem::create_directories(prefix_dir + "/drive_c/ProgramData/Sim");
  platform::posix::PosixFileSystem files{platform::posix::WinePrefix(prefix_dir)};
  const std::string library = LargeLibrary();
  files.ReplaceFileContents(kLibrary, library);

  platform::Platform services{&files, nullptr, nullptr, {}};
  const std::string app_dir = "C:\\Products\\Demo\\";
  const std::string displayed_title = kTitle;
  manager::AreaScan scan;
  manager::SceneryActivation activation(services, app_dir, displayed_title, scan);

  bool found = true;
  size_t read = 0;
  const double floor = BestMicroseconds(300, [&] { read = ReadAll(files, kLibrary).size(); });
  const double scan_time =
      BestMicroseconds(300, [&] { found = activation.IsSceneryEnabled(kLibrary, kTitle); });
  const double reread =
      BestMicroseconds(5, [&] { found = ScanRereadingPerKey(files, kLibrary, kTitle) || found; });

  std::printf("scenery.cfg of 500 areas, %zu bytes; product not present (found: %s, "
              "highest area %d, highest layer %d)\n\n",
              read, found ? "yes" : "no", scan.HighestArea, scan.HighestLayer);
  std::printf("%-52s %12s %10s\n", "", "best time", "vs floor");
  std::printf("%-52s %10.1f us %9.2fx\n", "read the file's bytes (floor)", floor, 1.0);
  std::printf("%-52s %10.1f us %9.2fx\n", "IsSceneryEnabled: one read, one parse, 1,000 keys",
              scan_time, scan_time / floor);
  std::printf("%-52s %10.1f us %9.2fx\n", "re-read and parse the file for each of 1,000 keys",
              reread, reread / floor);

  std::filesystem::remove_all(prefix_dir);
  return 0;
}
