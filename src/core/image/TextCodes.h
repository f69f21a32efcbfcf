#pragma once
#include <cstdint>
#include <string_view>

// The stored choice texts of the DALI project files and the codes the image holds for them.
// Every comparison is exact: same characters, same letter case, no trimming. A text in no row
// gives the table's fall-back.

uint8_t Function_Code(std::string_view text);  // fall-back 0
uint8_t Condition_Code(std::string_view text); // fall-back 0
// An event name gives its code or mask; any other text is read as a decimal number with either
// separator (see Text_To_Float), and 1.0 when it is not one.
float Function_Value(std::string_view text, char separator);
// A push-button event name gives its code; any other text is read as a whole number, cut to
// 16 bits, and 0 when it is not one.
uint16_t Event_Code(std::string_view text);
uint8_t Input_Type_Code(std::string_view text);  // fall-back 0
uint8_t Device_Type_Code(std::string_view text); // fall-back 0
// "Sensor" is 1, every other text 0.
uint8_t Object_Kind(std::string_view text);
// "DALI Channel n" gives n, "DALI Group g" gives 63 + g, "DALI Broadcast" 80, anything else 0.
// The names are looked for anywhere in the text, in that order.
uint8_t Target_Code(std::string_view text);
// Bits per second for a baud-rate list index; 7 and every other index give 115200.
uint32_t Baud_Rate(int32_t index);

// The names for a code, for showing an image; nullptr for a code no table gives.
const char *Function_Name(uint8_t code);
const char *Condition_Name(uint8_t code);
const char *Event_Name(uint32_t code);
const char *Input_Type_Name(uint8_t code);
const char *Device_Type_Name(uint8_t code);
