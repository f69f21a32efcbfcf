#include <algorithm>

#include "image/CompileSteps.h"
#include "image/ProjectText.h"
#include "image/TextCodes.h"

namespace L = Image_Layout;

namespace {

Rule_Record Read_Rule(const pugi::xml_node &row, uint32_t &data_length) {
  Rule_Record rule;
  rule.Kind = Object_Kind(Attribute_Text(row, "DeviceSensor").value_or(""));
  const std::string_view type = Attribute_Text(row, "Type").value_or("");
  rule.Type = rule.Kind == 1 ? Input_Type_Code(type) : Device_Type_Code(type);
  rule.Channel = Whole_Field<uint8_t>(Attribute_Text(row, "ChannelNumber"), 0);
  rule.Instance = Whole_Field<uint8_t>(Attribute_Text(row, "Instance"), 0);
  if (const auto event = Attribute_Text(row, "Event"))
    rule.Event = Event_Code(*event);
  rule.Time_Send = Whole_Field<uint32_t>(Attribute_Text(row, "TimeSend"), 0);
  rule.Time_Out = Whole_Field<uint32_t>(Attribute_Text(row, "TimeOut"), 0);
  // A position that is there but no number is -1; a missing one is 0 and does not count.
  if (const auto position = Attribute_Text(row, "Position")) {
    rule.Position = Whole_Field<uint16_t>(position, 0xFFFF);
    data_length = std::max<uint32_t>(data_length, uint32_t{rule.Position} + 1);
  }
  if (rule.Kind == 1 && Whole_Field<uint32_t>(Attribute_Text(row, "NumBytes"), 0) == 2)
    rule.Flags = 1;
  rule.Command = Whole_Field<uint8_t>(Attribute_Text(row, "Command"), 0);
  rule.Function = Function_Number(Attribute_Text(row, "Function").value_or(""));
  return rule;
}

} // namespace

void Compile_Rules(const pugi::xml_document &doc, Image_Records &image) {
  const pugi::xml_node section = doc.child("DALI2_Access").child("DALI2_SetAccess_Rules");
  uint32_t taken = 0;
  uint32_t data_length = 0;
  // Rows are taken by position whatever their name; rows beyond the table's size are ignored.
  for (const pugi::xml_node &row : section.children()) {
    if (taken == L::Rule_Count)
      break;
    if (row.type() != pugi::node_element || Attribute_Text(row, "Enable") != "Y")
      continue;
    image.Rule_Table[taken++] = Read_Rule(row, data_length);
  }
  image.Parameter_Block.Put_U32(L::Param::Rule_Count, taken);
  image.Parameter_Block.Put_U32(L::Param::Internal_Data_Length, data_length);
}
