#include "image/CompileSteps.h"
#include "image/ProjectText.h"
#include "image/TextCodes.h"

namespace L = Image_Layout;

void Compile_Functions(const pugi::xml_document &doc, char separator, Image_Records &image) {
  // Entry 0 stays zero so that function number 0 means "none".
  image.Function_Table[0] = Function_Record{};
  const pugi::xml_node section = doc.child("DALI2_Access").child("DALI2_Functions_Rules");
  size_t entry = 1;
  // Every child element is a function, by position; rows beyond the table's size are ignored.
  for (const pugi::xml_node &row : section.children()) {
    if (entry == L::Function_Count)
      break;
    if (row.type() != pugi::node_element)
      continue;
    Function_Record &function = image.Function_Table[entry++];
    function.Function = Function_Code(Attribute_Text(row, "Function").value_or(""));
    function.Condition = Condition_Code(Attribute_Text(row, "Condition").value_or(""));
    const auto value = Attribute_Text(row, "Value");
    function.Value = value ? Function_Value(*value, separator) : 1.0f;
    function.Target = Target_Code(Attribute_Text(row, "Channel").value_or(""));
    function.Level = Whole_Field<uint8_t>(Attribute_Text(row, "Val"), 0);
    function.Next = Whole_Field<uint8_t>(Attribute_Text(row, "Next_Function"), 0);
  }
}
