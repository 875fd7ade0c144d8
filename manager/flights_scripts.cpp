#include "manager/flights_scripts.h"

#include "common/format.h"

namespace manager {

std::string EscapeScriptPercent(const std::string& path) {
  std::string escaped;
  escaped.reserve(path.size());
  for (char c : path) {
    escaped.push_back(c);
    if (c == '%') escaped.push_back('%');
  }
  return escaped;
}

std::vector<std::string> CopyFlightsScript(const std::string& app_dir,
                                           const std::string& flights_folder) {
  return {common::Format("xcopy \"%sFlights\\*.*\" \"%s\\\" /y",
                         EscapeScriptPercent(app_dir).c_str(),
                         EscapeScriptPercent(flights_folder).c_str())};
}

std::vector<std::string> DeleteFlightsScript(const std::string& app_dir,
                                             const std::string& flights_folder) {
  return {common::Format("for %%%%a in (\"%sFlights\\*.*\") do (",
                         EscapeScriptPercent(app_dir).c_str()),
          common::Format("del  \"%s\\%%%%~nxa\"", EscapeScriptPercent(flights_folder).c_str()),
          ")"};
}

}  // namespace manager
