// load(from) of the placeholder's file, against the least that reading the same file costs:
// open, read to the end, close. load(from) also asks for the file's kind and size before it
// reads (so that a FIFO or a device is never read, nor a file beyond the size cap); the same
// read with that one fstat added shows what the check costs.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include "Benchmarks/BenchmarkData.hpp"

namespace {

void BM_OpenReadClose(benchmark::State& state) {
  const auto& file = bench::placeholderFile();
  char buffer[65536];
  for (auto _ : state) {
    std::string bytes;
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) bytes.append(buffer, static_cast<std::size_t>(n));
    ::close(fd);
    benchmark::DoNotOptimize(bytes.data());
  }
}
BENCHMARK(BM_OpenReadClose);

void BM_OpenFstatReadClose(benchmark::State& state) {
  const auto& file = bench::placeholderFile();
  char buffer[65536];
  for (auto _ : state) {
    std::string bytes;
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    ::fstat(fd, &info);
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) bytes.append(buffer, static_cast<std::size_t>(n));
    ::close(fd);
    benchmark::DoNotOptimize(bytes.data());
  }
}
BENCHMARK(BM_OpenFstatReadClose);

void BM_Load(benchmark::State& state) {
  const auto& file = bench::placeholderFile();
  for (auto _ : state) {
    auto snapshot = pellora::WidgetSnapshot::load(file);
    if (!snapshot) state.SkipWithError("the placeholder's file did not load");
    benchmark::DoNotOptimize(snapshot);
  }
}
BENCHMARK(BM_Load);

}  // namespace
