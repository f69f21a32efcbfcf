#include <cstring>
#include <gtest/gtest.h>

#include "core/image/ImageTestSupport.h"
#include "image/ImageDecode.h"
#include "image/ImageSerialise.h"

namespace {

TEST(ImageLayout, ProjectWithoutFilesGivesTheInitialImage) {
  Test_Project project;
  const Image_Buffers image = project.Build();
  ASSERT_EQ(image.Bank.size(), 10496u);
  ASSERT_EQ(image.Esp32_1.size(), 2048u);
  ASSERT_EQ(image.Esp32_2.size(), 8448u);
  EXPECT_TRUE(All_Zero(image.Bank, 0, 8192)) << "rule and function tables";
  EXPECT_TRUE(All_Zero(image.Bank, Devices_In_Bank, 256)) << "device block";

  const Fields initial = {
      {40, "C0 A8 02 CD"}, {44, "FF FF FF 00"}, {48, "FF FF FF FF"}, {56, "11 27"}};
  const Fields standard_sum = {{2044, "C5 13 00 00"}}; // 5061
  const Fields esp32_sum = {{2044, "47 13 00 00"}};    // 4935
  EXPECT_EQ(Hex_Of(image.Bank.substr(Params_In_Bank, 2048)),
            Hex_Of(Block({&Constants, &Standard_Addresses, &initial, &standard_sum})));
  EXPECT_EQ(Hex_Of(image.Esp32_1),
            Hex_Of(Block({&Constants, &Esp32_Addresses, &initial, &esp32_sum})));
}

TEST(ImageLayout, Esp32SecondFileIsBankWithoutTheParameterBlock) {
  Test_Project project;
  project.Write(
      "DALI2_Access.xml",
      Dali2_File(R"(<row Enable="Y" DeviceSensor="Sensor" ChannelNumber="9" Position="4"/>)",
                 R"(<row Function="Toggle" Value="3"/>)"));
  project.Write("DALI_Access.xml",
                "<DALI_Access><DALI_ID_DEVICE_3>1</DALI_ID_DEVICE_3></DALI_Access>");
  const Image_Buffers image = project.Build();
  std::string without = image.Bank;
  without.erase(8192, 2048);
  EXPECT_EQ(image.Esp32_2, without);
}

TEST(ImageLayout, ChecksumSumsBytesZeroTo2043) {
  Parameter_Record block;
  block.Bytes.fill(0xFF);
  EXPECT_EQ(Parameter_Checksum(block), 521220u);
  std::string out;
  Serialise_Parameters(block, out);
  EXPECT_EQ(Bytes_At(out, 2044, 4), "04 F4 07 00");
  // The stored checksum is not part of the sum.
  EXPECT_EQ(Parameter_Checksum(block), 521220u);
}

TEST(ImageLayout, RuleEntryAndDescriptor) {
  Rule_Record rule;
  rule.Channel = 5;
  rule.Instance = 2;
  rule.Type = 1;
  rule.Kind = 1;
  Image_Records image;
  Reset_Image(image);
  image.Rule_Table[0] = rule;
  image.Rule_Table[1] = {0xFF, 63, 9, 1, 1023, 1, 0xA1B2C3D4, 100000000, 0xFFFF, 255, 250};
  std::string out;
  Serialise_Rules(image, out);
  ASSERT_EQ(out.size(), 5120u);
  EXPECT_EQ(Bytes_At(out, 0, 20), "02 45 04 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
  EXPECT_EQ(Bytes_At(out, 20, 20), "FF 7F FE 3F D4 C3 B2 A1 00 E1 F5 05 FF FF FF 00 FA 00 00 00");
  EXPECT_TRUE(All_Zero(out, 40, 5120 - 40));
}

TEST(ImageLayout, DescriptorPartsCarryIntoTheFieldAbove) {
  struct Case {
    Rule_Record rule;
    uint32_t descriptor;
  } cases[] = {
      // A channel of 64 adds 1 to the type code.
      {{0, 64, 0, 0, 0, 0}, 1u << 14},
      {{0, 64, 3, 0, 0, 0}, 4u << 14},
      // An event code of 1024 sets bit 29; with the value flag set as well it carries into 30.
      {{0, 0, 0, 0, 1024, 0}, 1u << 29},
      {{0, 0, 0, 0, 1024, 1}, 1u << 30},
      // The largest event code overflows 32 bits; the overflow is discarded.
      {{0, 0, 0, 0, 0xFFFF, 0}, 0xFFF80000u},
      {{0xFF, 0xFF, 0xFF, 0xFF, 0xFFFF, 0xFF}, 0xE434BFFFu},
  };
  for (const Case &c : cases)
    EXPECT_EQ(Rule_Descriptor(c.rule), c.descriptor) << c.descriptor;
}

TEST(ImageLayout, FunctionEntryZeroStaysZeroAndValuesAreLittleEndianFloats) {
  Test_Project project;
  project.Write("DALI2_Access.xml",
                Dali2_File("",
                           R"(<row Function="Ramp Stop" Condition="NOR Logic with Value" )"
                           R"(Value="-0.5" Channel="DALI Channel 1" Val="7" Next_Function="2"/>)"));
  const Image_Buffers image = project.Build();
  EXPECT_TRUE(All_Zero(image.Bank, Functions_At, 12));
  EXPECT_EQ(Bytes_At(image.Bank, Functions_At + 12, 12), "02 16 08 00 00 00 00 BF 01 07 00 00");
  EXPECT_TRUE(All_Zero(image.Bank, Functions_At + 24, 3072 - 24));
}

TEST(ImageLayout, DeviceBlockHoldsWordsAfterFourReservedBytes) {
  Image_Records image;
  Reset_Image(image);
  image.Device_Block[0] = 0x8001;
  image.Device_Block[63] = 0x801C;
  std::string out;
  Serialise_Devices(image, out);
  ASSERT_EQ(out.size(), 256u);
  EXPECT_EQ(Bytes_At(out, 0, 6), "00 00 00 00 01 80");
  EXPECT_EQ(Bytes_At(out, 4 + 2 * 63, 2), "1C 80");
  EXPECT_TRUE(All_Zero(out, 4 + 2 * 64, 256 - 4 - 2 * 64));
}

TEST(ImageLayout, DecodingGivesBackTheRecords) {
  Image_Records image;
  Reset_Image(image);
  const Rule_Record rule{7, 63, 6, 1, 1023, 1, 1000, 2000, 1440, 144, 250};
  const Function_Record function{4, 21, 3, 12.5f, 80, 254};
  image.Rule_Table[0] = rule;
  image.Function_Table[1] = function;
  const Image_Buffers buffers = Build_Image_Buffers(image);
  const auto *bytes = reinterpret_cast<const uint8_t *>(buffers.Bank.data());
  EXPECT_EQ(Decode_Rule(bytes), rule);
  EXPECT_EQ(Decode_Function(bytes + Functions_At + 12), function);
  EXPECT_EQ(Recognise_Image(10496), Image_File_Kind::Bank);
  EXPECT_EQ(Recognise_Image(2048), Image_File_Kind::Esp32_1);
  EXPECT_EQ(Recognise_Image(8448), Image_File_Kind::Esp32_2);
  EXPECT_FALSE(Recognise_Image(10495));
  size_t first_wrong = 0;
  EXPECT_TRUE(Fixed_Bytes_Right(Decode_Parameters(bytes + Params_In_Bank), first_wrong));
}

} // namespace
