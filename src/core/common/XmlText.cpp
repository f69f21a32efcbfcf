#include "common/XmlText.h"

#include <sstream>

std::optional<std::string> Readable_Text(const pugi::xml_node &element) {
  if (!element || element.type() != pugi::node_element)
    return std::nullopt;
  std::string text;
  for (const pugi::xml_node &child : element.children()) {
    switch (child.type()) {
    case pugi::node_element:
      return std::nullopt;
    case pugi::node_pcdata:
    case pugi::node_cdata:
      text += child.value();
      break;
    default:
      break;
    }
  }
  return text;
}

std::optional<std::string> Child_Text(const pugi::xml_node &parent, const char *name) {
  if (!parent)
    return std::nullopt;
  return Readable_Text(parent.child(name));
}

std::string Xml_To_String(const pugi::xml_document &doc, bool indent) {
  std::ostringstream out;
  const unsigned int flags =
      pugi::format_no_declaration | (indent ? pugi::format_indent : pugi::format_raw);
  doc.save(out, "  ", flags, pugi::encoding_utf8);
  return out.str();
}
