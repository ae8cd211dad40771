// The schema as documentation: every key carries a title and a description, and its examples
// are snapshots that the widget reads and the validator accepts.
#include <gtest/gtest.h>
#include <simdjson.h>

#include <string>
#include <vector>

#include "PelloraShared/SnapshotJSON.hpp"
#include "Tests/Schema/SchemaValidator.hpp"

namespace {

using simdjson::dom::element;
using simdjson::dom::element_type;

const char* const schemaPath = PELLORA_SOURCE_DIR "/schema/widget-snapshot.schema.json";

class SchemaDocument : public testing::Test {
 protected:
  void SetUp() override {
    const auto error = parser_.load(schemaPath).get(root_);
    ASSERT_EQ(error, simdjson::SUCCESS) << schemaPath << ": " << simdjson::error_message(error);
  }

  simdjson::dom::parser parser_;
  element root_;
};

bool hasText(const element& node, const char* key) {
  std::string_view text;
  return node.is_object() && node[key].get(text) == simdjson::SUCCESS && !text.empty();
}

// Collects the path of every described node (the root, each entry of "properties" and "$defs")
// that lacks a title or a description.
void collectUndocumented(const element& node, const std::string& path,
                         std::vector<std::string>& out) {
  if (node.type() != element_type::OBJECT) return;
  if (!hasText(node, "title")) out.push_back(path + " has no title");
  if (!hasText(node, "description")) out.push_back(path + " has no description");
  for (const char* group : {"properties", "$defs"}) {
    simdjson::dom::object children;
    if (node[group].get(children) != simdjson::SUCCESS) continue;
    for (const auto field : children)
      collectUndocumented(field.value, path + "/" + group + "/" + std::string(field.key), out);
  }
}

TEST_F(SchemaDocument, DescribesEveryKey) {
  std::vector<std::string> undocumented;
  collectUndocumented(root_, "#", undocumented);
  EXPECT_TRUE(undocumented.empty()) << testing::PrintToString(undocumented);
}

TEST_F(SchemaDocument, ExamplesAreSnapshotsTheWidgetReads) {
  simdjson::dom::array examples;
  ASSERT_EQ(root_["examples"].get(examples), simdjson::SUCCESS) << "the schema has no examples";
  std::vector<std::string> texts;
  for (const element example : examples) texts.push_back(simdjson::minify(example));
  ASSERT_FALSE(texts.empty()) << "the schema has no examples";

  const auto verdicts = schematest::validateTexts(texts);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_TRUE(verdicts[i].valid) << "example " << i << ": " << verdicts[i].reason;
    const auto decoded = pellora::decodeSnapshot(texts[i]);
    EXPECT_TRUE(decoded.snapshot.has_value()) << "example " << i << ": " << decoded.error;
  }
}

}  // namespace
