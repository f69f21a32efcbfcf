#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "Commands.h"
#include "common/AtomicFile.h"
#include "image/ImageDecode.h"
#include "image/ImageSerialise.h"
#include "image/TextCodes.h"

namespace L = Image_Layout;
namespace P = Image_Layout::Param;

namespace {

std::string Hex(uint32_t value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%0*X", digits, value);
  return text;
}

// "name (code)" when the code has a name, the bare code otherwise.
std::string Named(const char *name, uint32_t code) {
  return name ? std::string(name) + " (" + std::to_string(code) + ")" : std::to_string(code);
}

std::string Float_Text(float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
  return text;
}

std::string Target_Text(uint8_t target) {
  std::string name;
  if (target < 64)
    name = "DALI Channel " + std::to_string(target);
  else if (target < 80)
    name = "DALI Group " + std::to_string(target - 63);
  else if (target == 80)
    name = "DALI Broadcast";
  else
    return std::to_string(target);
  return name + " (" + std::to_string(target) + ")";
}

bool Is_Zero(const uint8_t *bytes, size_t size) {
  for (size_t i = 0; i < size; ++i)
    if (bytes[i] != 0)
      return false;
  return true;
}

// Used rules: the first `count` entries when the count is known, and any entry that is not zero.
void Dump_Rules(const uint8_t *table, std::optional<uint32_t> count, std::ostream &out) {
  out << "Rules";
  if (count)
    out << " (rule count " << *count << ")";
  out << ":\n";
  for (size_t k = 0; k < L::Rule_Count; ++k) {
    const uint8_t *entry = table + k * L::Rule_Size;
    if (!(count && k < *count) && Is_Zero(entry, L::Rule_Size))
      continue;
    const Rule_Record rule = Decode_Rule(entry);
    const bool sensor = rule.Kind == 1;
    out << "  rule " << k << ": " << (sensor ? "Sensor" : "Device") << ", type "
        << Named(sensor ? Input_Type_Name(rule.Type) : Device_Type_Name(rule.Type), rule.Type)
        << ", channel " << int{rule.Channel} << ", instance " << int{rule.Instance} << ", event "
        << Named(Event_Name(rule.Event), rule.Event) << ", flags " << Hex(rule.Flags, 1)
        << (rule.Flags & 1 ? " (two-byte value)" : "") << ", time send " << rule.Time_Send
        << " ms, time-out " << rule.Time_Out << " ms, position " << rule.Position << ", command "
        << int{rule.Command} << ", function " << rule.Function << '\n';
  }
}

void Dump_Functions(const uint8_t *table, std::ostream &out) {
  out << "Functions:\n";
  for (size_t n = 0; n < L::Function_Count; ++n) {
    const uint8_t *entry = table + n * L::Function_Size;
    if (Is_Zero(entry, L::Function_Size))
      continue;
    const Function_Record function = Decode_Function(entry);
    out << "  function " << n << ": " << Named(Function_Name(function.Function), function.Function)
        << ", condition " << Named(Condition_Name(function.Condition), function.Condition)
        << ", value " << Float_Text(function.Value) << ", target " << Target_Text(function.Target)
        << ", level " << int{function.Level} << ", next " << int{function.Next}
        << (n == 0 ? "  (entry 0 should be zero)" : "") << '\n';
  }
}

std::string Address_Text(const Parameter_Record &block, size_t offset) {
  std::string text = std::to_string(block.Bytes[offset]);
  for (size_t i = 1; i < 4; ++i) {
    text += '.';
    text += std::to_string(block.Bytes[offset + i]);
  }
  return text;
}

std::string Version_Text(const Parameter_Record &block) {
  std::string text;
  for (size_t i = 0; i < P::Version_Size && block.Bytes[P::Version + i] != 0; ++i)
    text += static_cast<char>(block.Bytes[P::Version + i]);
  return "\"" + text + "\"";
}

// Prints the fields and returns whether the checksum is right.
bool Dump_Parameters(const uint8_t *bytes, const char *form, std::ostream &out) {
  const Parameter_Record block = Decode_Parameters(bytes);
  const uint32_t options = block.Bytes[P::Modbus_Options];
  const uint32_t dali = block.U32(P::Dali_Options);
  out << "Parameters (" << form << " form):\n"
      << "  Modbus slave address: " << block.U32(P::Modbus_Slave_Address) << '\n'
      << "  IP address: " << Address_Text(block, P::Ip_Address) << '\n'
      << "  subnet mask: " << Address_Text(block, P::Subnet_Mask) << '\n'
      << "  default gateway: " << Address_Text(block, P::Default_Gateway) << '\n'
      << "  DALI console port: " << block.U16(P::Console_Port) << '\n'
      << "  Modbus options: " << Hex(options, 2)
      << " (map DALI devices: " << (options & P::Map_Dali_Devices ? "yes" : "no") << ")\n"
      << "  internal data length: " << block.U32(P::Internal_Data_Length) << '\n'
      << "  Modbus baud rate: " << block.U32(P::Modbus_Baud_Rate) << '\n'
      << "  Modbus parity: " << int{block.Bytes[P::Modbus_Parity]} << '\n'
      << "  rule count: " << block.U32(P::Rule_Count) << '\n'
      << "  version: " << Version_Text(block) << '\n'
      << "  DALI time-out: " << block.U32(P::Dali_Timeout) << " ms\n"
      << "  DALI options: " << Hex(dali, 8)
      << " (scan disabled: " << (dali & P::Dali_Scan_Disabled ? "yes" : "no")
      << ", DALI-2 enabled: " << (dali & P::Dali_2_Enabled ? "yes" : "no") << ")\n"
      << "  device block address: " << Hex(block.U32(P::Device_Block_Address), 5) << '\n'
      << "  rule table address: " << Hex(block.U32(P::Rule_Table_Address), 5) << '\n'
      << "  function table address: " << Hex(block.U32(P::Function_Table_Address), 5) << '\n'
      << "  web files address: " << Hex(block.U32(P::Web_Files_Address), 5) << '\n';
  size_t first_wrong = 0;
  if (Fixed_Bytes_Right(block, first_wrong))
    out << "  constants and reserved bytes: as expected\n";
  else
    out << "  constants and reserved bytes: differ, first at offset " << first_wrong << '\n';
  const uint32_t stored = block.U32(P::Checksum);
  const uint32_t computed = Parameter_Checksum(block);
  out << "  checksum: " << stored << " (" << Hex(stored, 8) << "), ";
  if (stored == computed)
    out << "right\n";
  else
    out << "WRONG, the bytes sum to " << computed << '\n';
  return stored == computed;
}

void Dump_Devices(const uint8_t *block, std::ostream &out) {
  out << "Devices:\n";
  for (size_t n = 0; n < L::Device_Word_Count; ++n) {
    const uint16_t word = Decode_Device_Word(block, n);
    if (word == 0)
      continue;
    namespace F = Image_Layout::Device_Flag;
    out << "  device " << n << ": " << Hex(word, 4)
        << (word & F::Selected ? " selected" : " not selected")
        << (word & F::Start_Break ? ", Start Break" : "")
        << (word & F::Min_Max_Value ? ", min-max value" : "")
        << (word & F::Recall_Min_Max ? ", recall min-max level" : "")
        << (word & F::Recall_Old_Value ? ", recall old value level" : "") << '\n';
  }
}

} // namespace

