#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/XmlText.h"
#include "image/CompileSteps.h"

namespace L = Image_Layout;
namespace F = Image_Layout::Device_Flag;

namespace {

// The four elements a device may have, each named "DALI_ID_DEVICE_<n>" plus a suffix.
enum Device_Element { Selected, Dimming_Mode, Min_Max_Value, Recall_Level, Element_Count };
constexpr std::string_view Suffixes[Element_Count] = {"", "_DIMMING_MODE", "_MIN_MAN_VALUE",
                                                      "_RECALL_LEVEL"};
constexpr std::string_view Prefix = "DALI_ID_DEVICE_";

// Splits a name into the device number (decimal, no leading zeros, 0..63) and the element.
bool Parse_Name(std::string_view name, size_t &n, Device_Element &element) {
  if (name.substr(0, Prefix.size()) != Prefix)
    return false;
  name.remove_prefix(Prefix.size());
  size_t digits = 0;
  n = 0;
  while (digits < name.size() && digits < 3 && name[digits] >= '0' && name[digits] <= '9')
    n = n * 10 + static_cast<size_t>(name[digits++] - '0');
  if (digits == 0 || (digits > 1 && name[0] == '0') || n >= L::Device_Count)
    return false;
  name.remove_prefix(digits);
  for (int kind = 0; kind < Element_Count; ++kind)
    if (name == Suffixes[kind]) {
      element = static_cast<Device_Element>(kind);
      return true;
    }
  return false;
}

} // namespace

void Compile_Devices(const pugi::xml_document &doc, Image_Records &image) {
  // The first node of the document, whatever it is: a comment there means nothing is found.
  const pugi::xml_node root = doc.first_child();
  // One pass over the children; as in a lookup by name, only the first element of a name counts.
  std::array<std::array<bool, Element_Count>, L::Device_Count> seen{};
  std::array<std::array<std::optional<std::string>, Element_Count>, L::Device_Count> texts;
  for (const pugi::xml_node &child : root.children()) {
    size_t n = 0;
    Device_Element element = Selected;
    if (child.type() != pugi::node_element || !Parse_Name(child.name(), n, element) ||
        seen[n][element])
      continue;
    seen[n][element] = true;
    texts[n][element] = Readable_Text(child);
  }
  for (size_t n = 0; n < L::Device_Count; ++n) {
    const auto &text = texts[n];
    uint16_t word = 0;
    if (text[Selected] == "1")
      word |= F::Selected;
    if (text[Dimming_Mode] == "Start Break")
      word |= F::Start_Break;
    if (text[Min_Max_Value] == "1")
      word |= F::Min_Max_Value;
    if (text[Recall_Level] == "Recall Min-Max Level for Switch")
      word |= F::Recall_Min_Max;
    else if (text[Recall_Level] == "Recall Old Value Level for Switch")
      word |= F::Recall_Old_Value;
    image.Device_Block[n] = word;
  }
}
