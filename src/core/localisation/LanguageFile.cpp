#include "localisation/LanguageFile.h"

#include "common/AtomicFile.h"
#include "common/TrimBlanks.h"
#include "common/WholeNumber.h"
#include "localisation/MessageTable.h"
#include "localisation/TextDecoding.h"

namespace {

constexpr std::string_view Pilcrow = "\xC2\xB6";
constexpr std::string_view Remark = "/#/";

} // namespace

bool Parse_Language_Line(std::string_view line, int &index, std::string &text) {
  line = Trim_Blanks(line);
  if (!line.starts_with("STR"))
    return false;
  const size_t equals = line.find('=');
  // The index runs from the fourth character up to, not including, the character just before
  // the "=": "STR12=x" names entry 1, "STR12 =x" entry 12.
  if (equals == std::string_view::npos || equals < 4)
    return false;
  const auto number = Whole_Number(Trim_Blanks(line.substr(3, equals - 4)));
  if (!number)
    return false;
  index = *number;
  if (index < 0 || index >= MessageTable::Message_Count)
    return false;
  std::string_view value = Trim_Blanks(line.substr(equals + 1));
  if (value.empty())
    return false;
  if (const size_t remark = value.find(Remark); remark != std::string_view::npos) {
    value = Trim_Blanks(value.substr(0, remark));
    if (value.empty())
      return false;
  }
  // Pilcrows mark where a text begins and ends, so blanks at either end survive trimming.
  if (value.starts_with(Pilcrow))
    value.remove_prefix(Pilcrow.size());
  if (const size_t end = value.find(Pilcrow); end != std::string_view::npos)
    value = value.substr(0, end);
  text.assign(value);
  return true;
}

void Parse_Language_Text(MessageTable &table, std::string_view file_bytes) {
  const std::string decoded = Decode_Text_File(file_bytes);
  const std::string_view all(decoded);
  int index = 0;
  std::string text;
  size_t start = 0;
  while (start < all.size()) {
    const size_t end = all.find_first_of("\r\n", start);
    const std::string_view line =
        all.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (Parse_Language_Line(line, index, text))
      table.Set(index, text);
    if (end == std::string_view::npos)
      break;
    start = end + 1;
    if (all[end] == '\r' && start < all.size() && all[start] == '\n')
      ++start;
  }
}

void Parse_Language_File(MessageTable &table, const std::filesystem::path &file) {
  if (const auto bytes = Read_Whole_File(file))
    Parse_Language_Text(table, *bytes);
}
