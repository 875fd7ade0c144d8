// Text-mode translation shared by every platform's file service: CR LF on disk, "\n" in
// the program, as the C library of the programs' home system does it.
#pragma once

#include <memory>
#include <string>

#include "platform/file_system.h"

namespace platform {

// Reads `inner` and hands out each CR LF pair as a single "\n"; a CR not followed by LF
// passes through. Owns `inner`.
std::unique_ptr<ReadableFile> NewTextModeReader(std::unique_ptr<ReadableFile> inner);

// Writes each "\n" given to it as CR LF into `inner`. Owns `inner`.
std::unique_ptr<WritableFile> NewTextModeWriter(std::unique_ptr<WritableFile> inner);

}  // namespace platform
