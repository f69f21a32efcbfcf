#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "common/WholeNumber.h"
#include "common/XmlText.h"
#include "image/CompileSteps.h"
#include "image/ProjectText.h"
#include "image/TextCodes.h"
#include "shell/ProductIdentity.h"

namespace P = Image_Layout::Param;

namespace {

// Each element is looked up on its own: the first child of the root with that name, and its
// text only when it holds no further elements.
class Parameter_Reader {
public:
  explicit Parameter_Reader(pugi::xml_node root) : root_(root) {}

  std::optional<std::string> Text(const char *name) const { return Child_Text(root_, name); }
  bool Is_One(const char *name) const { return Text(name) == "1"; }

  template <typename Field> Field Whole(const char *name, Field fall_back) const {
    const auto text = Text(name);
    return text ? Whole_Field<Field>(std::string_view(*text), fall_back) : fall_back;
  }

  // Four elements named prefix1..prefix4, one byte each, each with its own fall-back.
  void Put_Address(const char *prefix, std::array<uint8_t, 4> fall_back, size_t offset,
                   Parameter_Record &block) const {
    for (size_t i = 0; i < 4; ++i) {
      const std::string name = prefix + std::to_string(i + 1);
      block.Put_U8(offset + i, Whole<uint8_t>(name.c_str(), fall_back[i]));
    }
  }

private:
  pugi::xml_node root_;
};

} // namespace

void Compile_Parameters(const pugi::xml_document &doc, Image_Records &image) {
  Parameter_Record &block = image.Parameter_Block;
  std::memcpy(&block.Bytes[P::Version], Current_Version,
              std::min(std::strlen(Current_Version), P::Version_Size));

  // The first node of the document, whatever it is: a comment there means nothing is found.
  const Parameter_Reader read(doc.first_child());
  read.Put_Address("MTCPs_IP", {192, 168, 0, 10}, P::Ip_Address, block);
  read.Put_Address("MTCPs_SUB", {255, 255, 255, 0}, P::Subnet_Mask, block);
  read.Put_Address("MTCPs_GAT", {192, 168, 0, 1}, P::Default_Gateway, block);
  // Read after the gateway bytes: without a gateway they are all 255.
  const auto use_gateway = read.Text("MTCPs_EN_GAT");
  if (!use_gateway || *use_gateway == "0")
    block.Put_U32(P::Default_Gateway, 0xFFFFFFFF);

  const auto baud_text = read.Text("MODBUS_SLAVE_BAUDRATE");
  const auto baud_index = baud_text ? Whole_Number(*baud_text) : std::nullopt;
  block.Put_U32(P::Modbus_Baud_Rate, Baud_Rate(baud_index.value_or(7)));
  block.Put_U8(P::Modbus_Parity, read.Whole<uint8_t>("MODBUS_SLAVE_PARITY", 0));
  block.Put_U32(P::Modbus_Slave_Address, read.Whole<uint32_t>("MODBUS_SLAVE_IDDEVICE", 10));
  if (read.Is_One("MODBUS_SLAVE_DALI_MAP"))
    block.Put_U8(P::Modbus_Options, P::Map_Dali_Devices);
  block.Put_U16(P::Console_Port, read.Whole<uint16_t>("DALI_CONSOLE_PORT", 10001));

  uint32_t timeout = 0;
  if (read.Is_One("DALI_SWITCH_OFF"))
    timeout = read.Whole<uint32_t>("DALI_TIMEOUT", 0);
  block.Put_U32(P::Dali_Timeout, timeout);

  uint32_t options = 0;
  if (read.Is_One("DALI_DISABLE_SCAN"))
    options |= P::Dali_Scan_Disabled;
  if (read.Is_One("DALI_ENABLE_DALI_2"))
    options |= P::Dali_2_Enabled;
  block.Put_U32(P::Dali_Options, options);
}
