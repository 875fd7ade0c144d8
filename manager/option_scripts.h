// The paths and script lines of the options page: option files in the scenery folder,
// Autogen files in the texture folder, and the "ren" and "del" lines that switch them.
//
// Paths are Windows-form text built by concatenation, with no length limit: a marker path
// of any length is formed whole (nothing is cut at a line buffer's size).
#pragma once

#include <string>

namespace manager {

// `app_dir` + "scenery\"; `app_dir` ends with "\".
std::string SceneryFolder(const std::string& app_dir);
// `app_dir` + "texture\".
std::string TextureFolder(const std::string& app_dir);
// `app_dir` + "scenery\" + `marker_file`: the option is on exactly while this file exists.
std::string OptionMarkerPath(const std::string& app_dir, const std::string& marker_file);
// `app_dir` + "texture\agn.agn": Autogen is on exactly while this file exists.
std::string AutogenMarkerPath(const std::string& app_dir);

// ren "<source_pattern>" *<target_ending> : every file matching the pattern gets the
// target ending instead of its own. Every "%" of the texts is doubled so that the
// interpreter does not expand it: a product folder named "100% Scenery" is switched in
// place, not somewhere else.
std::string RenameLine(const std::string& source_pattern, const std::string& target_ending);
// del "<pattern>", its "%" doubled as above.
std::string DeleteLine(const std::string& pattern);

}  // namespace manager
