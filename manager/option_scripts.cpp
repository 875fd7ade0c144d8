#include "manager/option_scripts.h"

namespace manager {

std::string SceneryFolder(const std::string& app_dir) { return app_dir + "scenery\\"; }

std::string TextureFolder(const std::string& app_dir) { return app_dir + "texture\\"; }

std::string OptionMarkerPath(const std::string& app_dir, const std::string& marker_file) {
  return SceneryFolder(app_dir) + marker_file;
}

std::string AutogenMarkerPath(const std::string& app_dir) {
  return TextureFolder(app_dir) + "agn.agn";
}

std::string ScriptLiteral(std::string_view text) {
  std::string literal;
  literal.reserve(text.size());
  for (char c : text) {
    if (c == '%') literal += '%';
    literal += c;
  }
  return literal;
}

std::string RenameLine(const std::string& source_pattern, const std::string& target_ending) {
  return "ren \"" + ScriptLiteral(source_pattern) + "\" *" + ScriptLiteral(target_ending);
}

std::string DeleteLine(const std::string& pattern) {
  return "del \"" + ScriptLiteral(pattern) + "\"";
}

}  // namespace manager
