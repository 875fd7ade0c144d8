#include "manager/option_scripts.h"

#include "common/batch_script.h"

namespace manager {

std::string SceneryFolder(const std::string& app_dir) { return app_dir + "scenery\\"; }

std::string TextureFolder(const std::string& app_dir) { return app_dir + "texture\\"; }

std::string OptionMarkerPath(const std::string& app_dir, const std::string& marker_file) {
  return SceneryFolder(app_dir) + marker_file;
}

std::string AutogenMarkerPath(const std::string& app_dir) {
  return TextureFolder(app_dir) + "agn.agn";
}

std::string RenameLine(const std::string& source_pattern, const std::string& target_ending) {
  return "ren \"" + common::EscapePercents(source_pattern) + "\" *" +
         common::EscapePercents(target_ending);
}

// Same "%" doubling as RenameLine.
std::string DeleteLine(const std::string& pattern) {
  return "del \"" + common::EscapePercents(pattern) + "\"";
}

}  // namespace manager
