#include "parameters/ParGenFile.h"

#include <cerrno>
#include <cstring>
#include <system_error>
#include <type_traits>

#include "common/AtomicFile.h"
#include "common/WholeNumber.h"
#include "common/XmlText.h"
#include "parameters/ParGenElements.h"
#include "shell/ProductIdentity.h"

namespace {

// Whitespace-only element texts are kept, so a field holding only blanks reads back as typed.
constexpr unsigned int ParGen_Parse_Options = Xml_Parse_Options | pugi::parse_ws_pcdata;

pugi::xml_parse_result Parse(pugi::xml_document &doc, const std::string &bytes) {
  return doc.load_buffer(bytes.data(), bytes.size(), ParGen_Parse_Options);
}

void Apply(std::string &field, const std::string &text, std::size_t) {
  field = text;
}

void Apply(bool &field, const std::string &text, std::size_t) {
  field = text == "1";
}

void Apply(int &field, const std::string &text, std::size_t list_size) {
  const auto index = Whole_Number(text);
  if (!index)
    return; // no integer: the list keeps its default item
  const bool in_list = *index >= 0 && static_cast<std::size_t>(*index) < list_size;
  field = in_list ? static_cast<int>(*index) : -1;
}

std::string Stored_Text(const std::string &field) {
  return field;
}

std::string Stored_Text(bool field) {
  return field ? "1" : "0";
}

std::string Stored_Text(int field) {
  return std::to_string(field);
}

} // namespace

ParameterSet Read_ParGen(const pugi::xml_document &doc) {
  ParameterSet values;
  // Deliberately not document_element(): a comment or instruction first means no root.
  const pugi::xml_node root = doc.first_child();
  For_Each_ParGen_Element(values, [&](const char *name, auto &field, std::size_t list_size) {
    if (const auto text = Child_Text(root, name))
      Apply(field, *text, list_size);
  });
  return values;
}

ParGenLoad Load_ParGen(const std::filesystem::path &file) {
  ParGenLoad load;
  std::error_code ec;
  if (!std::filesystem::exists(file, ec))
    return load;
  if (std::filesystem::is_directory(file, ec)) {
    load.problem =
        "Cannot read \"" + file.string() + "\": it is a folder. The default values are shown.";
    return load;
  }
  errno = 0;
  const auto bytes = Read_Whole_File(file);
  if (!bytes) {
    const int error = errno ? errno : EIO;
    load.problem = "Cannot read \"" + file.string() + "\": " + std::strerror(error) +
                   ". The default values are shown.";
    return load;
  }
  pugi::xml_document doc;
  const pugi::xml_parse_result parsed = Parse(doc, *bytes);
  if (!parsed) {
    // Built by appending: GCC 12 reports a false -Wrestrict on a chain of "literal" + string.
    std::string problem = "\"";
    problem.append(file.string())
        .append("\" is not well-formed XML: ")
        .append(parsed.description())
        .append(" (at byte ")
        .append(std::to_string(parsed.offset))
        .append("). The default values are shown; the file is kept as \"")
        .append(file.filename().string())
        .append(Unreadable_Copy_Suffix)
        .append("\" when the values are saved.");
    load.problem = std::move(problem);
    return load;
  }
  load.values = Read_ParGen(doc);
  return load;
}

std::string ParGen_Document(const ParameterSet &values) {
  pugi::xml_document doc;
  pugi::xml_node root = doc.append_child("Par_Gen");
  doc.append_child(pugi::node_comment)
      .set_value((std::string("SW_VERSION = ") + Current_Version).c_str());
  For_Each_ParGen_Element(values, [&](const char *name, const auto &field, std::size_t) {
    root.append_child(name).text().set(Stored_Text(field).c_str());
  });
  return Xml_To_String(doc);
}

std::optional<std::string> Save_ParGen(const std::filesystem::path &file,
                                       const ParameterSet &values) {
  // An existing file that cannot be parsed was reported when it was loaded; its bytes are
  // kept before they are replaced, so nothing is lost without the user's knowing.
  std::error_code ec;
  const auto old =
      std::filesystem::is_regular_file(file, ec) ? Read_Whole_File(file) : std::nullopt;
  if (old) {
    pugi::xml_document doc;
    if (!Parse(doc, *old)) {
      std::filesystem::path copy = file;
      copy += Unreadable_Copy_Suffix;
      if (auto failure = Write_File_Atomically(copy, *old))
        return failure;
    }
  }
  return Write_File_Atomically(file, ParGen_Document(values));
}
