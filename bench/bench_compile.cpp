#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "common/AtomicFile.h"
#include "image/CompileProject.h"
#include "image/ImageFiles.h"
#include "image/ImageLayout.h"

namespace fs = std::filesystem;

namespace {

std::string Dali_Access() {
  std::string text = "<DALI_Access>";
  for (int n = 0; n < 64; ++n) {
    const std::string device = "DALI_ID_DEVICE_" + std::to_string(n);
    text += "<" + device + ">1</" + device + ">";
    text +=
        "<" + device + "_MIN_MAN_VALUE>" + (n % 2 ? "1" : "0") + "</" + device + "_MIN_MAN_VALUE>";
    text += "<" + device + "_RECALL_LEVEL>" +
            (n % 3 ? "Recall Old Value Level for Switch" : "Recall Min-Max Level for Switch") +
            "</" + device + "_RECALL_LEVEL>";
  }
  return text + "</DALI_Access><!--SW_VERSION = 1.401-->";
}

std::string Dali2_Access() {
  std::string text = "<DALI2_Access><DALI2_Functions_Rules>";
  for (int row = 1; row <= 250; ++row)
    text += "<row Function=\"Dim Up\" Condition=\"When Equal to Value\" Value=\"" +
            std::string(row % 2 ? "Short Press" : "12.5") + "\" Channel=\"DALI Group " +
            std::to_string(row % 16 + 1) + "\" Val=\"" + std::to_string(row % 256) +
            "\" Next_Function=\"" + std::to_string(row % 250) + "\" Mnemonic=\"Function " +
            std::to_string(row) + "\"/>";
  text += "</DALI2_Functions_Rules><DALI2_SetAccess_Rules>";
  for (int row = 0; row < 256; ++row)
    text += "<row Enable=\"Y\" DeviceSensor=\"" + std::string(row % 2 ? "Sensor" : "Device") +
            "\" Type=\"" + (row % 2 ? "Push Button" : "Dimmer") + "\" ChannelNumber=\"" +
            std::to_string(row % 64) + "\" Instance=\"" + std::to_string(row % 32) +
            "\" Command=\"" + std::to_string(row) +
            "\" TimeSend=\"1000\" TimeOut=\"5000\" "
            "Function=\"" +
            std::to_string(row % 250 + 1) + " - Function\" Position=\"" + std::to_string(row * 5) +
            "\" NumBytes=\"2\" Mnemonic=\"Rule " + std::to_string(row) + "\"/>";
  return text + "</DALI2_SetAccess_Rules></DALI2_Access><!--SW_VERSION = 1.401-->";
}

std::string ParGen() {
  return "<Par_Gen><MTCPs_IP1>192</MTCPs_IP1><MTCPs_IP2>168</MTCPs_IP2><MTCPs_IP3>0</MTCPs_IP3>"
         "<MTCPs_IP4>10</MTCPs_IP4><MTCPs_SUB1>255</MTCPs_SUB1><MTCPs_SUB2>255</MTCPs_SUB2>"
         "<MTCPs_SUB3>255</MTCPs_SUB3><MTCPs_SUB4>0</MTCPs_SUB4><MTCPs_EN_GAT>1</MTCPs_EN_GAT>"
         "<MTCPs_GAT1>192</MTCPs_GAT1><MTCPs_GAT2>168</MTCPs_GAT2><MTCPs_GAT3>0</MTCPs_GAT3>"
         "<MTCPs_GAT4>1</MTCPs_GAT4><MODBUS_SLAVE_BAUDRATE>7</MODBUS_SLAVE_BAUDRATE>"
         "<MODBUS_SLAVE_PARITY>0</MODBUS_SLAVE_PARITY>"
         "<MODBUS_SLAVE_IDDEVICE>10</MODBUS_SLAVE_IDDEVICE>"
         "<MODBUS_SLAVE_DALI_MAP>1</MODBUS_SLAVE_DALI_MAP>"
         "<DALI_CONSOLE_PORT>10001</DALI_CONSOLE_PORT><DALI_SWITCH_OFF>1</DALI_SWITCH_OFF>"
         "<DALI_TIMEOUT>60000</DALI_TIMEOUT><DALI_DISABLE_SCAN>0</DALI_DISABLE_SCAN>"
         "<DALI_ENABLE_DALI_2>1</DALI_ENABLE_DALI_2></Par_Gen><!--SW_VERSION = 1.401-->";
}

// A maximal project in a temporary folder: 64 devices, 256 enabled rules, 250 functions.
class Maximal_Project {
public:
  Maximal_Project() {
    std::string pattern = (fs::temp_directory_path() / "cf20431-bench-XXXXXX").string();
    dir_ = ::mkdtemp(pattern.data());
    fs::create_directory(dir_ / "bin");
    files_.File_DALI_Access = Write("DALI_Access.xml", Dali_Access());
    files_.File_DALI2_Access = Write("DALI2_Access.xml", Dali2_Access());
    files_.File_ParGen = Write("ParGen.xml", ParGen());
  }
  ~Maximal_Project() {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  const ProjectFiles &Files() const { return files_; }
  fs::path Bin() const { return dir_ / "bin"; }

private:
  fs::path Write(const char *name, const std::string &text) {
    std::ofstream(dir_ / name, std::ios::binary) << text;
    return dir_ / name;
  }

  fs::path dir_;
  ProjectFiles files_;
};

void BM_Compile_Project_Maximal(benchmark::State &state) {
  const Maximal_Project project;
  for (auto _ : state) {
    const Compile_Result result = Compile_Project(project.Files(), project.Bin());
    if (!result.Ok())
      state.SkipWithError(result.Message.c_str());
  }
}
BENCHMARK(BM_Compile_Project_Maximal)->Unit(benchmark::kMicrosecond);

// The compiler without its file writes: parsing, mapping and serialising.
void BM_Compile_In_Memory_Maximal(benchmark::State &state) {
  const Maximal_Project project;
  for (auto _ : state) {
    Image_Records image;
    Read_Project_Image(project.Files(), image);
    benchmark::DoNotOptimize(Build_Image_Buffers(image));
  }
}
BENCHMARK(BM_Compile_In_Memory_Maximal)->Unit(benchmark::kMicrosecond);

// Baseline: read the same three files and write 21 KB in three files, the same atomic way.
void BM_Baseline_Read_Files_Write_21KB(benchmark::State &state) {
  const Maximal_Project project;
  const Image_Buffers buffers{std::string(Image_Layout::Bank_Size, 'b'),
                              std::string(Image_Layout::Esp32_1_Size, '1'),
                              std::string(Image_Layout::Esp32_2_Size, '2')};
  for (auto _ : state) {
    for (const fs::path &path : {project.Files().File_DALI_Access,
                                 project.Files().File_DALI2_Access, project.Files().File_ParGen})
      benchmark::DoNotOptimize(Read_Whole_File(path));
    if (Write_Image_Files(project.Bin(), buffers))
      state.SkipWithError("cannot write");
  }
}
BENCHMARK(BM_Baseline_Read_Files_Write_21KB)->Unit(benchmark::kMicrosecond);

} // namespace
