#pragma once
// How the characters of a text, date or time layer are put on dots: the
// layer's glyph font, and the character-by-character drawing that the
// layer images and the printer's glyph bitmaps share, so that a date the
// printer fills in looks exactly like the same date drawn on the PC.
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "rendering/StepValue.h"
#include "platform/Bitmap.h"
#include "platform/font/Font.h"
#include "platform/Result.h"
#include "printdata/LayerObject.h"

namespace editor {

// Font values are bounded to the ranges the editor's step controls keep
// before they size anything; a file can carry any number.
inline constexpr std::int32_t kMinFontHeight = kFontHeightRange.Min, kMaxFontHeight = kFontHeightRange.Max;
inline constexpr std::int32_t kMinFontWidth = kFontWidthRange.Min, kMaxFontWidth = kFontWidthRange.Max;
inline constexpr std::int32_t kMinSpacing = kSpacingRange.Min, kMaxSpacing = kSpacingRange.Max;

std::int32_t BoundedSpacing(const printdata::LayerObject& layer);

// The layer's glyph font: face, style and point size of the layer at its
// natural width, created again at the layer's width when its average
// character width differs from that.
platform::Result<std::shared_ptr<const platform::Font>> CreateLayerFont(const printdata::LayerObject& layer);

// Row of the character cells' top: 3 rows above row 0 at PosY 0, a larger
// PosY moves them up.
inline std::int64_t LayerTextTop(const printdata::LayerObject& layer) {
  return -(static_cast<std::int64_t>(layer.PosY) + 3);
}

// Draws `text` from column x with the cells' top at row `top`: each
// character with two blanks after it on an opaque white cell, the next one
// `spacing` columns after the previous character's own width. A character's
// white cell so covers what the previous one drew past its width.
void DrawLayerText(platform::Bitmap& image, const platform::Font& font, std::int64_t x,
                   std::int64_t top, std::string_view text, std::int32_t spacing,
                   platform::ColourValue colour);

// Width of `text` in `font` plus spacing x (number of bytes - 1); 0 for an
// empty text.
std::int32_t MeasureText(const platform::Font& font, std::string_view text, std::int32_t spacing);

// What the printer's date and time glyph files take from the layer's glyph
// font (printdata::PrintTextRenderer hands these on). The advance of each
// byte of `characters`: its width plus the layer's spacing.
platform::Result<std::vector<std::int32_t>> LayerGlyphAdvances(const printdata::LayerObject& layer,
                                                               std::string_view characters);
// `characters` drawn black one after the other from column 0 on `strip`,
// which takes their laid-out width plus one column and the print field's
// rows; the cells' top at the layer's vertical position.
platform::Status DrawLayerGlyphStrip(const printdata::LayerObject& layer, std::string_view characters,
                                     platform::Bitmap& strip);

}  // namespace editor
