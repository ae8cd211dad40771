#pragma once
// The options that say how a picture is drawn, shared by the drawing commands: the widget's
// family by name, the appearance, the scale and the file format.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <CLI/CLI.hpp>

#include "Platform/Render/Backend.hpp"
#include "Platform/UI/Style.hpp"
#include "Platform/WidgetKit/WidgetFamily.hpp"

namespace host {

// The families a desktop shows, by the names the commands use: small, medium, large.
inline constexpr wk::WidgetFamily desktopFamilies[] = {
    wk::WidgetFamily::systemSmall, wk::WidgetFamily::systemMedium, wk::WidgetFamily::systemLarge};
std::string_view familyName(wk::WidgetFamily family);
// "small", "medium" or "large"; anything else is no family.
std::optional<wk::WidgetFamily> familyNamed(std::string_view name);
// The families `name` asks for: one of the three by its name, or all three for "all".
std::vector<wk::WidgetFamily> familiesNamed(std::string_view name);

// Checks that an option's text is a finite number above 0 and at most `largest`; otherwise the
// message says the text "is not `what`".
CLI::Validator positiveNumber(double largest, const std::string& what);

// PNG pixels per point are capped: beyond this a large widget's PNG grows to tens of megabytes.
inline constexpr double largestScale = 8;

struct PictureOptions {
  std::string appearance = "light";
  double scale = 2;
  std::optional<std::string> format;  // absent: from the output's extension, else png
};

// Adds --appearance, --scale and --format to `command`.
void addPictureOptions(CLI::App& command, PictureOptions& options);
// Adds only --appearance and --scale, for commands that always draw PNG.
void addAppearanceAndScaleOptions(CLI::App& command, PictureOptions& options);

ui::ColorScheme colorScheme(const PictureOptions& options);
// --format when given; otherwise what the output's extension names (.png, .svg, .pdf), or png.
render::Format pictureFormat(const PictureOptions& options,
                             const std::optional<std::filesystem::path>& output);

}  // namespace host
