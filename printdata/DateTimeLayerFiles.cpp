#include "printdata/DateTimeLayerFiles.h"

#include <cstdint>
#include <vector>

#include "printdata/CharacterSet.h"
#include "printdata/LayerText.h"
#include "printdata/PrinterFileWrite.h"
#include "printdata/RawBitmap.h"
#include "printdata/StaticLayer.h"

namespace printdata {
namespace {

using platform::Result;
using platform::Status;

enum class Kind { Date, Time };

// The layer when it is a dynamic layer of `kind`, null when it is not (no
// file then); a failure for an index outside 0..4.
Result<const LayerObject*> DynamicLayer(Kind kind, int index, const PrintTextRenderer& renderer) {
  if (index < 0 || index >= kLayerCount) return Status::Fail("layer index " + std::to_string(index) + " out of range");
  const LayerObject& layer = renderer.WorkText().Layers[static_cast<std::size_t>(index)];
  const std::uint8_t wanted = kind == Kind::Date ? kKindDate : kKindTime;
  return layer.Kind == wanted && IsDynamicLayer(layer) ? &layer : nullptr;
}

// The set, refused when it would not fit the printer's description rather
// than cut, which would leave characters the printer cannot print.
Result<std::string> CharsetOf(Kind kind, const LayerObject& layer) {
  std::string set = kind == Kind::Date ? DateCharset(layer) : TimeCharset(layer);
  if (set.size() > 2 * kMaxCharsetChars)
    return Status::Fail("the " + std::string(kind == Kind::Date ? "date" : "time") + " layer needs " +
                        std::to_string(set.size() / 2) + " different characters; the printer holds at most " +
                        std::to_string(kMaxCharsetChars));
  return set;
}

std::string Line(const std::string& text) { return text + '\n'; }
std::string Line(std::int64_t number) { return std::to_string(number) + '\n'; }

Status WriteDescription(Kind kind, int index, const std::string& path, PrintTextRenderer& renderer) {
  auto found = DynamicLayer(kind, index, renderer);
  if (!found.ok()) return found.status();
  if (!*found) return Status::Ok();
  const LayerObject& layer = **found;
  auto set = CharsetOf(kind, layer);
  if (!set.ok()) return set.status();
  auto font = CreateLayerFont(layer);
  if (!font.ok()) return font.status();

  std::string text;
  if (kind == Kind::Date) {
    text += Line(layer.DateCode) + Line(static_cast<std::uint32_t>(layer.WeekdayMask)) + Line(layer.DayOffset);
  } else {
    text += Line(layer.TimeCode) + Line(static_cast<std::uint32_t>(layer.Interval)) + Line(layer.TimeOffset);
  }
  text += Line(layer.PosX) + Line(static_cast<std::int64_t>(set->size())) + Line(*set);
  const std::int32_t spacing = BoundedSpacing(layer);
  for (char c : *set) text += Line((*font)->CharWidth(static_cast<std::uint8_t>(c)) + spacing);
  if (kind == Kind::Date) {
    for (const std::string& name : layer.WeekdayNames) text += Line(name);
    for (const std::string& name : layer.MonthNames) text += Line(name);
    text += Line(layer.DateFormat);
  } else {
    text += Line(layer.AmText) + Line(layer.PmText) + Line(layer.TimeFormat);
  }
  return WritePrinterFile(path, text);
}

Status WriteGlyphs(Kind kind, int index, const std::string& path, PrintTextRenderer& renderer) {
  auto found = DynamicLayer(kind, index, renderer);
  if (!found.ok()) return found.status();
  if (!*found) return Status::Ok();
  const LayerObject& layer = **found;
  auto set = CharsetOf(kind, layer);
  if (!set.ok()) return set.status();
  auto font = CreateLayerFont(layer);
  if (!font.ok()) return font.status();

  const std::int32_t spacing = BoundedSpacing(layer);
  const int columns = MeasureText(**font, *set, spacing) + 1;
  platform::Bitmap& scratch = renderer.ScratchImage();
  scratch.Resize(columns, 25);
  DrawLayerText(scratch, **font, 0, LayerTextTop(layer), *set, spacing, platform::kBlack);
  return WritePrinterFile(path, RawBitmapBytes(columns, [&](int x, int y) {
    return scratch.Pixel(x, y) == platform::kBlack;
  }));
}

}  // namespace

Status WriteDateDescription(int layer, const std::string& path, PrintTextRenderer& renderer) {
  return WriteDescription(Kind::Date, layer, path, renderer);
}
Status WriteDateGlyphs(int layer, const std::string& path, PrintTextRenderer& renderer) {
  return WriteGlyphs(Kind::Date, layer, path, renderer);
}
Status WriteTimeDescription(int layer, const std::string& path, PrintTextRenderer& renderer) {
  return WriteDescription(Kind::Time, layer, path, renderer);
}
Status WriteTimeGlyphs(int layer, const std::string& path, PrintTextRenderer& renderer) {
  return WriteGlyphs(Kind::Time, layer, path, renderer);
}

}  // namespace printdata
