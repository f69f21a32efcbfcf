#pragma once
#include <cstddef>
#include <cstdint>

// Sizes, offsets and device addresses of the configuration image. All integers are little-endian.
namespace Image_Layout {

constexpr size_t Rule_Count = 256;
constexpr size_t Rule_Size = 20;
constexpr size_t Function_Count = 256;
constexpr size_t Function_Size = 12;
constexpr size_t Parameter_Size = 2048;
constexpr size_t Device_Block_Size = 256;
constexpr size_t Device_Word_Count = 81;
// The words for DALI short addresses 0..63; the remaining words stay 0.
constexpr size_t Device_Count = 64;
// The first 4 bytes of the device block are reserved, then the 81 words, then 90 reserved bytes.
constexpr size_t Device_Words_Offset = 4;

constexpr size_t Rule_Table_Size = Rule_Count * Rule_Size;             // 5120
constexpr size_t Function_Table_Size = Function_Count * Function_Size; // 3072
constexpr size_t Bank_Size =
    Rule_Table_Size + Function_Table_Size + Parameter_Size + Device_Block_Size;            // 10496
constexpr size_t Esp32_1_Size = Parameter_Size;                                            // 2048
constexpr size_t Esp32_2_Size = Rule_Table_Size + Function_Table_Size + Device_Block_Size; // 8448
// Where the parameter block lies in bank.bin; bank_ESP32_2.bin is bank.bin without it.
constexpr size_t Bank_Parameter_Offset = Rule_Table_Size + Function_Table_Size; // 8192

// Device memory addresses at which the update job stores each file.
constexpr uint32_t Bank_Device_Address = 0x66000;
constexpr uint32_t Esp32_1_Device_Address = 0x09000;
constexpr uint32_t Esp32_2_Device_Address = 0x310000;

// Project-dependent fields of the parameter block (offsets in bytes).
namespace Param {
constexpr size_t Modbus_Slave_Address = 24; // u32
constexpr size_t Ip_Address = 40;           // 4 bytes, first byte first
constexpr size_t Subnet_Mask = 44;
constexpr size_t Default_Gateway = 48;
constexpr size_t Console_Port = 56;          // u16
constexpr size_t Modbus_Options = 98;        // u8, bit 0: map DALI devices
constexpr size_t Internal_Data_Length = 120; // u32
constexpr size_t Modbus_Baud_Rate = 400;     // u32
constexpr size_t Modbus_Parity = 424;        // u8
constexpr size_t Device_Block_Address = 1532;
constexpr size_t Rule_Count = 1576; // u32
constexpr size_t Rule_Table_Address = 1580;
constexpr size_t Function_Table_Address = 1600;
constexpr size_t Version = 1644; // 8 bytes of ASCII, zero-filled
constexpr size_t Version_Size = 8;
constexpr size_t Web_Files_Address = 1804;
constexpr size_t Dali_Timeout = 1888; // u32, milliseconds
constexpr size_t Dali_Options = 1892; // u32
constexpr size_t Checksum = 2044;     // u32, sum of bytes 0..2043

constexpr uint8_t Map_Dali_Devices = 0x01;
constexpr uint32_t Dali_Scan_Disabled = 0x10000;
constexpr uint32_t Dali_2_Enabled = 0x20000;
} // namespace Param

// The four memory addresses the parameter block holds, in its two forms.
struct Block_Addresses {
  uint32_t Devices;
  uint32_t Rules;
  uint32_t Functions;
  uint32_t Web_Files;
};
constexpr Block_Addresses Standard_Addresses{0x68800, 0x66000, 0x67400, 0xC0000};
constexpr Block_Addresses Esp32_Addresses{0x312000, 0x310000, 0x311400, 0x350000};

// Flag bits of a device word.
namespace Device_Flag {
constexpr uint16_t Selected = 0x8000;
constexpr uint16_t Start_Break = 0x0001;
constexpr uint16_t Min_Max_Value = 0x0004;
constexpr uint16_t Recall_Min_Max = 0x0008;
constexpr uint16_t Recall_Old_Value = 0x0010;
} // namespace Device_Flag

} // namespace Image_Layout
