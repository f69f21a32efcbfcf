#include "image/ImageDecode.h"

#include <bit>
#include <cstring>

namespace L = Image_Layout;
namespace P = Image_Layout::Param;

namespace {

uint16_t U16(const uint8_t *at) {
  return static_cast<uint16_t>(at[0] | at[1] << 8);
}

uint32_t U32(const uint8_t *at) {
  return static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 |
         static_cast<uint32_t>(at[2]) << 16 | static_cast<uint32_t>(at[3]) << 24;
}

// Offset and width of every field whose value comes from the project or the layout.
struct Field_Range {
  size_t Offset;
  size_t Width;
};
constexpr Field_Range Project_Fields[] = {
    {P::Modbus_Slave_Address, 4},
    {P::Ip_Address, 4},
    {P::Subnet_Mask, 4},
    {P::Default_Gateway, 4},
    {P::Console_Port, 2},
    {P::Modbus_Options, 1},
    {P::Internal_Data_Length, 4},
    {P::Modbus_Baud_Rate, 4},
    {P::Modbus_Parity, 1},
    {P::Device_Block_Address, 4},
    {P::Rule_Count, 4},
    {P::Rule_Table_Address, 4},
    {P::Function_Table_Address, 4},
    {P::Version, P::Version_Size},
    {P::Web_Files_Address, 4},
    {P::Dali_Timeout, 4},
    {P::Dali_Options, 4},
    {P::Checksum, 4},
};

bool Is_Project_Field(size_t offset) {
  for (const Field_Range &field : Project_Fields)
    if (offset >= field.Offset && offset < field.Offset + field.Width)
      return true;
  return false;
}

} // namespace

std::optional<Image_File_Kind> Recognise_Image(size_t size) {
  switch (size) {
  case L::Bank_Size:
    return Image_File_Kind::Bank;
  case L::Esp32_1_Size:
    return Image_File_Kind::Esp32_1;
  case L::Esp32_2_Size:
    return Image_File_Kind::Esp32_2;
  default:
    return std::nullopt;
  }
}

Rule_Record Decode_Rule(const uint8_t *entry) {
  const uint32_t descriptor = U32(entry);
  Rule_Record rule;
  rule.Instance = static_cast<uint8_t>(descriptor & 0xFF);
  rule.Channel = static_cast<uint8_t>(descriptor >> 8 & 0x3F);
  rule.Type = static_cast<uint8_t>(descriptor >> 14 & 0x0F);
  rule.Kind = static_cast<uint8_t>(descriptor >> 18 & 0x01);
  rule.Event = static_cast<uint16_t>(descriptor >> 19 & 0x3FF);
  rule.Flags = static_cast<uint8_t>(descriptor >> 29 & 0x07);
  rule.Time_Send = U32(entry + 4);
  rule.Time_Out = U32(entry + 8);
  rule.Position = U16(entry + 12);
  rule.Command = entry[14];
  rule.Function = U32(entry + 16);
  return rule;
}

Function_Record Decode_Function(const uint8_t *entry) {
  Function_Record function;
  function.Next = entry[0];
  function.Function = entry[1];
  function.Condition = entry[2];
  function.Value = std::bit_cast<float>(U32(entry + 4));
  function.Target = entry[8];
  function.Level = entry[9];
  return function;
}

Parameter_Record Decode_Parameters(const uint8_t *block) {
  Parameter_Record record;
  std::memcpy(record.Bytes.data(), block, record.Bytes.size());
  return record;
}

uint16_t Decode_Device_Word(const uint8_t *device_block, size_t n) {
  return U16(device_block + L::Device_Words_Offset + 2 * n);
}

bool Fixed_Bytes_Right(const Parameter_Record &block, size_t &first_wrong) {
  Image_Records reference;
  Reset_Image(reference);
  for (size_t offset = 0; offset < block.Bytes.size(); ++offset)
    if (!Is_Project_Field(offset) &&
        block.Bytes[offset] != reference.Parameter_Block.Bytes[offset]) {
      first_wrong = offset;
      return false;
    }
  return true;
}
