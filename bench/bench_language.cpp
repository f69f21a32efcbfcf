#include <benchmark/benchmark.h>
#include <string>

#include "localisation/Language.h"
#include "localisation/LanguageFile.h"
#include "localisation/MessageTable.h"

namespace {

// A language file with an entry for every index, in the usual "STR0011 = text" form.
std::string Full_Language_File() {
  std::string file = "[Italiano]\r\n/#/ every entry of the table\r\n";
  for (int index = 0; index < MessageTable::Message_Count; ++index) {
    char key[16];
    std::snprintf(key, sizeof key, "STR%04d = ", index);
    file += key;
    file += "Testo tradotto numero " + std::to_string(index) + " con accenti \xC3\xA0\xC3\xA8 " +
            "\xC2\xB6 /#/ remark\r\n";
  }
  return file;
}

void BM_Parse_Language_File_2800_Entries(benchmark::State &state) {
  const std::string file = Full_Language_File();
  MessageTable table;
  Build_Default_Messages(table);
  for (auto _ : state) {
    Parse_Language_Text(table, file);
    benchmark::DoNotOptimize(table.Text(2799));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_Parse_Language_File_2800_Entries)->Unit(benchmark::kMicrosecond);

void BM_Load_Defaults_Then_Parse(benchmark::State &state) {
  const std::string file = Full_Language_File();
  MessageTable table;
  for (auto _ : state) {
    Build_Default_Messages(table);
    Parse_Language_Text(table, file);
    benchmark::DoNotOptimize(table.Text(0));
  }
}
BENCHMARK(BM_Load_Defaults_Then_Parse)->Unit(benchmark::kMicrosecond);

} // namespace
