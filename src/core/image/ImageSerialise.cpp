#include "image/ImageSerialise.h"

#include <bit>

namespace L = Image_Layout;

namespace {

void Append_U8(std::string &out, uint8_t value) {
  out.push_back(static_cast<char>(value));
}

void Append_U16(std::string &out, uint16_t value) {
  Append_U8(out, static_cast<uint8_t>(value));
  Append_U8(out, static_cast<uint8_t>(value >> 8));
}

void Append_U32(std::string &out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    Append_U8(out, static_cast<uint8_t>(value >> shift));
}

} // namespace

uint32_t Rule_Descriptor(const Rule_Record &rule) {
  uint32_t descriptor = rule.Instance;
  descriptor += static_cast<uint32_t>(rule.Channel) << 8;
  descriptor += static_cast<uint32_t>(rule.Type) << 14;
  descriptor += static_cast<uint32_t>(rule.Kind) << 18;
  descriptor += static_cast<uint32_t>(rule.Event) << 19;
  descriptor += static_cast<uint32_t>(rule.Flags) << 29;
  return descriptor;
}

uint32_t Parameter_Checksum(const Parameter_Record &block) {
  uint32_t sum = 0;
  for (size_t offset = 0; offset < L::Param::Checksum; ++offset)
    sum += block.Bytes[offset];
  return sum;
}

void Serialise_Rules(const Image_Records &image, std::string &out) {
  for (const Rule_Record &rule : image.Rule_Table) {
    Append_U32(out, Rule_Descriptor(rule));
    Append_U32(out, rule.Time_Send);
    Append_U32(out, rule.Time_Out);
    Append_U16(out, rule.Position);
    Append_U8(out, rule.Command);
    Append_U8(out, 0);
    Append_U32(out, rule.Function);
  }
}

void Serialise_Functions(const Image_Records &image, std::string &out) {
  for (const Function_Record &function : image.Function_Table) {
    Append_U8(out, function.Next);
    Append_U8(out, function.Function);
    Append_U8(out, function.Condition);
    Append_U8(out, 0);
    Append_U32(out, std::bit_cast<uint32_t>(function.Value));
    Append_U8(out, function.Target);
    Append_U8(out, function.Level);
    Append_U16(out, 0);
  }
}

void Serialise_Parameters(Parameter_Record &block, std::string &out) {
  block.Put_U32(L::Param::Checksum, Parameter_Checksum(block));
  out.append(reinterpret_cast<const char *>(block.Bytes.data()), block.Bytes.size());
}

void Serialise_Devices(const Image_Records &image, std::string &out) {
  out.append(L::Device_Words_Offset, '\0');
  for (const uint16_t word : image.Device_Block)
    Append_U16(out, word);
  out.append(L::Device_Block_Size - L::Device_Words_Offset - 2 * L::Device_Word_Count, '\0');
}

Image_Buffers Build_Image_Buffers(Image_Records &image) {
  Image_Buffers buffers;
  buffers.Bank.reserve(L::Bank_Size);
  image.Parameter_Block.Put_Addresses(L::Standard_Addresses);
  Serialise_Rules(image, buffers.Bank);
  Serialise_Functions(image, buffers.Bank);
  Serialise_Parameters(image.Parameter_Block, buffers.Bank);
  Serialise_Devices(image, buffers.Bank);

  image.Parameter_Block.Put_Addresses(L::Esp32_Addresses);
  buffers.Esp32_1.reserve(L::Esp32_1_Size);
  Serialise_Parameters(image.Parameter_Block, buffers.Esp32_1);

  buffers.Esp32_2.reserve(L::Esp32_2_Size);
  Serialise_Rules(image, buffers.Esp32_2);
  Serialise_Functions(image, buffers.Esp32_2);
  Serialise_Devices(image, buffers.Esp32_2);
  return buffers;
}
