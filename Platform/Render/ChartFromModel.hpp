#pragma once
// A laid-out chart view as the plain data that chart drawing takes: its marks joined into
// series, its scales and axes read from the chart's environment, its colours resolved.
#include "Platform/Charts/Chart.hpp"
#include "Platform/Render/ChartDrawing.hpp"
#include "Platform/Render/HourLabels.hpp"
#include "Platform/UI/Environment.hpp"

namespace render {

ChartPlot chartPlot(const charts::ChartModel& model, const ui::Environment& environment, const HourFormatter& hours);

}  // namespace render
