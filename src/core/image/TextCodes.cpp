#include "image/TextCodes.h"

#include <array>
#include <cstdint>

#include "common/DecimalNumber.h"
#include "common/WholeNumber.h"

namespace {

struct Named_Code {
  std::string_view Text;
  uint8_t Code;
};

constexpr Named_Code Functions[] = {
    {"Function Null", 0}, {"Multiplication", 1}, {"Division", 2},   {"Addition", 3},
    {"Subtraction", 4},   {"Set Out", 17},       {"Dim Up", 18},    {"Dim Down", 19},
    {"Toggle", 20},       {"Ramp Start", 21},    {"Ramp Stop", 22},
};

constexpr Named_Code Conditions[] = {
    {"No Condition", 0},          {"When Equal to Value", 1},   {"When Lower to Value", 2},
    {"When Greater to Value", 3}, {"AND Logic with Value", 4},  {"OR Logic with Value", 5},
    {"XOR Logic with Value", 6},  {"NAND Logic with Value", 7}, {"NOR Logic with Value", 8},
};

// Push-button event codes, shared by rules and function values.
constexpr Named_Code Button_Events[] = {
    {"Button Released", 0},  {"Button Pressed", 1},   {"Short Press", 2},
    {"Double Press", 5},     {"Long Press Start", 9}, {"Long Press Repeat", 11},
    {"Long Press Stop", 12}, {"Button Free", 14},     {"Button Stuck", 15},
};

// Occupancy events are bit masks; each pair shares its mask.
constexpr Named_Code Occupancy_Events[] = {
    {"No Movement", 1},  {"Movement", 1},       {"Vacant", 2},          {"Occupied", 2},
    {"Still Vacant", 4}, {"Still Occupied", 6}, {"Presence Sensor", 8}, {"Movement Sensor", 8},
};

constexpr Named_Code Input_Types[] = {
    {"Generic Input", 0}, {"Push Button", 1},  {"Absolute Input", 2}, {"Occupancy Sensor", 3},
    {"Light Sensor", 4},  {"Color Sensor", 5}, {"Relative Input", 6},
};

constexpr Named_Code Device_Types[] = {
    {"Fluorescent Lamp", 0}, {"Emergency Lamp", 1},  {"High Voltage Discharge", 2},
    {"Alogen Lamp", 3},      {"Dimmer", 4},          {"Converter", 5},
    {"Led Lamp", 6},         {"Actuator On Off", 7}, {"Color Control", 8},
    {"Sequencer", 9},
};

template <size_t N> const Named_Code *Find(const Named_Code (&table)[N], std::string_view text) {
  for (const Named_Code &row : table)
    if (row.Text == text)
      return &row;
  return nullptr;
}

template <size_t N> uint8_t Code_Or_Zero(const Named_Code (&table)[N], std::string_view text) {
  const Named_Code *row = Find(table, text);
  return row ? row->Code : 0;
}

template <size_t N> const char *Name_Of(const Named_Code (&table)[N], uint32_t code) {
  for (const Named_Code &row : table)
    if (row.Code == code)
      return row.Text.data();
  return nullptr;
}

constexpr std::string_view Channel_Prefix = "DALI Channel ";
constexpr std::string_view Group_Prefix = "DALI Group ";
constexpr std::string_view Broadcast_Name = "DALI Broadcast";
constexpr uint8_t Group_Base = 63;
constexpr uint8_t Broadcast_Target = 80;

} // namespace

uint8_t Function_Code(std::string_view text) {
  return Code_Or_Zero(Functions, text);
}

uint8_t Condition_Code(std::string_view text) {
  return Code_Or_Zero(Conditions, text);
}

float Function_Value(std::string_view text, char separator) {
  if (const Named_Code *row = Find(Button_Events, text))
    return row->Code;
  if (const Named_Code *row = Find(Occupancy_Events, text))
    return row->Code;
  float value = 1.0f;
  Text_To_Float(text, separator, value);
  return value;
}

uint16_t Event_Code(std::string_view text) {
  if (const Named_Code *row = Find(Button_Events, text))
    return row->Code;
  const auto number = Whole_Number(text);
  return number ? static_cast<uint16_t>(*number) : 0;
}

uint8_t Input_Type_Code(std::string_view text) {
  return Code_Or_Zero(Input_Types, text);
}

uint8_t Device_Type_Code(std::string_view text) {
  return Code_Or_Zero(Device_Types, text);
}

uint8_t Object_Kind(std::string_view text) {
  return text == "Sensor" ? 1 : 0;
}

uint8_t Target_Code(std::string_view text) {
  if (const size_t at = text.find(Channel_Prefix); at != std::string_view::npos) {
    const auto number = Whole_Number(text.substr(at + Channel_Prefix.size()));
    return number ? static_cast<uint8_t>(*number) : 0;
  }
  if (const size_t at = text.find(Group_Prefix); at != std::string_view::npos) {
    const auto number = Whole_Number(text.substr(at + Group_Prefix.size()));
    // Added in 64 bits: the group number may be any 32-bit value before it is cut to a byte.
    return static_cast<uint8_t>(int64_t{number.value_or(1)} + Group_Base);
  }
  if (text.find(Broadcast_Name) != std::string_view::npos)
    return Broadcast_Target;
  return 0;
}

uint32_t Baud_Rate(int32_t index) {
  constexpr std::array<uint32_t, 7> Rates{1200, 2400, 4800, 9600, 19200, 37400, 57600};
  if (index >= 0 && index < static_cast<int32_t>(Rates.size()))
    return Rates[static_cast<size_t>(index)];
  return 115200;
}

const char *Function_Name(uint8_t code) {
  return Name_Of(Functions, code);
}
const char *Condition_Name(uint8_t code) {
  return Name_Of(Conditions, code);
}
const char *Event_Name(uint32_t code) {
  return Name_Of(Button_Events, code);
}
const char *Input_Type_Name(uint8_t code) {
  return Name_Of(Input_Types, code);
}
const char *Device_Type_Name(uint8_t code) {
  return Name_Of(Device_Types, code);
}
