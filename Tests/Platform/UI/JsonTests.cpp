#include <gtest/gtest.h>

#include "Platform/UI/Json.hpp"

namespace ui {
namespace {

TEST(Json, SerializesCompactlyInInsertionOrder) {
  Json o = Json::object();
  o.set("type", "Text").set("n", 31.0).set("x", 6.4).set("ok", true).set("none", Json());
  o.set("list", Json::Array{1, "a\"b\\", Json(ui::Json::Array{})});
  EXPECT_EQ(o.serialize(), R"({"type":"Text","n":31,"x":6.4,"ok":true,"none":null,"list":[1,"a\"b\\",[]]})");
}

TEST(Json, WritesUnboundedLengthsAsText) {
  EXPECT_EQ(Json(std::numeric_limits<double>::infinity()).serialize(), "\"infinity\"");
  EXPECT_EQ(Json(-0.0).serialize(), "0");
  EXPECT_EQ(Json("\n\x01").serialize(), "\"\\n\\u0001\"");
}

TEST(Json, SetReplacesAMemberOfTheSameName) {
  Json o = Json::object();
  o.set("a", 1).set("b", 2).set("a", 3);
  EXPECT_EQ(o.serialize(), R"({"a":3,"b":2})");
  EXPECT_EQ(o.find("zzz"), nullptr);
}

TEST(Json, IndentsPrettyText) {
  Json o = Json::object({{"a", Json::Array{1, 2}}});
  EXPECT_EQ(o.pretty(), "{\n  \"a\": [\n    1,\n    2\n  ]\n}");
}

}  // namespace
}  // namespace ui
