// getTimeline against load(from) of the same file: the provider should add little to the read
// and decode it is built on (it decodes once and copies the snapshot into twelve entries).
#include <benchmark/benchmark.h>

#include "App/Widget/Provider.hpp"
#include "Benchmarks/BenchmarkData.hpp"
#include "PelloraShared/UserDatabase.hpp"

namespace {

// A home whose store holds the placeholder's file, as the host's --home gives one.
const std::filesystem::path& homeWithSnapshot() {
  static const std::filesystem::path home = [] {
    const auto h = bench::scratchFolder() / "home";
    const std::string text = h.string();
    pellora::setUserDatabaseLookup([text] { return pellora::UserDatabaseEntry{text}; });
    pellora::WidgetSnapshot::placeholder().save(pellora::WidgetSnapshot::fileURL());
    return h;
  }();
  return home;
}

void BM_TimelineLoad(benchmark::State& state) {
  homeWithSnapshot();
  const auto file = pellora::WidgetSnapshot::fileURL();
  for (auto _ : state) {
    auto snapshot = pellora::WidgetSnapshot::load(file);
    if (!snapshot) state.SkipWithError("the snapshot did not load");
    benchmark::DoNotOptimize(snapshot);
  }
}
BENCHMARK(BM_TimelineLoad);

void BM_GetTimeline(benchmark::State& state) {
  homeWithSnapshot();
  const pellora::Provider provider;
  const wk::TimelineProviderContext context{};
  for (auto _ : state) {
    std::size_t entries = 0;
    provider.getTimeline(context, [&](wk::Timeline<pellora::Entry> timeline) { entries = timeline.entries.size(); });
    if (entries != 12) state.SkipWithError("the timeline did not have twelve entries");
    benchmark::DoNotOptimize(entries);
  }
}
BENCHMARK(BM_GetTimeline);

}  // namespace
