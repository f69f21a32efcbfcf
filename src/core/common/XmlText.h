#pragma once
#include <optional>
#include <pugixml.hpp>
#include <string>

// Parse options for every project and settings file: comments and processing instructions stay
// document-level nodes, so "the first node of the document" means what it says.
constexpr unsigned int Xml_Parse_Options =
    pugi::parse_default | pugi::parse_comments | pugi::parse_pi;

// The text of a leaf element. An element that holds further elements has no readable text;
// a missing element has none either.
std::optional<std::string> Readable_Text(const pugi::xml_node &element);

// The first child element of that exact name, then its readable text.
std::optional<std::string> Child_Text(const pugi::xml_node &parent, const char *name);

// Serialises without declaration and without indentation, as the project files are written.
std::string Xml_To_String(const pugi::xml_document &doc, bool indent = false);
