#include "manager/flights_scripts.h"

#include "common/batch_script.h"
#include "common/format.h"

namespace manager {

std::vector<std::string> CopyFlightsScript(const std::string& app_dir,
                                           const std::string& flights_folder) {
  return {common::Format("xcopy \"%sFlights\\*.*\" \"%s\\\" /y",
                         common::EscapePercents(app_dir).c_str(),
                         common::EscapePercents(flights_folder).c_str())};
}

std::vector<std::string> DeleteFlightsScript(const std::string& app_dir,
                                             const std::string& flights_folder) {
  return {common::Format("for %%%%a in (\"%sFlights\\*.*\") do (",
                         common::EscapePercents(app_dir).c_str()),
          common::Format("del  \"%s\\%%%%~nxa\"", common::EscapePercents(flights_folder).c_str()),
          ")"};
}

}  // namespace manager
