#pragma once
#include <filesystem>
#include <optional>
#include <pugixml.hpp>
#include <string>

#include "parameters/ParameterSet.h"

// ParGen.xml: the project file of the communication parameters.

// Suffix of the copy kept of a ParGen.xml that could not be parsed, before it is replaced.
inline constexpr const char *Unreadable_Copy_Suffix = ".unreadable";

// What loading found. `problem` is set when the file exists but could not be used (not
// well-formed, or not readable): it names the file and gives the reason; the values are then
// the defaults. A missing file is no problem: the defaults, silently.
struct ParGenLoad {
  ParameterSet values;
  std::optional<std::string> problem;
};

// The reading rules applied to a parsed document: the first document-level node is the root
// whatever it is, children are found by exact name, and each missing or unreadable element
// takes its default independently of the others.
ParameterSet Read_ParGen(const pugi::xml_document &doc);

ParGenLoad Load_ParGen(const std::filesystem::path &file);

// The exact bytes of the file: root Par_Gen with the 22 children in their fixed order, the
// version comment after it, no declaration, no whitespace inside the root, UTF-8.
std::string ParGen_Document(const ParameterSet &values);

// Replaces `file` atomically. When the file there cannot be parsed, its bytes are first kept
// beside it (file + Unreadable_Copy_Suffix); if that copy cannot be made nothing is replaced.
// Returns the system's reason on failure.
std::optional<std::string> Save_ParGen(const std::filesystem::path &file,
                                       const ParameterSet &values);
