#include "image/ProjectDocument.h"

#include <algorithm>

#include "common/AtomicFile.h"
#include "common/XmlText.h"

namespace fs = std::filesystem;

namespace {

// Line and column (both from 1, the column in bytes) of a byte offset into the file.
std::string Position_Of(const fs::path &path, ptrdiff_t offset) {
  const auto bytes = Read_Whole_File(path);
  if (!bytes || offset < 0)
    return {};
  const size_t end = std::min(static_cast<size_t>(offset), bytes->size());
  size_t line = 1;
  size_t line_start = 0;
  for (size_t at = 0; at < end; ++at)
    if ((*bytes)[at] == '\n') {
      ++line;
      line_start = at + 1;
    }
  const size_t column = end - line_start + 1;
  return " at line " + std::to_string(line) + ", column " + std::to_string(column);
}

} // namespace

Document_State Load_Project_Document(const fs::path &path, pugi::xml_document &doc,
                                     std::string &message) {
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (status.type() == fs::file_type::not_found)
    return Document_State::Missing;
  // A folder or a device in place of the file is reported, not read (a pipe would block).
  if (status.type() != fs::file_type::regular) {
    message = path.string() + ": not a readable file";
    return Document_State::Unusable;
  }
  const pugi::xml_parse_result result = doc.load_file(path.c_str(), Xml_Parse_Options);
  if (result)
    return Document_State::Loaded;
  if (result.status == pugi::status_file_not_found || result.status == pugi::status_io_error ||
      result.status == pugi::status_out_of_memory) {
    message = path.string() + ": cannot be read (" + result.description() + ")";
    return Document_State::Unusable;
  }
  message = path.string() + ": not well-formed XML: " + result.description() +
            Position_Of(path, result.offset);
  return Document_State::Unusable;
}
