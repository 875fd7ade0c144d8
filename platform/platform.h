// The services of the operating system that the programs use, gathered in one place so
// that tests can hand fakes to the code under test. Nothing here is owned: the services
// outlive everything that uses them.
#pragma once

#include <string>

#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/shell.h"
#include "platform/special_folders.h"

namespace platform {

struct Platform {
  FileSystem* files = nullptr;
  Shell* shell = nullptr;
  ProcessRunner* processes = nullptr;
  SpecialFolderLoader special_folders;
};

// The services of the system the program runs on, created on first use and kept for the
// life of the program.
Platform& SystemPlatform();

// The full Windows-form path of the running program, from argument 0 of its command line.
std::string ProgramPath(const char* argv0);

// True when there is a display on which windows can be shown.
bool HasDisplay();

}  // namespace platform
