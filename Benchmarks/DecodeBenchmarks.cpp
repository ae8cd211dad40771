// Decoding against simdjson's bare DOM parse of the same bytes, and decoding as the file grows.
#include <benchmark/benchmark.h>
#include <simdjson.h>

#include "Benchmarks/BenchmarkData.hpp"

namespace {

const std::string& placeholderBytes() {
  static const std::string bytes = pellora::encodeSnapshot(pellora::WidgetSnapshot::placeholder());
  return bytes;
}

void BM_SimdjsonParse(benchmark::State& state) {
  const std::string& bytes = placeholderBytes();
  // One parser reused, as the decoder reuses one per thread.
  simdjson::dom::parser parser;
  for (auto _ : state) {
    simdjson::dom::element root;
    if (parser.parse(bytes).get(root) != simdjson::SUCCESS) state.SkipWithError("simdjson refused the bytes");
    benchmark::DoNotOptimize(root);
  }
  state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_SimdjsonParse);

void BM_Decode(benchmark::State& state) {
  const std::string& bytes = placeholderBytes();
  for (auto _ : state) {
    auto result = pellora::decodeSnapshot(bytes);
    if (!result.snapshot) state.SkipWithError("the decoder refused the bytes");
    benchmark::DoNotOptimize(result);
  }
  state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_Decode);

// Arguments: history points, applications.
void BM_DecodeSized(benchmark::State& state) {
  const std::string bytes =
      pellora::encodeSnapshot(bench::sizedSnapshot(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
  for (auto _ : state) {
    auto result = pellora::decodeSnapshot(bytes);
    if (!result.snapshot) state.SkipWithError("the decoder refused the bytes");
    benchmark::DoNotOptimize(result);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
  state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_DecodeSized)
    ->ArgNames({"points", "apps"})
    ->Args({48, 5})
    ->Args({1000, 5})
    ->Args({10000, 5})
    ->Args({100000, 5})
    ->Args({48, 10000});

}  // namespace
