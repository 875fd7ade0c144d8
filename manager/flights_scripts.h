// The script lines that copy the product's saved flights ("Flights\" in the product
// folder) into a simulator's flights folder, and delete them from it again. They run by
// the batch-script convention (common/batch_script.h), which adds "del temp.bat". Paths
// have their "%" doubled, so that the interpreter's percent expansion gives them back.
#pragma once

#include <string>
#include <vector>

namespace manager {

// xcopy "<app_dir>Flights\*.*" "<flights_folder>\" /y
std::vector<std::string> CopyFlightsScript(const std::string& app_dir,
                                           const std::string& flights_folder);

// for %%a in ("<app_dir>Flights\*.*") do (
// del  "<flights_folder>\%%~nxa"
// )
std::vector<std::string> DeleteFlightsScript(const std::string& app_dir,
                                             const std::string& flights_folder);

}  // namespace manager
