#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

// Fills the "%d" placeholders of a message template in order. Texts from language files pass
// through here instead of printf, so a stray "%s", "%n" or a missing "%d" is harmless: anything
// but "%d" is copied as it stands, and placeholders without a value stay as written.
std::string Format_Message(std::string_view message, std::initializer_list<long long> values);
