// Replacements on a typical name of 60 characters holding five variables (a date token, a
// month name, the user, the computer and an environment variable), with no player running
// and the platform answered by the in-memory fakes.
#include <benchmark/benchmark.h>

#include "fakes/fake_clock.h"
#include "fakes/fake_environment.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_shared_memory.h"
#include "fakes/fake_system_facts.h"
#include "fakes/fake_window_system.h"
#include "names/replacements.h"

namespace kestrix {
namespace {

void BM_Replacements(benchmark::State& state) {
  FakeClock clock;
  clock.now = {2024, 3, 5, 9, 7, 5, 0};
  FakeLocale locale;
  FakeEnvironment environment;
  // A process environment of ordinary size.
  for (int i = 0; i < 40; ++i)
    environment.Set("VARIABLE_" + std::to_string(i), "C:\\Some\\Value\\" + std::to_string(i));
  environment.Set("PROJECT", "Apollo");
  FakeSystemFacts system;
  FakeWindowSystem windows;
  windows.Add(0, "TTOTAL_CMD", "Total Commander");
  for (int i = 0; i < 30; ++i) windows.Add(0, "OtherApp", "Window " + std::to_string(i));
  FakeSharedMemory memory;
  FakeFileSystem files;
  VariablePlatform platform{clock,  locale, environment,     system, windows,
                            memory, files,  "C:\\Kestrix\\", 0};
  const std::string text = "Projects\\%Y\\%N-%o report for {un} at {pc}, %PROJECT% (final)";
  for (auto _ : state) benchmark::DoNotOptimize(Replacements(text, platform, {}));
  state.SetLabel(std::to_string(text.size()) + " characters");
}
BENCHMARK(BM_Replacements);

}  // namespace
}  // namespace kestrix
