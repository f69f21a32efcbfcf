#include "image/ProjectText.h"

#include "common/TrimBlanks.h"
#include "common/WholeNumber.h"

std::optional<std::string_view> Attribute_Text(const pugi::xml_node &element, const char *name) {
  const pugi::xml_attribute attribute = element.attribute(name);
  if (!attribute)
    return std::nullopt;
  return std::string_view(attribute.value());
}

template <typename Field> Field Whole_Field(std::optional<std::string_view> text, Field fall_back) {
  if (!text)
    return fall_back;
  const auto number = Whole_Number(*text);
  return number ? static_cast<Field>(static_cast<uint32_t>(*number)) : fall_back;
}

template uint8_t Whole_Field<uint8_t>(std::optional<std::string_view>, uint8_t);
template uint16_t Whole_Field<uint16_t>(std::optional<std::string_view>, uint16_t);
template uint32_t Whole_Field<uint32_t>(std::optional<std::string_view>, uint32_t);

uint32_t Function_Number(std::string_view text) {
  const size_t blank = text.find(' ');
  if (blank == std::string_view::npos)
    return 0;
  return Whole_Field<uint32_t>(Trim_Blanks(text.substr(0, blank)), 0);
}
