#pragma once
#include <array>
#include <string>

// The gateway's communication parameters as the Set Communication window holds them: number
// fields as the texts typed (never normalised), check boxes as flags, lists as item indices
// (-1 when no item is selected). Member names are the ParGen.xml element names; the defaults
// are those of a project without ParGen.xml.
struct ParameterSet {
  std::array<std::string, 4> MTCPs_IP{"192", "168", "0", "10"};
  std::array<std::string, 4> MTCPs_SUB{"255", "255", "255", "0"};
  bool MTCPs_EN_GAT = false;
  std::array<std::string, 4> MTCPs_GAT{"192", "168", "0", "1"};
  int MODBUS_SLAVE_BAUDRATE = 7;
  int MODBUS_SLAVE_PARITY = 0;
  std::string MODBUS_SLAVE_IDDEVICE = "10";
  bool MODBUS_SLAVE_DALI_MAP = false;
  std::string DALI_CONSOLE_PORT = "10001";
  bool DALI_SWITCH_OFF = false;
  std::string DALI_TIMEOUT = "0";
  bool DALI_DISABLE_SCAN = false;
  bool DALI_ENABLE_DALI_2 = false;

  bool operator==(const ParameterSet &) const = default;
};

// The items of the two lists, by index. Not translated.
inline constexpr std::array<const char *, 8> Baud_Rate_Items{"1200",  "2400",  "4800",  "9600",
                                                             "19200", "37400", "57600", "115200"};
inline constexpr std::array<const char *, 3> Parity_Items{"NONE", "ODD", "EVEN"};
