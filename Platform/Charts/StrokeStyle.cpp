#include "Platform/Charts/StrokeStyle.hpp"

namespace charts {

const char* name(InterpolationMethod method) {
  switch (method) {
    case InterpolationMethod::linear: return "linear";
    case InterpolationMethod::monotone: return "monotone";
    case InterpolationMethod::catmullRom: return "catmullRom";
    case InterpolationMethod::cardinal: return "cardinal";
    case InterpolationMethod::stepStart: return "stepStart";
    case InterpolationMethod::stepCenter: return "stepCenter";
    case InterpolationMethod::stepEnd: return "stepEnd";
  }
  return "linear";
}

const char* name(LineCap cap) {
  switch (cap) {
    case LineCap::butt: return "butt";
    case LineCap::round: return "round";
    case LineCap::square: return "square";
  }
  return "butt";
}

const char* name(LineJoin join) {
  switch (join) {
    case LineJoin::miter: return "miter";
    case LineJoin::round: return "round";
    case LineJoin::bevel: return "bevel";
  }
  return "miter";
}

}  // namespace charts
