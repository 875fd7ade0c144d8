// The Prepar3D v4 add-on description "add-on.xml" that registers the product as an
// add-on (the add-on form of the activation operations).
#pragma once

#include <string>
#include <string_view>

namespace manager {

// The text that marks a library path as a Prepar3D v4 add-on folder (case-sensitive).
inline constexpr char kAddOnMarker[] = "Prepar3D v4 Add-ons";
inline constexpr char kAddOnDescriptionName[] = "add-on.xml";

// `text` with "&", "<" and ">" written as "&amp;", "&lt;" and "&gt;", so that a title
// such as "Docks & Piers" leaves the description well-formed.
std::string EscapeXmlText(std::string_view text);

// The nine lines of the description, each ended by CR LF: the add-on name `title`, the
// scenery path `app_dir` (the product folder) and the component name `displayed_title`
// (the product title as the window shows it), each escaped.
std::string AddOnDescription(const std::string& title, const std::string& app_dir,
                             const std::string& displayed_title);

}  // namespace manager
