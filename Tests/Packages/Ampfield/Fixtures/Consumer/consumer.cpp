// A companion-application-like program: writes a snapshot with the installed module and reads
// it back.
#include <cstdio>
#include <filesystem>

#include <PelloraShared/WidgetSnapshot.hpp>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  using namespace pellora;
  WidgetSnapshot s = WidgetSnapshot::placeholder();
  const std::filesystem::path file = std::filesystem::path(argv[1]) / "snapshot.json";
  s.save(file);
  const auto back = WidgetSnapshot::load(file);
  if (!back || !back->sameContent(s)) return 1;
  std::printf("consumer: %lld%%\n", static_cast<long long>(back->percent));
  return 0;
}
