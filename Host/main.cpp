// pellora-widgets: for now, the main job only — the placeholder snapshot and its projection.
#include <cstdio>
#include <string>

#include "PelloraShared/SnapshotJSON.hpp"
#include "PelloraShared/WidgetSnapshot.hpp"

int main() {
  using namespace pellora;
  const WidgetSnapshot s = WidgetSnapshot::placeholder();
  std::printf("%s\n", encodeSnapshot(s).c_str());
  for (int i = 0; i < 12; ++i) {
    const Date at = s.updated + Seconds{i * 300.0};
    std::printf("+%2d min  %lld%%\n", i * 5, static_cast<long long>(s.projectedPercent(at)));
  }
  return 0;
}
