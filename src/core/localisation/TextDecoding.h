#pragma once
#include <string>
#include <string_view>

// Turns the bytes of a text file into UTF-8. A byte-order mark selects UTF-8 or UTF-16 in either
// byte order; without one the bytes are taken as UTF-8 when they are valid UTF-8, otherwise as
// Windows-1252.
std::string Decode_Text_File(std::string_view bytes);

bool Is_Valid_Utf8(std::string_view bytes);
