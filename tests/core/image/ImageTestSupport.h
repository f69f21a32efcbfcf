#pragma once
#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "image/CompileProject.h"
#include "image/ImageLayout.h"
#include "support/core/TempDir.h"

// A project folder for one test: write its files, compile it, look at the image.
class Test_Project {
public:
  Test_Project() { std::filesystem::create_directory(Bin()); }

  std::filesystem::path Path() const { return dir_.Path(); }
  std::filesystem::path Bin() const { return dir_ / "bin"; }
  void Write(const std::string &name, const std::string &text) const { dir_.Write(name, text); }

  ProjectFiles Files() const {
    ProjectFiles files;
    files.File_ParGen = dir_ / "ParGen.xml";
    files.File_DALI_Access = dir_ / "DALI_Access.xml";
    files.File_DALI2_Access = dir_ / "DALI2_Access.xml";
    return files;
  }

  Compile_Result Compile() const { return Compile_Project(Files(), Bin()); }

  // Compiles in memory; the test fails when the project cannot be read.
  Image_Buffers Build() const {
    Image_Records image;
    const Compile_Result result = Read_Project_Image(Files(), image);
    EXPECT_TRUE(result.Ok()) << result.Message;
    return Build_Image_Buffers(image);
  }

private:
  TempDir dir_;
};

// Bytes written as hex pairs, blanks between them ignored: "02 45 04 00".
inline std::string Hex(const std::string &pairs) {
  std::string bytes;
  std::string digits;
  for (const char c : pairs)
    if (c != ' ')
      digits += c;
  for (size_t at = 0; at + 1 < digits.size(); at += 2)
    bytes += static_cast<char>(std::stoi(digits.substr(at, 2), nullptr, 16));
  return bytes;
}

// The bytes as hex pairs, so that a failing comparison shows readable values.
inline std::string Hex_Of(const std::string &bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string text;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (!text.empty())
      text += ' ';
    text += digits[byte >> 4];
    text += digits[byte & 15];
  }
  return text;
}

inline std::string Bytes_At(const std::string &buffer, size_t offset, size_t count) {
  return Hex_Of(buffer.substr(offset, count));
}

inline uint32_t U32_At(const std::string &buffer, size_t offset) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i)
    value |= static_cast<uint32_t>(static_cast<unsigned char>(buffer[offset + i])) << (8 * i);
  return value;
}

inline bool All_Zero(const std::string &buffer, size_t offset, size_t count) {
  return buffer.substr(offset, count).find_first_not_of('\0') == std::string::npos;
}

// A DALI2_Access.xml with these rule rows and function rows (each a whole "<row .../>").
inline std::string Dali2_File(const std::string &rules, const std::string &functions = "") {
  return "<DALI2_Access><DALI2_Functions_Rules>" + functions +
         "</DALI2_Functions_Rules><DALI2_SetAccess_Rules>" + rules +
         "</DALI2_SetAccess_Rules></DALI2_Access><!--SW_VERSION = 1.401-->";
}

// A rule row with Enable="Y" and these attributes.
inline std::string Enabled_Rule(const std::string &attributes) {
  return "<row Enable=\"Y\" " + attributes + "/>";
}

// A ParGen.xml whose root holds exactly these elements.
inline std::string ParGen_File(const std::string &elements) {
  return "<Par_Gen>" + elements + "</Par_Gen><!--SW_VERSION = 1.401-->";
}

inline std::string Read_Bin(const Test_Project &project, const char *name) {
  std::ifstream in(project.Bin() / name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Offsets of the parameter block in bank.bin and of the tables in both files.
constexpr size_t Params_In_Bank = Image_Layout::Bank_Parameter_Offset;
constexpr size_t Functions_At = Image_Layout::Rule_Table_Size;
constexpr size_t Devices_In_Bank =
    Image_Layout::Bank_Parameter_Offset + Image_Layout::Parameter_Size;

// Parameter blocks written out field by field, independently of the code under test: Block()
// lays the given fields over 2048 zero bytes.
using Fields = std::map<size_t, std::string>;

inline const Fields Constants = {
    {0, "48 E8 01 00"},    {4, "48 E8 01 00"}, {12, "80 25 00 00"},
    {16, "08 00"},         {52, "10 27"},      {54, "11 27"},
    {404, "00 96 00 00"},  {431, "01"},        {436, "08 08 08 08 08 08 08 08"},
    {460, "57 0E"},        {468, "50 C3"},     {470, "51 C3"},
    {472, "52 C3"},        {478, "00 02"},     {1896, "70 17 00 00"},
    {1900, "64 00 00 00"},
};
inline const Fields Standard_Addresses = {
    {1532, "00 88 06 00"}, {1580, "00 60 06 00"}, {1600, "00 74 06 00"}, {1804, "00 00 0C 00"}};
inline const Fields Esp32_Addresses = {
    {1532, "00 20 31 00"}, {1580, "00 00 31 00"}, {1600, "00 14 31 00"}, {1804, "00 00 35 00"}};

inline std::string Block(std::initializer_list<const Fields *> parts) {
  std::string block(2048, '\0');
  for (const Fields *fields : parts)
    for (const auto &[offset, hex] : *fields) {
      const std::string bytes = Hex(hex);
      block.replace(offset, bytes.size(), bytes);
    }
  return block;
}
