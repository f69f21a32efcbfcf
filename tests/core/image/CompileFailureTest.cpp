#include <filesystem>
#include <gtest/gtest.h>

#include "core/image/ImageTestSupport.h"

namespace fs = std::filesystem;

namespace {

const char *const Image_Names[] = {"bank.bin", "bank_ESP32_1.bin", "bank_ESP32_2.bin"};

void Write_Old_Images(const Test_Project &project) {
  for (const char *name : Image_Names)
    project.Write(std::string("bin/") + name, std::string("old ") + name);
}

void Expect_Old_Images(const Test_Project &project) {
  for (const char *name : Image_Names)
    EXPECT_EQ(Read_Bin(project, name), std::string("old ") + name);
  size_t entries = 0;
  for ([[maybe_unused]] const auto &entry : fs::directory_iterator(project.Bin()))
    ++entries;
  EXPECT_EQ(entries, 3u) << "no temporary file is left behind";
}

TEST(CompileFailure, NotWellFormedFileStopsWithTheParserMessageAndWritesNothing) {
  const char *const files[] = {"DALI_Access.xml", "DALI2_Access.xml", "ParGen.xml"};
  const std::string broken[] = {
      "<Par_Gen>\n  <MTCPs_IP1>1</MTCPs_IP2>\n</Par_Gen>",
      "<DALI2_Access><DALI2_SetAccess_Rules><row Enable=\"Y\"",
      "",
      "<!-- only a comment -->",
      "<a x=\"1></a>",
  };
  for (const char *file : files)
    for (const std::string &text : broken) {
      Test_Project project;
      // The other two files are fine: nothing of them may reach the image either.
      for (const char *other : files)
        project.Write(other, other == std::string("ParGen.xml") ? ParGen_File("")
                             : other == std::string("DALI2_Access.xml")
                                 ? Dali2_File(R"(<row Enable="Y"/>)")
                                 : "<DALI_Access/>");
      project.Write(file, text);
      Write_Old_Images(project);
      const Compile_Result result = project.Compile();
      EXPECT_EQ(result.Status, Compile_Status::Unreadable_Project_File) << file << ": " << text;
      EXPECT_NE(result.Message.find((project.Path() / file).string()), std::string::npos)
          << result.Message;
      Expect_Old_Images(project);
    }
}

TEST(CompileFailure, MessageGivesLineAndColumn) {
  Test_Project project;
  project.Write("ParGen.xml", "<Par_Gen>\n  <MTCPs_IP1>1</MTCPs_IP2>\n</Par_Gen>");
  const Compile_Result result = project.Compile();
  EXPECT_NE(result.Message.find("line 2, column"), std::string::npos) << result.Message;
  EXPECT_NE(result.Message.find("not well-formed"), std::string::npos) << result.Message;
}

TEST(CompileFailure, FolderInPlaceOfAProjectFileIsReportedNotSkipped) {
  Test_Project project;
  fs::create_directory(project.Path() / "DALI2_Access.xml");
  Write_Old_Images(project);
  EXPECT_EQ(project.Compile().Status, Compile_Status::Unreadable_Project_File);
  Expect_Old_Images(project);
}

TEST(CompileFailure, ImageFilesThatCannotBeWritten) {
  {
    Test_Project project;
    fs::remove(project.Bin());
    const Compile_Result result = project.Compile();
    EXPECT_EQ(result.Status, Compile_Status::Cannot_Write_Image);
    EXPECT_NE(result.Message.find("bank.bin"), std::string::npos) << result.Message;
    EXPECT_FALSE(fs::exists(project.Bin())) << "the bin folder is not created";
  }
  {
    // Root may write anywhere: a regular file named bin stops every write.
    Test_Project project;
    fs::remove(project.Bin());
    project.Write("bin", "a file");
    const Compile_Result result = project.Compile();
    EXPECT_EQ(result.Status, Compile_Status::Cannot_Write_Image);
    EXPECT_NE(result.Message.find("bank_ESP32_2.bin"), std::string::npos) << result.Message;
  }
  {
    // One file that cannot be replaced does not stop the other two.
    Test_Project project;
    fs::create_directory(project.Bin() / "bank_ESP32_1.bin");
    const Compile_Result result = project.Compile();
    EXPECT_EQ(result.Status, Compile_Status::Cannot_Write_Image);
    EXPECT_NE(result.Message.find("bank_ESP32_1.bin"), std::string::npos) << result.Message;
    EXPECT_EQ(result.Message.find("bank.bin"), std::string::npos) << result.Message;
    EXPECT_EQ(Read_Bin(project, "bank.bin").size(), 10496u);
    EXPECT_EQ(Read_Bin(project, "bank_ESP32_2.bin").size(), 8448u);
  }
}

TEST(CompileFailure, RowsBeyondTheTablesAreIgnored) {
  std::string rules;
  for (int row = 0; row < 10000; ++row)
    rules += "<row Enable=\"Y\" ChannelNumber=\"" + std::to_string(row % 64) + "\" Position=\"" +
             std::to_string(row) + "\" Command=\"" + std::to_string(row % 256) + "\"/>";
  std::string functions;
  for (int row = 0; row < 300; ++row)
    functions += "<row Val=\"" + std::to_string(row % 256) + "\"/>";
  Test_Project project;
  project.Write("DALI2_Access.xml", Dali2_File(rules, functions));
  const Image_Buffers image = project.Build();
  EXPECT_EQ(U32_At(image.Bank, Params_In_Bank + 1576), 256u);
  // Only the rules taken count for the internal data length.
  EXPECT_EQ(U32_At(image.Bank, Params_In_Bank + 120), 256u);
  EXPECT_EQ(Bytes_At(image.Bank, 255 * 20, 20),
            "00 3F 00 00 00 00 00 00 00 00 00 00 FF 00 FF 00 00 00 00 00");
  // Function entry 255 holds the 255th row; the rows after it are dropped.
  EXPECT_EQ(Bytes_At(image.Bank, Functions_At + 255 * 12 + 9, 1), "FE");
}

TEST(CompileFailure, HugeNumbersAreNoNumbers) {
  Test_Project project;
  project.Write("DALI2_Access.xml",
                Dali2_File(Enabled_Rule(R"(TimeSend="2147483647" TimeOut="2147483648")") +
                               Enabled_Rule(R"(TimeSend="-2147483648" TimeOut="-2147483649")") +
                               Enabled_Rule(R"(TimeSend="99999999999999999999" )"
                                            R"(Position="99999999999999999999")"),
                           R"(<row Value="3.4e38" Channel="DALI Group 2147483647"/>)"
                           R"(<row Value="1e39" Channel="DALI Channel 2147483648"/>)"
                           R"(<row Value="1e-50" Val="99999999999999999999"/>)"));
  project.Write("ParGen.xml",
                ParGen_File("<MODBUS_SLAVE_IDDEVICE>4294967296</MODBUS_SLAVE_IDDEVICE>"
                            "<MODBUS_SLAVE_BAUDRATE>4294967301</MODBUS_SLAVE_BAUDRATE>"));
  const Image_Buffers image = project.Build();
  EXPECT_EQ(Bytes_At(image.Bank, 4, 8), "FF FF FF 7F 00 00 00 00");
  EXPECT_EQ(Bytes_At(image.Bank, 24, 8), "00 00 00 80 00 00 00 00");
  EXPECT_EQ(Bytes_At(image.Bank, 44, 4), "00 00 00 00");
  EXPECT_EQ(Bytes_At(image.Bank, 52, 2), "FF FF");
  EXPECT_EQ(U32_At(image.Bank, Params_In_Bank + 120), 65536u);
  // 2147483647 + 63 = 0x8000003E, cut to its low byte.
  EXPECT_EQ(Bytes_At(image.Bank, Functions_At + 12 + 4, 5), "9E C9 7F 7F 3E");
  EXPECT_EQ(Bytes_At(image.Bank, Functions_At + 24 + 4, 5), "00 00 80 3F 00");
  EXPECT_EQ(Bytes_At(image.Bank, Functions_At + 36 + 4, 6), "00 00 00 00 00 00");
  EXPECT_EQ(U32_At(image.Bank, Params_In_Bank + 24), 10u);
  EXPECT_EQ(U32_At(image.Bank, Params_In_Bank + 400), 115200u);
}

TEST(CompileFailure, NonAsciiTextsMatchNothing) {
  Test_Project project;
  project.Write("DALI2_Access.xml",
                Dali2_File(Enabled_Rule("DeviceSensor=\"Sensor\" Type=\"Push Butt\xC3\xB6n\" "
                                        "ChannelNumber=\"\xEF\xBC\x95\" Mnemonic=\"L\xC3\xBC\"") +
                               Enabled_Rule("DeviceSensor=\"Device\" Type=\"Dimm\xC3\xA9r\" "
                                            "Function=\"2 - \xE2\x82\xAC\""),
                           "<row Value=\"\xD9\xA3\" Channel=\"DALI Channel \xEF\xBC\x95\" "
                           "Function=\"Toggl\xC3\xA9\"/>"));
  project.Write("DALI_Access.xml", "<DALI_Access><DALI_ID_DEVICE_0>\xEF\xBC\x91</DALI_ID_DEVICE_0>"
                                   "<DALI_ID_DEVICE_1>1</DALI_ID_DEVICE_1></DALI_Access>");
  const Image_Buffers image = project.Build();
  EXPECT_EQ(Bytes_At(image.Bank, 0, 4), "00 00 04 00");
  EXPECT_EQ(Bytes_At(image.Bank, 20, 4), "00 00 00 00");
  EXPECT_EQ(Bytes_At(image.Bank, 36, 4), "02 00 00 00");
  EXPECT_EQ(Bytes_At(image.Bank, Functions_At + 12, 12), "00 00 00 00 00 00 80 3F 00 00 00 00");
  EXPECT_EQ(Bytes_At(image.Bank, Devices_In_Bank + 4, 4), "00 00 00 80");
}

TEST(CompileFailure, ElementsHoldingElementsHaveNoText) {
  Test_Project project;
  project.Write("ParGen.xml", ParGen_File("<MTCPs_IP1><b>10</b></MTCPs_IP1>"
                                          "<MTCPs_IP2>10<b/></MTCPs_IP2>"
                                          "<MTCPs_IP3>1<!--c-->2</MTCPs_IP3>"
                                          "<MTCPs_IP4><![CDATA[7]]></MTCPs_IP4>"
                                          "<MTCPs_GAT1>1</MTCPs_GAT1>"
                                          "<MTCPs_EN_GAT><x/></MTCPs_EN_GAT>"));
  project.Write("DALI_Access.xml",
                "<DALI_Access><DALI_ID_DEVICE_0><x>1</x></DALI_ID_DEVICE_0></DALI_Access>");
  const Image_Buffers image = project.Build();
  EXPECT_EQ(Bytes_At(image.Bank, Params_In_Bank + 40, 4), "C0 A8 0C 07");
  EXPECT_EQ(Bytes_At(image.Bank, Params_In_Bank + 48, 4), "FF FF FF FF");
  EXPECT_EQ(Bytes_At(image.Bank, Devices_In_Bank + 4, 2), "00 00");
}

TEST(CompileFailure, FiftyMegabyteFileCompiles) {
  Test_Project project;
  const std::string mnemonic(50 * 1024 * 1024, 'x');
  project.Write("DALI2_Access.xml",
                Dali2_File(Enabled_Rule("ChannelNumber=\"7\" Mnemonic=\"" + mnemonic + "\"")));
  const Image_Buffers image = project.Build();
  EXPECT_EQ(Bytes_At(image.Bank, 0, 4), "00 07 00 00");
}

} // namespace
