// The paths and script lines of the options page: option files in the scenery folder,
// Autogen files in the texture folder, and the "ren" and "del" lines that switch them.
//
// Paths are Windows-form text built by concatenation, with no length limit: a marker path
// of any length is formed whole (nothing is cut at a line buffer's size).
#pragma once

#include <string>
#include <string_view>

namespace manager {

// `app_dir` + "scenery\"; `app_dir` ends with "\".
std::string SceneryFolder(const std::string& app_dir);
// `app_dir` + "texture\".
std::string TextureFolder(const std::string& app_dir);
// `app_dir` + "scenery\" + `marker_file`: the option is on exactly while this file exists.
std::string OptionMarkerPath(const std::string& app_dir, const std::string& marker_file);
// `app_dir` + "texture\agn.agn": Autogen is on exactly while this file exists.
std::string AutogenMarkerPath(const std::string& app_dir);

// `text` as it must stand in a script line to reach the command interpreter unchanged:
// every "%" doubled, since the interpreter expands "%NAME%" and drops a lone "%". A product
// folder named "100% Scenery" is thus switched in place rather than somewhere else.
std::string ScriptLiteral(std::string_view text);

// ren "<source_pattern>" *<target_ending> : every file matching the pattern gets the
// target ending instead of its own.
std::string RenameLine(const std::string& source_pattern, const std::string& target_ending);
// del "<pattern>"
std::string DeleteLine(const std::string& pattern);

}  // namespace manager
