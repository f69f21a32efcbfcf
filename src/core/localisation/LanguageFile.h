#pragma once
#include <filesystem>
#include <string>
#include <string_view>

class MessageTable;

// One entry line of a language file, already decoded to UTF-8. Returns false for every line that
// is not a valid entry (not "STR", no index, index out of range, empty text).
bool Parse_Language_Line(std::string_view line, int &index, std::string &text);

// Overlays the entries of a language file's bytes onto the table; bad lines are skipped.
void Parse_Language_Text(MessageTable &table, std::string_view file_bytes);

// Overlays the entries of one language file onto the table. A file that cannot be read changes
// nothing.
void Parse_Language_File(MessageTable &table, const std::filesystem::path &file);
