#pragma once
#include <filesystem>
#include <pugixml.hpp>
#include <string>

enum class Document_State {
  Missing,  // no file at that path: the compiler skips its step
  Loaded,   // well-formed, in the document
  Unusable, // there but not well-formed XML, or not a readable file; `message` says why
};

// Loads one project file for the compiler. The message of an unusable file names the file and,
// for XML that is not well-formed, the parser's reason and the line and column where it stopped.
Document_State Load_Project_Document(const std::filesystem::path &path, pugi::xml_document &doc,
                                     std::string &message);
