#include "rendering/LayerText.h"

#include <algorithm>
#include <limits>
#include <string>

#include "platform/font/FontRenderer.h"
#include "printdata/PrintField.h"

namespace editor {

std::int32_t BoundedSpacing(const printdata::LayerObject& layer) {
  return std::clamp(layer.Spacing, kMinSpacing, kMaxSpacing);
}

platform::Result<std::shared_ptr<const platform::Font>> CreateLayerFont(const printdata::LayerObject& layer) {
  platform::FontDescription description;
  description.Name = layer.FontName;
  description.Style = layer.FontStyle;
  description.PointSize = std::clamp(layer.Height, kMinFontHeight, kMaxFontHeight);
  auto natural = platform::FontRenderer::Instance().CreateFont(description);
  if (!natural.ok()) return natural;
  const std::int32_t width = std::clamp(layer.Width, kMinFontWidth, kMaxFontWidth);
  if ((*natural)->Metrics().AveCharWidth == width) return natural;
  description.Width = width;
  return platform::FontRenderer::Instance().CreateFont(description);
}

void DrawLayerText(platform::Bitmap& image, const platform::Font& font, std::int64_t x,
                   std::int64_t top, std::string_view text, std::int32_t spacing,
                   platform::ColourValue colour) {
  std::string cell(3, ' ');
  for (char ch : text) {
    cell[0] = ch;
    font.DrawText(image, x, top, cell, colour, platform::kWhite);
    x += font.CharWidth(static_cast<std::uint8_t>(ch)) + spacing;
  }
}

std::int32_t MeasureText(const platform::Font& font, std::string_view text, std::int32_t spacing) {
  if (text.empty()) return 0;
  const std::int64_t width =
      font.TextWidth(text) + static_cast<std::int64_t>(spacing) * static_cast<std::int64_t>(text.size() - 1);
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      width, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

platform::Result<std::vector<std::int32_t>> LayerGlyphAdvances(const printdata::LayerObject& layer,
                                                               std::string_view characters) {
  auto font = CreateLayerFont(layer);
  if (!font.ok()) return font.status();
  const std::int32_t spacing = BoundedSpacing(layer);
  std::vector<std::int32_t> advances;
  advances.reserve(characters.size());
  for (char c : characters) advances.push_back((*font)->CharWidth(static_cast<std::uint8_t>(c)) + spacing);
  return advances;
}

platform::Status DrawLayerGlyphStrip(const printdata::LayerObject& layer, std::string_view characters,
                                     platform::Bitmap& strip) {
  auto font = CreateLayerFont(layer);
  if (!font.ok()) return font.status();
  const std::int32_t spacing = BoundedSpacing(layer);
  strip.Resize(MeasureText(**font, characters, spacing) + 1, printdata::kPrintFieldRows);
  DrawLayerText(strip, **font, 0, LayerTextTop(layer), characters, spacing, platform::kBlack);
  return platform::Status::Ok();
}

}  // namespace editor
