#pragma once
#include <array>
#include <cstdint>

#include "image/ImageLayout.h"

// One entry of the rule table. Each field keeps the width it has in the descriptor or the entry;
// values are cut to that width by the compiler before they get here.
struct Rule_Record {
  uint8_t Instance = 0;
  uint8_t Channel = 0;
  uint8_t Type = 0;
  uint8_t Kind = 0;
  uint16_t Event = 0;
  uint8_t Flags = 0;
  uint32_t Time_Send = 0;
  uint32_t Time_Out = 0;
  uint16_t Position = 0;
  uint8_t Command = 0;
  uint32_t Function = 0;

  bool operator==(const Rule_Record &) const = default;
};

// One entry of the function table.
struct Function_Record {
  uint8_t Next = 0;
  uint8_t Function = 0;
  uint8_t Condition = 0;
  float Value = 0.0f;
  uint8_t Target = 0;
  uint8_t Level = 0;

  bool operator==(const Function_Record &) const = default;
};

// The 2048-byte parameter block, held as its bytes; fields are read and written by offset.
struct Parameter_Record {
  std::array<uint8_t, Image_Layout::Parameter_Size> Bytes{};

  void Put_U8(size_t offset, uint8_t value) { Bytes[offset] = value; }
  void Put_U16(size_t offset, uint16_t value);
  void Put_U32(size_t offset, uint32_t value);
  uint16_t U16(size_t offset) const;
  uint32_t U32(size_t offset) const;
  void Put_Addresses(const Image_Layout::Block_Addresses &addresses);
};

// The four image records the compiler fills.
struct Image_Records {
  std::array<Rule_Record, Image_Layout::Rule_Count> Rule_Table{};
  std::array<Function_Record, Image_Layout::Function_Count> Function_Table{};
  Parameter_Record Parameter_Block;
  std::array<uint16_t, Image_Layout::Device_Word_Count> Device_Block{};
};

// Sets every field to its value before compiling: tables and device words 0, the parameter block
// to its constants and initial project values, the four addresses 0.
void Reset_Image(Image_Records &image);
