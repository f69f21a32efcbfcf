#include <gtest/gtest.h>

#include "core/image/ImageTestSupport.h"

namespace {

// Absolute offsets in bank.bin.
size_t Param(size_t offset) {
  return Params_In_Bank + offset;
}
size_t Rule(size_t entry, size_t offset = 0) {
  return entry * 20 + offset;
}
size_t Function(size_t entry, size_t offset = 0) {
  return Functions_At + entry * 12 + offset;
}
size_t Device(size_t n) {
  return Devices_In_Bank + 4 + 2 * n;
}

std::string Function_Row(const std::string &attributes) {
  return "<row " + attributes + "/>";
}

struct Check {
  size_t offset;
  std::string hex;
};

struct Case {
  const char *what;
  const char *file;
  std::string text;
  std::vector<Check> checks;
};

void Expect_Bytes(const std::vector<Case> &cases) {
  for (const Case &c : cases) {
    Test_Project project;
    project.Write(c.file, c.text);
    const Image_Buffers image = project.Build();
    for (const Check &check : c.checks)
      EXPECT_EQ(Bytes_At(image.Bank, check.offset, Hex(check.hex).size()), check.hex)
          << c.what << ", offset " << check.offset;
  }
}

TEST(CompileProject, RuleTable) {
  const std::string letters_position = Enabled_Rule(R"(Position="abc")");
  Expect_Bytes({
      {"rows Y, N, Y take the first and third",
       "DALI2_Access.xml",
       Dali2_File(R"(<row Enable="Y" ChannelNumber="1"/><row Enable="N" ChannelNumber="2"/>)"
                  R"(<row Enable="Y" ChannelNumber="3"/>)"),
       {{Rule(0), "00 01 00 00"},
        {Rule(1), "00 03 00 00"},
        {Rule(2), "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
        {Param(1576), "02 00 00 00"}}},
      {"Enable other than exactly Y is off",
       "DALI2_Access.xml",
       Dali2_File(R"(<row Enable="y"/><row Enable=" Y"/><row/><row Enable="YES"/>)"),
       {{Param(1576), "00 00 00 00"}}},
      {"positions 4 and 10",
       "DALI2_Access.xml",
       Dali2_File(Enabled_Rule(R"(Position="4")") + Enabled_Rule(R"(Position="10")")),
       {{Param(120), "0B 00 00 00"}, {Rule(0, 12), "04 00"}, {Rule(1, 12), "0A 00"}}},
      {"no enabled rule",
       "DALI2_Access.xml",
       Dali2_File(R"(<row Enable="N" Position="5"/>)"),
       {{Param(120), "00 00 00 00"}, {Param(1576), "00 00 00 00"}}},
      {"position of letters",
       "DALI2_Access.xml",
       Dali2_File(letters_position),
       {{Rule(0, 12), "FF FF"}, {Param(120), "00 00 01 00"}}},
      {"negative position",
       "DALI2_Access.xml",
       Dali2_File(Enabled_Rule(R"(Position="-2")")),
       {{Rule(0, 12), "FE FF"}, {Param(120), "FF FF 00 00"}}},
      {"missing position counts neither",
       "DALI2_Access.xml",
       Dali2_File(Enabled_Rule("") + Enabled_Rule(R"(Position="0")")),
       {{Rule(0, 12), "00 00"}, {Param(120), "01 00 00 00"}}},
      {"function numbers",
       "DALI2_Access.xml",
       Dali2_File(Enabled_Rule(R"(Function="12 - Mnemonic")") + Enabled_Rule(R"(Function="12")") +
                  Enabled_Rule(R"(Function="0 - None")") + Enabled_Rule(R"(Function="7 - ")") +
                  Enabled_Rule(R"(Function=" 7 - x")") + Enabled_Rule(R"(Function="x7 - y")")),
       {{Rule(0, 16), "0C 00 00 00"},
        {Rule(1, 16), "00 00 00 00"},
        {Rule(2, 16), "00 00 00 00"},
        {Rule(3, 16), "07 00 00 00"},
        {Rule(4, 16), "00 00 00 00"},
        {Rule(5, 16), "00 00 00 00"}}},
      {"two-byte value only for sensors",
       "DALI2_Access.xml",
       Dali2_File(Enabled_Rule(R"(DeviceSensor="Sensor" NumBytes="2")") +
                  Enabled_Rule(R"(DeviceSensor="Device" NumBytes="2")") +
                  Enabled_Rule(R"(DeviceSensor="Sensor" NumBytes=" 2")") +
                  Enabled_Rule(R"(DeviceSensor="Sensor" NumBytes="1")")),
       {{Rule(0), "00 00 04 20"},
        {Rule(1), "00 00 00 00"},
        {Rule(2), "00 00 04 20"},
        {Rule(3), "00 00 04 00"}}},
      {"type looked up in the table of the object kind",
       "DALI2_Access.xml",
       Dali2_File(Enabled_Rule(R"(DeviceSensor="Sensor" Type="Dimmer")") +
                  Enabled_Rule(R"(DeviceSensor="Device" Type="Dimmer")") +
                  Enabled_Rule(R"(DeviceSensor="Sensor" Type="Relative Input")") +
                  Enabled_Rule(R"(DeviceSensor="sensor" Type="Sequencer")")),
       {{Rule(0), "00 00 04 00"},
        {Rule(1), "00 00 01 00"},
        {Rule(2), "00 80 05 00"},
        {Rule(3), "00 40 02 00"}}},
      {"events and carries",
       "DALI2_Access.xml",
       Dali2_File(Enabled_Rule(R"(Event="Button Stuck")") + Enabled_Rule(R"(Event="1024")") +
                  Enabled_Rule(R"(Event="65537")") + Enabled_Rule(R"(Event="button stuck")") +
                  Enabled_Rule(R"(ChannelNumber="64")")),
       {{Rule(0), "00 00 78 00"},
        {Rule(1), "00 00 00 20"},
        {Rule(2), "00 00 08 00"},
        {Rule(3), "00 00 00 00"},
        {Rule(4), "00 40 00 00"}}},
      {"numbers cut to their field",
       "DALI2_Access.xml",
       Dali2_File(Enabled_Rule(R"(ChannelNumber="300" Instance="-1" Command="257" )"
                               R"(TimeSend="-1" TimeOut=" 42")")),
       {{Rule(0), "FF 2C 00 00"}, {Rule(0, 4), "FF FF FF FF 2A 00 00 00"}, {Rule(0, 14), "01"}}},
  });
}

TEST(CompileProject, FunctionTable) {
  Expect_Bytes({
      {"targets",
       "DALI2_Access.xml",
       Dali2_File("", Function_Row(R"(Channel="DALI Channel 63")") +
                          Function_Row(R"(Channel="DALI Group 1")") +
                          Function_Row(R"(Channel="DALI Group 16")") +
                          Function_Row(R"(Channel="DALI Broadcast")") +
                          Function_Row(R"(Channel="DALI Group Broadcast")") +
                          Function_Row(R"(Channel="Broadcast")") +
                          Function_Row(R"(Channel="my DALI Channel 9")") +
                          Function_Row(R"(Channel="DALI Channel x")")),
       {{Function(1, 8), "3F"},
        {Function(2, 8), "40"},
        {Function(3, 8), "4F"},
        {Function(4, 8), "50"},
        {Function(5, 8), "40"},
        {Function(6, 8), "00"},
        {Function(7, 8), "09"},
        {Function(8, 8), "00"}}},
      {"values",
       "DALI2_Access.xml",
       Dali2_File("", Function_Row(R"(Value="Still Occupied")") +
                          Function_Row(R"(Value="Vacant")") + Function_Row(R"(Value="abc")") +
                          Function_Row(R"(Value="")") + Function_Row("") +
                          Function_Row(R"(Value="Long Press Repeat")") +
                          Function_Row(R"(Value="Movement Sensor")")),
       {{Function(1, 4), "00 00 C0 40"},
        {Function(2, 4), "00 00 00 40"},
        {Function(3, 4), "00 00 80 3F"},
        {Function(4, 4), "00 00 80 3F"},
        {Function(5, 4), "00 00 80 3F"},
        {Function(6, 4), "00 00 30 41"},
        {Function(7, 4), "00 00 00 41"}}},
      // Both separators read alike, whatever the user's locale: what the functions window
      // accepted is what the gateway gets.
      {"decimal values with either separator",
       "DALI2_Access.xml",
       Dali2_File("", Function_Row(R"(Value="12.5")") + Function_Row(R"(Value="12,5")") +
                          Function_Row(R"(Value="-3")") + Function_Row(R"(Value="1.2.3")")),
       {{Function(1, 4), "00 00 48 41"},
        {Function(2, 4), "00 00 48 41"},
        {Function(3, 4), "00 00 40 C0"},
        {Function(4, 4), "00 00 80 3F"}}},
      {"codes, level and next",
       "DALI2_Access.xml",
       Dali2_File("", Function_Row(R"(Function="Set Out" Condition="XOR Logic with Value" )"
                                   R"(Val="256" Next_Function="-1")") +
                          Function_Row(R"(Function="set out" Condition="x" Val="a" )"
                                       R"(Next_Function="3 ")")),
       {{Function(1), "FF 11 06 00"},
        {Function(1, 9), "00"},
        {Function(2), "00 00 00 00"},
        {Function(2, 9), "00"}}},
  });
}

TEST(CompileProject, ParameterBlock) {
  Expect_Bytes({
      {"gateway used",
       "ParGen.xml",
       ParGen_File("<MTCPs_GAT1>10</MTCPs_GAT1><MTCPs_GAT2>0</MTCPs_GAT2><MTCPs_GAT3>0</MTCPs_GAT3>"
                   "<MTCPs_GAT4>1</MTCPs_GAT4><MTCPs_EN_GAT>1</MTCPs_EN_GAT>"),
       {{Param(48), "0A 00 00 01"}}},
      {"gateway not used",
       "ParGen.xml",
       ParGen_File("<MTCPs_GAT1>10</MTCPs_GAT1><MTCPs_EN_GAT>0</MTCPs_EN_GAT>"),
       {{Param(48), "FF FF FF FF"}}},
      {"gateway switch missing",
       "ParGen.xml",
       ParGen_File("<MTCPs_GAT1>10</MTCPs_GAT1>"),
       {{Param(48), "FF FF FF FF"}}},
      {"gateway switch of another text keeps the bytes",
       "ParGen.xml",
       ParGen_File("<MTCPs_GAT1>10</MTCPs_GAT1><MTCPs_EN_GAT>true</MTCPs_EN_GAT>"),
       {{Param(48), "0A A8 00 01"}}},
      {"baud rate 5",
       "ParGen.xml",
       ParGen_File("<MODBUS_SLAVE_BAUDRATE>5</MODBUS_SLAVE_BAUDRATE>"),
       {{Param(400), "18 92 00 00"}}},
      {"baud rate 9",
       "ParGen.xml",
       ParGen_File("<MODBUS_SLAVE_BAUDRATE>9</MODBUS_SLAVE_BAUDRATE>"),
       {{Param(400), "00 C2 01 00"}}},
      {"baud rate -1",
       "ParGen.xml",
       ParGen_File("<MODBUS_SLAVE_BAUDRATE>-1</MODBUS_SLAVE_BAUDRATE>"),
       {{Param(400), "00 C2 01 00"}}},
      {"baud rate of letters",
       "ParGen.xml",
       ParGen_File("<MODBUS_SLAVE_BAUDRATE>fast</MODBUS_SLAVE_BAUDRATE>"),
       {{Param(400), "00 C2 01 00"}}},
      {"baud rate 0",
       "ParGen.xml",
       ParGen_File("<MODBUS_SLAVE_BAUDRATE> 0</MODBUS_SLAVE_BAUDRATE>"),
       {{Param(400), "B0 04 00 00"}}},
      {"switch-off off",
       "ParGen.xml",
       ParGen_File("<DALI_SWITCH_OFF>0</DALI_SWITCH_OFF><DALI_TIMEOUT>5000</DALI_TIMEOUT>"),
       {{Param(1888), "00 00 00 00"}}},
      {"switch-off on",
       "ParGen.xml",
       ParGen_File("<DALI_SWITCH_OFF>1</DALI_SWITCH_OFF><DALI_TIMEOUT>5000</DALI_TIMEOUT>"),
       {{Param(1888), "88 13 00 00"}}},
      {"IP byte 300",
       "ParGen.xml",
       ParGen_File("<MTCPs_IP4>300</MTCPs_IP4>"),
       {{Param(40), "C0 A8 00 2C"}}},
      {"version with ParGen.xml",
       "ParGen.xml",
       ParGen_File(""),
       {{Param(1644), "31 2E 34 30 31 00 00 00"}}},
      {"version without ParGen.xml",
       "DALI_Access.xml",
       "<DALI_Access/>",
       {{Param(1644), "00 00 00 00 00 00 00 00"}}},
      {"every fall-back",
       "ParGen.xml",
       ParGen_File(""),
       {{Param(24), "0A 00 00 00"},
        {Param(40), "C0 A8 00 0A FF FF FF 00 FF FF FF FF"},
        {Param(56), "11 27"},
        {Param(98), "00"},
        {Param(400), "00 C2 01 00"},
        {Param(424), "00"},
        {Param(1888), "00 00 00 00 00 00 00 00"}}},
      {"flags only for exactly 1",
       "ParGen.xml",
       ParGen_File("<MODBUS_SLAVE_DALI_MAP>1</MODBUS_SLAVE_DALI_MAP>"
                   "<DALI_DISABLE_SCAN>1</DALI_DISABLE_SCAN>"
                   "<DALI_ENABLE_DALI_2> 1</DALI_ENABLE_DALI_2>"),
       {{Param(98), "01"}, {Param(1892), "00 00 01 00"}}},
      {"comment before the root",
       "ParGen.xml",
       "<!--x--><Par_Gen><MTCPs_IP1>1</MTCPs_IP1><MODBUS_SLAVE_IDDEVICE>3</MODBUS_SLAVE_IDDEVICE>"
       "</Par_Gen>",
       {{Param(24), "0A 00 00 00"},
        {Param(40), "C0 A8 00 0A"},
        {Param(1644), "31 2E 34 30 31 00 00 00"},
        {Param(1532), "00 88 06 00"}}},
      {"root of any name, first element of a name counts",
       "ParGen.xml",
       "<Other><MODBUS_SLAVE_IDDEVICE>3</MODBUS_SLAVE_IDDEVICE>"
       "<MODBUS_SLAVE_IDDEVICE>4</MODBUS_SLAVE_IDDEVICE><DALI_CONSOLE_PORT>-1</DALI_CONSOLE_PORT>"
       "<MODBUS_SLAVE_PARITY>258</MODBUS_SLAVE_PARITY></Other>",
       {{Param(24), "03 00 00 00"}, {Param(56), "FF FF"}, {Param(424), "02"}}},
  });
}

TEST(CompileProject, DeviceBlock) {
  Expect_Bytes({
      {"selected with recall of the old value",
       "DALI_Access.xml",
       "<DALI_Access><DALI_ID_DEVICE_5>1</DALI_ID_DEVICE_5><DALI_ID_DEVICE_5_RECALL_LEVEL>"
       "Recall Old Value Level for Switch</DALI_ID_DEVICE_5_RECALL_LEVEL></DALI_Access>",
       {{Device(5), "10 80"}}},
      {"every flag",
       "DALI_Access.xml",
       "<DALI_Access><DALI_ID_DEVICE_63_RECALL_LEVEL>Recall Min-Max Level for Switch"
       "</DALI_ID_DEVICE_63_RECALL_LEVEL><DALI_ID_DEVICE_63_MIN_MAN_VALUE>1"
       "</DALI_ID_DEVICE_63_MIN_MAN_VALUE><DALI_ID_DEVICE_63_DIMMING_MODE>Start Break"
       "</DALI_ID_DEVICE_63_DIMMING_MODE><DALI_ID_DEVICE_63>1</DALI_ID_DEVICE_63></DALI_Access>",
       {{Device(63), "0D 80"}}},
      {"texts compared exactly",
       "DALI_Access.xml",
       "<DALI_Access><DALI_ID_DEVICE_1>Y</DALI_ID_DEVICE_1><DALI_ID_DEVICE_2> 1"
       "</DALI_ID_DEVICE_2><DALI_ID_DEVICE_3_RECALL_LEVEL>recall old value level for switch"
       "</DALI_ID_DEVICE_3_RECALL_LEVEL><DALI_ID_DEVICE_04>1</DALI_ID_DEVICE_04>"
       "<DALI_ID_DEVICE_64>1</DALI_ID_DEVICE_64></DALI_Access>",
       {{Device(1), "00 00 00 00 00 00 00 00"}, {Device(64), "00 00"}}},
      {"comment before the root",
       "DALI_Access.xml",
       "<!--x--><DALI_Access><DALI_ID_DEVICE_5>1</DALI_ID_DEVICE_5></DALI_Access>",
       {{Device(5), "00 00"}}},
  });
}

TEST(CompileProject, OddDali2FilesTakeFallBacks) {
  Expect_Bytes({
      {"no DALI2_Access element",
       "DALI2_Access.xml",
       "<Other><DALI2_SetAccess_Rules><row Enable=\"Y\" ChannelNumber=\"1\"/>"
       "</DALI2_SetAccess_Rules></Other>",
       {{Rule(0), "00 00 00 00"}, {Param(1576), "00 00 00 00"}}},
      {"DALI2_Access after a comment and a processing instruction",
       "DALI2_Access.xml",
       "<!--x--><?pi y?><DALI2_Access><DALI2_SetAccess_Rules><row Enable=\"Y\" "
       "ChannelNumber=\"1\"/></DALI2_SetAccess_Rules></DALI2_Access>",
       {{Rule(0), "00 01 00 00"}, {Param(1576), "01 00 00 00"}}},
      {"rules without a functions section, rows of any name",
       "DALI2_Access.xml",
       "<DALI2_Access><DALI2_SetAccess_Rules><!--c--><rule Enable=\"Y\" ChannelNumber=\"2\"/>"
       "<?p?><x Enable=\"Y\" ChannelNumber=\"3\"><y/></x></DALI2_SetAccess_Rules></DALI2_Access>",
       {{Rule(0), "00 02 00 00"}, {Rule(1), "00 03 00 00"}, {Function(1), "00 00 00 00"}}},
      {"sensor without NumBytes and Function",
       "DALI2_Access.xml",
       Dali2_File(Enabled_Rule(R"(DeviceSensor="Sensor" Type="Push Button")")),
       {{Rule(0), "00 40 04 00"}, {Rule(0, 16), "00 00 00 00"}}},
      {"functions without a rules section",
       "DALI2_Access.xml",
       "<DALI2_Access><DALI2_Functions_Rules><row Function=\"Toggle\"/></DALI2_Functions_Rules>"
       "</DALI2_Access>",
       {{Function(1), "00 14 00 00 00 00 80 3F"}, {Param(1576), "00 00 00 00"}}},
  });
}

// Every field of a small, complete project, written out by hand.
TEST(CompileProject, HandMadeProjectGivesTheExpectedBytes) {
  Test_Project project;
  project.Write("DALI_Access.xml",
                "<DALI_Access>"
                "<DALI_ID_DEVICE_0>1</DALI_ID_DEVICE_0>"
                "<DALI_ID_DEVICE_0_MIN_MAN_VALUE>1</DALI_ID_DEVICE_0_MIN_MAN_VALUE>"
                "<DALI_ID_DEVICE_0_RECALL_LEVEL>Recall Min-Max Level for Switch"
                "</DALI_ID_DEVICE_0_RECALL_LEVEL>"
                "<DALI_ID_DEVICE_17>1</DALI_ID_DEVICE_17>"
                "<DALI_ID_DEVICE_17_DIMMING_MODE>Start Break</DALI_ID_DEVICE_17_DIMMING_MODE>"
                "<DALI_ID_DEVICE_17_RECALL_LEVEL>None</DALI_ID_DEVICE_17_RECALL_LEVEL>"
                "<DALI_ID_DEVICE_63>0</DALI_ID_DEVICE_63>"
                "<DALI_ID_DEVICE_63_RECALL_LEVEL>Recall Old Value Level for Switch"
                "</DALI_ID_DEVICE_63_RECALL_LEVEL>"
                "</DALI_Access><!--SW_VERSION = 1.401-->");
  project.Write(
      "DALI2_Access.xml",
      Dali2_File(
          R"(<row Enable="Y" DeviceSensor="Sensor" Type="Push Button" ChannelNumber="5" )"
          R"(Instance="2" Command="0" TimeSend="1000" TimeOut="5000" Function="1 - up" )"
          R"(Position="3" NumBytes="2" Mnemonic="button"/>)"
          R"(<row Enable="N" DeviceSensor="Device" Type="Dimmer" ChannelNumber="9" Instance="0" )"
          R"(Command="5" TimeSend="1" TimeOut="1" Function="" Position="1000" NumBytes="1" )"
          R"(Mnemonic="off"/>)"
          R"(<row Enable="Y" DeviceSensor="Device" Type="Dimmer" ChannelNumber="63" Instance="0" )"
          R"(Command="144" TimeSend="0" TimeOut="100000000" Function="3 - mult" Position="1440" )"
          R"(NumBytes="2" Mnemonic="lamp" Event="Long Press Start"/>)",
          R"(<row Function="Dim Up" Condition="When Equal to Value" Value="Short Press" )"
          R"(Channel="DALI Group 3" Val="200" Next_Function="2" Mnemonic="up"/>)"
          R"(<row Function="Set Out" Condition="AND Logic with Value" Value="Occupied" )"
          R"(Channel="DALI Broadcast" Val="255" Next_Function="0" Mnemonic="on"/>)"
          R"(<row Function="Multiplication" Condition="No Condition" Value="12.5" )"
          R"(Channel="DALI Channel 7" Val="" Next_Function="" Mnemonic="mult"/>)"));
  project.Write("ParGen.xml", ParGen_File("<MTCPs_IP1>10</MTCPs_IP1><MTCPs_IP2>1</MTCPs_IP2>"
                                          "<MTCPs_IP3>2</MTCPs_IP3><MTCPs_IP4>3</MTCPs_IP4>"
                                          "<MTCPs_SUB1>255</MTCPs_SUB1><MTCPs_SUB2>255</MTCPs_SUB2>"
                                          "<MTCPs_SUB3>0</MTCPs_SUB3><MTCPs_SUB4>0</MTCPs_SUB4>"
                                          "<MTCPs_EN_GAT>1</MTCPs_EN_GAT>"
                                          "<MTCPs_GAT1>10</MTCPs_GAT1><MTCPs_GAT2>1</MTCPs_GAT2>"
                                          "<MTCPs_GAT3>0</MTCPs_GAT3><MTCPs_GAT4>254</MTCPs_GAT4>"
                                          "<MODBUS_SLAVE_BAUDRATE>4</MODBUS_SLAVE_BAUDRATE>"
                                          "<MODBUS_SLAVE_PARITY>2</MODBUS_SLAVE_PARITY>"
                                          "<MODBUS_SLAVE_IDDEVICE>17</MODBUS_SLAVE_IDDEVICE>"
                                          "<MODBUS_SLAVE_DALI_MAP>1</MODBUS_SLAVE_DALI_MAP>"
                                          "<DALI_CONSOLE_PORT>10002</DALI_CONSOLE_PORT>"
                                          "<DALI_SWITCH_OFF>1</DALI_SWITCH_OFF>"
                                          "<DALI_TIMEOUT>60000</DALI_TIMEOUT>"
                                          "<DALI_DISABLE_SCAN>0</DALI_DISABLE_SCAN>"
                                          "<DALI_ENABLE_DALI_2>1</DALI_ENABLE_DALI_2>"));
  ASSERT_TRUE(project.Compile().Ok());

  std::string rules(5120, '\0');
  rules.replace(0, 40,
                Hex("02 45 04 20 E8 03 00 00 88 13 00 00 03 00 00 00 01 00 00 00"
                    "00 3F 49 00 00 00 00 00 00 E1 F5 05 A0 05 90 00 03 00 00 00"));
  std::string functions(3072, '\0');
  functions.replace(12, 36,
                    Hex("02 12 01 00 00 00 00 40 42 C8 00 00"
                        "00 11 04 00 00 00 00 40 50 FF 00 00"
                        "00 01 00 00 00 00 48 41 07 00 00 00"));
  std::string devices(256, '\0');
  devices.replace(4, 2, Hex("0C 80"));
  devices.replace(4 + 2 * 17, 2, Hex("01 80"));
  devices.replace(4 + 2 * 63, 2, Hex("10 00"));
  const Fields fields = {{24, "11 00 00 00"},
                         {40, "0A 01 02 03"},
                         {44, "FF FF 00 00"},
                         {48, "0A 01 00 FE"},
                         {56, "12 27"},
                         {98, "01"},
                         {120, "A1 05 00 00"},
                         {400, "00 4B 00 00"},
                         {424, "02"},
                         {1576, "02 00 00 00"},
                         {1644, "31 2E 34 30 31 00 00 00"},
                         {1888, "60 EA 00 00"},
                         {1892, "00 00 02 00"}};
  const Fields standard_sum = {{2044, "F4 10 00 00"}}; // 4340
  const Fields esp32_sum = {{2044, "76 10 00 00"}};    // 4214

  EXPECT_EQ(Hex_Of(Read_Bin(project, "bank.bin")),
            Hex_Of(rules + functions +
                   Block({&Constants, &Standard_Addresses, &fields, &standard_sum}) + devices));
  EXPECT_EQ(Hex_Of(Read_Bin(project, "bank_ESP32_1.bin")),
            Hex_Of(Block({&Constants, &Esp32_Addresses, &fields, &esp32_sum})));
  EXPECT_EQ(Hex_Of(Read_Bin(project, "bank_ESP32_2.bin")), Hex_Of(rules + functions + devices));
}

} // namespace
