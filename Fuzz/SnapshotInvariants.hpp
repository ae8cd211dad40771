#pragma once
// What must hold for any bytes given to the snapshot decoder. The fuzzer checks it on every
// input; the test suite checks it on the seed corpus and on every input that once broke it.
#include <string>
#include <string_view>

#include "PelloraShared/SnapshotJSON.hpp"
#include "PelloraShared/WidgetSnapshot.hpp"

namespace fuzzcheck {

// An empty string when every invariant holds, else the first one broken.
//
// The decoder accepts only what JSON can carry: finite numbers (it refuses 1e400 rather than
// reading an infinity) and valid UTF-8. So a decoded snapshot has no NaN, equals itself, is
// always encodable, and survives a second decoding unchanged. Its bytes need not be the input's
// (keys, spacing, number spelling and unknown keys are not kept), but after one encoding the
// bytes are a fixed point.
inline std::string snapshotInvariantViolation(std::string_view bytes) {
  const pellora::DecodeResult first = pellora::decodeSnapshot(bytes);
  if (!first.snapshot) {
    if (first.error.empty()) return "refused without a reason";
    if (first.error.find('\n') != std::string::npos) return "a reason of more than one line: " + first.error;
    return {};
  }
  if (!first.error.empty()) return "decoded, yet with a reason: " + first.error;
  const pellora::WidgetSnapshot& s = *first.snapshot;
  if (!(s == s)) return "a decoded snapshot that does not equal itself (NaN?)";

  std::string encoded;
  try {
    encoded = pellora::encodeSnapshot(s);
  } catch (const pellora::EncodingError& e) {
    return std::string("a decoded snapshot that cannot be encoded: ") + e.what();
  }
  const pellora::DecodeResult second = pellora::decodeSnapshot(encoded);
  if (!second.snapshot) return "its encoding does not decode: " + second.error + " in " + encoded;
  if (!(*second.snapshot == s)) return "its encoding decodes to another snapshot: " + encoded;
  if (pellora::encodeSnapshot(*second.snapshot) != encoded) return "encoding is not stable: " + encoded;
  if (!s.sameContent(*second.snapshot)) return "not the same content as its own copy: " + encoded;

  // The projection is defined (the sanitizers watch it) at any moment, and keeps to its bounds:
  // a charging battery never passes its limit, one on battery never falls below empty, and
  // without an estimate, or in the other modes, the charge stays.
  using Mode = pellora::WidgetSnapshot::Mode;
  const double updated = pellora::secondsSince1970(s.updated);
  const bool moves = s.minutesLeft && *s.minutesLeft >= 1 && (s.mode == Mode::charging || s.mode == Mode::onBattery);
  for (const double offset : {-1e300, -86400.0, -300.0, 0.0, 300.0, 3300.0, 86400.0 * 365, 1e300}) {
    const std::int64_t p = s.projectedPercent(pellora::dateFromSeconds(updated + offset));
    if (!moves && p != s.percent) return "a charge that should stay moved to " + std::to_string(p);
    if (moves && s.mode == Mode::charging && p > s.limit) return "charged past the limit to " + std::to_string(p);
    if (moves && s.mode == Mode::onBattery && p < 0) return "fell below empty to " + std::to_string(p);
  }
  return {};
}

}  // namespace fuzzcheck
