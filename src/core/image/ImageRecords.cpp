#include "image/ImageRecords.h"

namespace P = Image_Layout::Param;

void Parameter_Record::Put_U16(size_t offset, uint16_t value) {
  Bytes[offset] = static_cast<uint8_t>(value);
  Bytes[offset + 1] = static_cast<uint8_t>(value >> 8);
}

void Parameter_Record::Put_U32(size_t offset, uint32_t value) {
  for (size_t i = 0; i < 4; ++i)
    Bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

uint16_t Parameter_Record::U16(size_t offset) const {
  return static_cast<uint16_t>(Bytes[offset] | Bytes[offset + 1] << 8);
}

uint32_t Parameter_Record::U32(size_t offset) const {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i)
    value |= static_cast<uint32_t>(Bytes[offset + i]) << (8 * i);
  return value;
}

void Parameter_Record::Put_Addresses(const Image_Layout::Block_Addresses &addresses) {
  Put_U32(P::Device_Block_Address, addresses.Devices);
  Put_U32(P::Rule_Table_Address, addresses.Rules);
  Put_U32(P::Function_Table_Address, addresses.Functions);
  Put_U32(P::Web_Files_Address, addresses.Web_Files);
}

namespace {

// The fixed values the gateway expects; this product never writes anything else into them.
void Put_Constants(Parameter_Record &block) {
  block.Put_U32(0, 125000);
  block.Put_U32(4, 125000);
  block.Put_U32(12, 9600);
  block.Put_U16(16, 8);
  block.Put_U16(52, 10000);
  block.Put_U16(54, 10001);
  block.Put_U32(404, 38400);
  block.Put_U8(431, 1);
  for (size_t offset = 436; offset < 444; ++offset)
    block.Put_U8(offset, 8);
  block.Put_U16(460, 3671);
  block.Put_U16(468, 50000);
  block.Put_U16(470, 50001);
  block.Put_U16(472, 50002);
  block.Put_U16(478, 512);
  block.Put_U32(1896, 6000);
  block.Put_U32(1900, 100);
}

void Put_Bytes(Parameter_Record &block, size_t offset, std::array<uint8_t, 4> bytes) {
  for (size_t i = 0; i < bytes.size(); ++i)
    block.Put_U8(offset + i, bytes[i]);
}

} // namespace

void Reset_Image(Image_Records &image) {
  image.Rule_Table.fill(Rule_Record{});
  image.Function_Table.fill(Function_Record{});
  image.Device_Block.fill(0);
  Parameter_Record &block = image.Parameter_Block;
  block.Bytes.fill(0);
  Put_Constants(block);
  // Initial project values; a project without ParGen.xml keeps them.
  Put_Bytes(block, P::Ip_Address, {192, 168, 2, 205});
  Put_Bytes(block, P::Subnet_Mask, {255, 255, 255, 0});
  Put_Bytes(block, P::Default_Gateway, {255, 255, 255, 255});
  block.Put_U16(P::Console_Port, 10001);
}
