#include <gtest/gtest.h>

#include "PelloraShared/WidgetSnapshot.hpp"

namespace {

using pellora::WidgetSnapshot;

struct Case {
  const char* name;
  void (*changeA)(WidgetSnapshot&);
  void (*changeB)(WidgetSnapshot&);
  bool same;
};

TEST(SameContent, Table) {
  const Case cases[] = {
      {"identical", [](WidgetSnapshot&) {}, [](WidgetSnapshot&) {}, true},
      {"updated ignored", [](WidgetSnapshot& s) { s.updated += pellora::Seconds{3600}; }, [](WidgetSnapshot&) {}, true},
      {"history ignored", [](WidgetSnapshot& s) { s.history.reset(); }, [](WidgetSnapshot&) {}, true},
      {"adapter ignored", [](WidgetSnapshot& s) { s.adapterWatts = 96; }, [](WidgetSnapshot&) {}, true},
      {"watts 6.0 vs 6.9", [](WidgetSnapshot& s) { s.watts = 6.0; }, [](WidgetSnapshot& s) { s.watts = 6.9; }, true},
      {"watts 6.0 vs 7.0", [](WidgetSnapshot& s) { s.watts = 6.0; }, [](WidgetSnapshot& s) { s.watts = 7.0; }, false},
      {"watts 6.9 vs 7.8", [](WidgetSnapshot& s) { s.watts = 6.9; }, [](WidgetSnapshot& s) { s.watts = 7.8; }, true},
      {"watts 6.0 vs 7.8", [](WidgetSnapshot& s) { s.watts = 6.0; }, [](WidgetSnapshot& s) { s.watts = 7.8; }, false},
      {"watts vs absent", [](WidgetSnapshot& s) { s.watts = 6.0; }, [](WidgetSnapshot& s) { s.watts.reset(); }, false},
      {"app 1.74 vs 1.6", [](WidgetSnapshot& s) { s.topApps[0].watts = 1.74; }, [](WidgetSnapshot& s) { s.topApps[0].watts = 1.6; }, true},
      {"app 1.74 vs 1.76", [](WidgetSnapshot& s) { s.topApps[0].watts = 1.74; }, [](WidgetSnapshot& s) { s.topApps[0].watts = 1.76; }, false},
      {"app 1.25 vs 1.5 (half away)", [](WidgetSnapshot& s) { s.topApps[0].watts = 1.25; }, [](WidgetSnapshot& s) { s.topApps[0].watts = 1.5; }, true},
      {"temperature 30.6 vs 31.4", [](WidgetSnapshot& s) { s.temperature = 30.6; }, [](WidgetSnapshot& s) { s.temperature = 31.4; }, true},
      {"temperature 30.4 vs 30.6", [](WidgetSnapshot& s) { s.temperature = 30.4; }, [](WidgetSnapshot& s) { s.temperature = 30.6; }, false},
      {"temperature vs absent", [](WidgetSnapshot& s) { s.temperature.reset(); }, [](WidgetSnapshot&) {}, false},
      {"percent", [](WidgetSnapshot& s) { s.percent = 71; }, [](WidgetSnapshot&) {}, false},
      {"status", [](WidgetSnapshot& s) { s.status = "x"; }, [](WidgetSnapshot&) {}, false},
      {"health exact", [](WidgetSnapshot& s) { s.health = 0.9401; }, [](WidgetSnapshot&) {}, false},
      {"app order", [](WidgetSnapshot& s) { std::swap(s.topApps[0], s.topApps[1]); }, [](WidgetSnapshot&) {}, false},
      {"app icon", [](WidgetSnapshot& s) { s.topApps[0].icon = "a.png"; }, [](WidgetSnapshot&) {}, false},
      {"insight", [](WidgetSnapshot& s) { s.insight.reset(); }, [](WidgetSnapshot&) {}, false},
  };
  for (const auto& c : cases) {
    WidgetSnapshot a = WidgetSnapshot::placeholder();
    WidgetSnapshot b = WidgetSnapshot::placeholder();
    c.changeA(a);
    c.changeB(b);
    const WidgetSnapshot aBefore = a;
    EXPECT_EQ(a.sameContent(b), c.same) << c.name;
    EXPECT_EQ(b.sameContent(a), c.same) << c.name;
    EXPECT_TRUE(a == aBefore) << c.name << ": the receiver changed";
  }
}

}  // namespace
