#pragma once
#include <cstdint>
#include <string>

#include "image/ImageRecords.h"

// The rule's packed descriptor: instance + channel * 2^8 + type * 2^14 + kind * 2^18 +
// event * 2^19 + flags * 2^29 in 32-bit unsigned arithmetic. The parts are added, not masked,
// so a value too large for its bit field carries into the fields above it.
uint32_t Rule_Descriptor(const Rule_Record &rule);

// Sum of bytes 0..2043 of the block; the checksum field itself is left out.
uint32_t Parameter_Checksum(const Parameter_Record &block);

// Each appends its block to `out`.
void Serialise_Rules(const Image_Records &image, std::string &out);
void Serialise_Functions(const Image_Records &image, std::string &out);
// Stores the checksum at offset 2044 first, so the block is changed.
void Serialise_Parameters(Parameter_Record &block, std::string &out);
void Serialise_Devices(const Image_Records &image, std::string &out);

// The contents of bank.bin, bank_ESP32_1.bin and bank_ESP32_2.bin.
struct Image_Buffers {
  std::string Bank;
  std::string Esp32_1;
  std::string Esp32_2;
};

// Builds the three buffers from filled records: the standard form of the parameter block goes
// into bank.bin, then the ESP32 addresses are set and the ESP32 form follows. The records are
// left holding the ESP32 form.
Image_Buffers Build_Image_Buffers(Image_Records &image);
