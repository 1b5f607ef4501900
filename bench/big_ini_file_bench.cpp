// How BigIniFile scales with the host's large configuration files: loading, runs of
// lookups in one section (the section cursor), and a full rewrite.
#include <benchmark/benchmark.h>

#include "fakes/fake_file_system.h"
#include "settings/big_ini_file.h"

namespace kestrix {
namespace {

const char kPath[] = "C:\\wincmd.ini";

std::string MakeIni(int sections, int keys) {
  std::string content;
  for (int s = 0; s < sections; ++s) {
    content += "[Section" + std::to_string(s) + "]\r\n";
    for (int k = 0; k < keys; ++k)
      content += "key" + std::to_string(k) + "=some value " + std::to_string(k) + "\r\n";
  }
  return content;
}

void BM_Load(benchmark::State& state) {
  FakeFileSystem fs;
  fs.AddFile(kPath, MakeIni(static_cast<int>(state.range(0)), 50));
  for (auto _ : state) {
    BigIniFile ini(fs, kPath);
    benchmark::DoNotOptimize(ini.Sections().Count());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs.FileContent(kPath)->size()));
}
BENCHMARK(BM_Load)->Arg(10)->Arg(100)->Arg(1000);

void BM_LookupsInOneSection(benchmark::State& state) {
  FakeFileSystem fs;
  const int sections = static_cast<int>(state.range(0));
  fs.AddFile(kPath, MakeIni(sections, 50));
  BigIniFile ini(fs, kPath);
  const std::string section = "Section" + std::to_string(sections - 1);
  for (auto _ : state) benchmark::DoNotOptimize(ini.ReadString(section, "key49", ""));
}
BENCHMARK(BM_LookupsInOneSection)->Arg(10)->Arg(1000);

void BM_Rewrite(benchmark::State& state) {
  FakeFileSystem fs;
  fs.AddFile(kPath, MakeIni(static_cast<int>(state.range(0)), 50));
  BigIniFile ini(fs, kPath);
  int n = 0;
  for (auto _ : state) {
    ini.WriteInteger("Section0", "key0", ++n);
    ini.UpdateFile();
  }
}
BENCHMARK(BM_Rewrite)->Arg(100)->Arg(1000);

}  // namespace
}  // namespace kestrix
