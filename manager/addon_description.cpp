#include "manager/addon_description.h"

namespace manager {

std::string EscapeXmlText(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      default: escaped.push_back(c);
    }
  }
  return escaped;
}

std::string AddOnDescription(const std::string& title, const std::string& app_dir,
                             const std::string& displayed_title) {
  const std::string lines[] = {
      "<SimBase.Document Type=\"AddOnXml\" version=\"4,0\" id=\"add-on\">",
      "     <AddOn.Name>" + EscapeXmlText(title) + "</AddOn.Name>",
      "     <AddOn.Description>Add-on developed by Corvane.</AddOn.Description>",
      "     <AddOn.Component>",
      "         <Category>Scenery</Category>",
      "         <Path>" + EscapeXmlText(app_dir) + "</Path>",
      "         <Name>" + EscapeXmlText(displayed_title) + "</Name>",
      "     </AddOn.Component>",
      "     </SimBase.Document>",
  };
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace manager
