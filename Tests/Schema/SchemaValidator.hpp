#pragma once
// Runs the real JSON Schema validator (python3-jsonschema, through validate.py) on snapshot texts
// against schema/widget-snapshot.schema.json.
#include <string>
#include <vector>

namespace schematest {

struct Verdict {
  bool valid = false;
  std::string reason;  // the validator's words when it refused
};

// One verdict per text, in order, from a single run of the validator. Throws std::runtime_error
// when the validator cannot give verdicts at all (python3 or jsonschema missing, the schema not
// a valid draft 2020-12 schema), so that a broken check fails instead of passing as "refused".
std::vector<Verdict> validateTexts(const std::vector<std::string>& texts);

}  // namespace schematest
