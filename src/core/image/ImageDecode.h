#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

#include "image/ImageRecords.h"

// Which of the three image files some bytes are, told by their size alone.
enum class Image_File_Kind { Bank, Esp32_1, Esp32_2 };
std::optional<Image_File_Kind> Recognise_Image(size_t size);

// Decoding of single entries; each pointer must point at a whole entry. A descriptor is split
// at its bit fields, so a carry that happened when it was packed shows in the field above.
Rule_Record Decode_Rule(const uint8_t *entry);
Function_Record Decode_Function(const uint8_t *entry);
Parameter_Record Decode_Parameters(const uint8_t *block);
uint16_t Decode_Device_Word(const uint8_t *device_block, size_t n);

// True when every byte of the block that no project field owns (constants, reserved bytes)
// holds the value this product writes there. `first_wrong` is the first offset that does not.
bool Fixed_Bytes_Right(const Parameter_Record &block, size_t &first_wrong);
