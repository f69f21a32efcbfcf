// Start to main window shown, against a bare Qt dialog program, both on the offscreen platform
// and measured in the same run as whole processes.
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>

extern char **environ;

namespace {

void Run_Program(benchmark::State &state, const char *program, const std::string &argument) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  for (auto _ : state) {
    pid_t pid = 0;
    std::string arg0 = program, arg1 = argument;
    char *argv[] = {arg0.data(), arg1.empty() ? nullptr : arg1.data(), nullptr};
    if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0) {
      state.SkipWithError("cannot start the program");
      return;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("the program failed");
      return;
    }
  }
}

void BM_Start_Bare_Qt_Dialog(benchmark::State &state) {
  Run_Program(state, CF_BARE_DIALOG_PATH, "");
}
BENCHMARK(BM_Start_Bare_Qt_Dialog)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void BM_Start_Configurator(benchmark::State &state) {
  const auto folder = std::filesystem::temp_directory_path() / "cf20431-bench-start";
  std::filesystem::create_directories(folder);
  Run_Program(state, CF_CONFIGURATOR_START_PATH, folder.string());
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_Start_Configurator)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace
