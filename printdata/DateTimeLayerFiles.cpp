#include "printdata/DateTimeLayerFiles.h"

#include <cstdint>
#include <memory>
#include <string>

#include "printdata/CharacterSet.h"
#include "printdata/LayerText.h"
#include "printdata/PrintField.h"
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

// What both files of a dynamic layer are made from.
struct Glyphs {
  const LayerObject* Layer = nullptr;  // null: not a dynamic layer of the kind, no file
  std::string Set;
  std::shared_ptr<const platform::Font> Font;
};

Result<Glyphs> GlyphsOf(Kind kind, int index, const PrintTextRenderer& renderer) {
  auto found = DynamicLayer(kind, index, renderer);
  if (!found.ok()) return found.status();
  Glyphs glyphs;
  glyphs.Layer = *found;
  if (!glyphs.Layer) return glyphs;
  auto set = CharsetOf(kind, *glyphs.Layer);
  if (!set.ok()) return set.status();
  auto font = CreateLayerFont(*glyphs.Layer);
  if (!font.ok()) return font.status();
  glyphs.Set = std::move(*set);
  glyphs.Font = std::move(*font);
  return glyphs;
}

std::string Line(const std::string& text) { return text + '\n'; }
std::string Line(std::int64_t number) { return std::to_string(number) + '\n'; }

Status Description(Kind kind, const Glyphs& glyphs, const std::string& path, PrintTextRenderer&) {
  const LayerObject& layer = *glyphs.Layer;
  std::string text;
  if (kind == Kind::Date) {
    text += Line(layer.DateCode) + Line(static_cast<std::uint32_t>(layer.WeekdayMask)) + Line(layer.DayOffset);
  } else {
    text += Line(layer.TimeCode) + Line(static_cast<std::uint32_t>(layer.Interval)) + Line(layer.TimeOffset);
  }
  text += Line(layer.PosX) + Line(static_cast<std::int64_t>(glyphs.Set.size())) + Line(glyphs.Set);
  const std::int32_t spacing = BoundedSpacing(layer);
  for (char c : glyphs.Set) text += Line(glyphs.Font->CharWidth(static_cast<std::uint8_t>(c)) + spacing);
  if (kind == Kind::Date) {
    for (const std::string& name : layer.WeekdayNames) text += Line(name);
    for (const std::string& name : layer.MonthNames) text += Line(name);
    text += Line(layer.DateFormat);
  } else {
    text += Line(layer.AmText) + Line(layer.PmText) + Line(layer.TimeFormat);
  }
  return WritePrinterFile(path, text);
}

Status GlyphStrip(Kind, const Glyphs& glyphs, const std::string& path, PrintTextRenderer& renderer) {
  const std::int32_t spacing = BoundedSpacing(*glyphs.Layer);
  const int columns = MeasureText(*glyphs.Font, glyphs.Set, spacing) + 1;
  platform::Bitmap& scratch = renderer.ScratchImage();
  scratch.Resize(columns, kPrintFieldRows);
  DrawLayerText(scratch, *glyphs.Font, 0, LayerTextTop(*glyphs.Layer), glyphs.Set, spacing, platform::kBlack);
  return WritePrinterFile(path, RawBitmapBytes(columns, [&](int x, int y) {
    return scratch.Pixel(x, y) == platform::kBlack;
  }));
}

using Writer = Status (*)(Kind, const Glyphs&, const std::string&, PrintTextRenderer&);

Status WriteFor(Kind kind, int index, const std::string& path, PrintTextRenderer& renderer, Writer write) {
  auto glyphs = GlyphsOf(kind, index, renderer);
  if (!glyphs.ok()) return glyphs.status();
  if (!glyphs->Layer) return Status::Ok();
  return write(kind, *glyphs, path, renderer);
}

}  // namespace

Status WriteDateDescription(int layer, const std::string& path, PrintTextRenderer& renderer) {
  return WriteFor(Kind::Date, layer, path, renderer, Description);
}
Status WriteDateGlyphs(int layer, const std::string& path, PrintTextRenderer& renderer) {
  return WriteFor(Kind::Date, layer, path, renderer, GlyphStrip);
}
Status WriteTimeDescription(int layer, const std::string& path, PrintTextRenderer& renderer) {
  return WriteFor(Kind::Time, layer, path, renderer, Description);
}
Status WriteTimeGlyphs(int layer, const std::string& path, PrintTextRenderer& renderer) {
  return WriteFor(Kind::Time, layer, path, renderer, GlyphStrip);
}

}  // namespace printdata
