#include "Host/PictureOptions.hpp"

#include <CLI/CLI.hpp>

#include <charconv>
#include <cmath>

namespace host {

std::string_view familyName(wk::WidgetFamily family) {
  switch (family) {
    case wk::WidgetFamily::systemMedium: return "medium";
    case wk::WidgetFamily::systemLarge: return "large";
    default: return "small";
  }
}

std::optional<wk::WidgetFamily> familyNamed(std::string_view name) {
  for (wk::WidgetFamily f : desktopFamilies) {
    if (familyName(f) == name) return f;
  }
  return std::nullopt;
}

std::vector<wk::WidgetFamily> familiesNamed(std::string_view name) {
  if (name == "all") return {std::begin(desktopFamilies), std::end(desktopFamilies)};
  if (const auto family = familyNamed(name)) return {*family};
  return {};
}

CLI::Validator positiveNumber(double largest, const std::string& what) {
  return CLI::Validator(
      [largest, what](std::string& text) -> std::string {
        double value = 0;
        const char* last = text.data() + text.size();
        const auto [end, ec] = std::from_chars(text.data(), last, value);
        if (ec == std::errc{} && end == last && std::isfinite(value) && value > 0 && value <= largest) return {};
        return "\"" + text + "\" is not " + what;
      },
      "", "");
}

void addAppearanceAndScaleOptions(CLI::App& command, PictureOptions& options) {
  command.add_option("--appearance", options.appearance, "Light or dark (default: light)")
      ->type_name("light|dark")
      ->check(CLI::IsMember({"light", "dark"}).description(""));
  command.add_option("--scale", options.scale, "PNG pixels per point, above 0 and up to 8 (default: 2)")
      ->type_name("S")
      ->check(positiveNumber(largestScale, "a scale above 0 and up to 8"));
}

void addPictureOptions(CLI::App& command, PictureOptions& options) {
  addAppearanceAndScaleOptions(command, options);
  command
      .add_option_function<std::string>(
          "--format", [&options](const std::string& f) { options.format = f; },
          "The file format (default: from the output's extension, else png)")
      ->type_name("png|svg|pdf")
      ->check(CLI::IsMember({"png", "svg", "pdf"}).description(""));
}

ui::ColorScheme colorScheme(const PictureOptions& options) {
  return options.appearance == "dark" ? ui::ColorScheme::dark : ui::ColorScheme::light;
}

render::Format pictureFormat(const PictureOptions& options,
                             const std::optional<std::filesystem::path>& output) {
  if (options.format == "svg") return render::Format::svg;
  if (options.format == "pdf") return render::Format::pdf;
  if (options.format || !output) return render::Format::png;
  return render::formatForPath(*output);
}

}  // namespace host
