#pragma once
#include <cstdint>
#include <optional>
#include <pugixml.hpp>
#include <string_view>

// Reading helpers for the attributes and texts of the project files.

// The attribute's value, or nothing when the element has no such attribute.
std::optional<std::string_view> Attribute_Text(const pugi::xml_node &element, const char *name);

// The text read as a whole number and cut to the field's width by keeping its low bits (a
// negative number therefore lands in two's complement); `fall_back` when it is no number.
template <typename Field> Field Whole_Field(std::optional<std::string_view> text, Field fall_back);

// The number at the start of a rule's Function text ("7 - Mnemonic" gives 7): the text before
// the first blank, trimmed. 0 when there is no blank or that part is no number.
uint32_t Function_Number(std::string_view text);