int Run_Dump(const std::vector<std::string> &args, std::ostream &out, std::ostream &err) {
  const CliCommand &command = Command_Named("dump");
  if (args.size() != 1)
    return Usage_Error(command, args.empty() ? "missing IMAGE_FILE" : "too many arguments", err);
  std::error_code ec;
  const auto file =
      std::filesystem::is_directory(args[0], ec) ? std::nullopt : Read_Whole_File(args[0]);
  if (!file) {
    err << "cf20431-cli dump: cannot read \"" << args[0] << "\"\n";
    return Exit_Failure;
  }
  const auto kind = Recognise_Image(file->size());
  if (!kind) {
    err << "cf20431-cli dump: \"" << args[0] << "\" is " << file->size()
        << " bytes, which is none of bank.bin (" << L::Bank_Size << "), bank_ESP32_1.bin ("
        << L::Esp32_1_Size << ") or bank_ESP32_2.bin (" << L::Esp32_2_Size << ")\n";
    return Exit_Failure;
  }
  const auto *bytes = reinterpret_cast<const uint8_t *>(file->data());
  bool checksum_right = true;
  switch (*kind) {
  case Image_File_Kind::Bank: {
    out << "bank.bin (" << file->size() << " bytes)\n";
    const Parameter_Record block = Decode_Parameters(bytes + L::Bank_Parameter_Offset);
    Dump_Rules(bytes, std::min<uint32_t>(block.U32(P::Rule_Count), L::Rule_Count), out);
    Dump_Functions(bytes + L::Rule_Table_Size, out);
    checksum_right = Dump_Parameters(bytes + L::Bank_Parameter_Offset, "standard", out);
    Dump_Devices(bytes + L::Bank_Parameter_Offset + L::Parameter_Size, out);
    break;
  }
  case Image_File_Kind::Esp32_1:
    out << "bank_ESP32_1.bin (" << file->size() << " bytes)\n";
    checksum_right = Dump_Parameters(bytes, "ESP32", out);
    break;
  case Image_File_Kind::Esp32_2:
    out << "bank_ESP32_2.bin (" << file->size() << " bytes, no checksum)\n";
    Dump_Rules(bytes, std::nullopt, out);
    Dump_Functions(bytes + L::Rule_Table_Size, out);
    Dump_Devices(bytes + L::Rule_Table_Size + L::Function_Table_Size, out);
    break;
  }
  return checksum_right ? Exit_Ok : Exit_Failure;
}
