#include "printdata/DateTimeLayerFiles.h"

#include <cstdint>
#include <string>
#include <vector>

#include "printdata/CharacterSet.h"
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
};

Result<Glyphs> GlyphsOf(Kind kind, int index, const PrintTextRenderer& renderer) {
  auto found = DynamicLayer(kind, index, renderer);
  if (!found.ok()) return found.status();
  Glyphs glyphs;
  glyphs.Layer = *found;
  if (!glyphs.Layer) return glyphs;
  auto set = CharsetOf(kind, *glyphs.Layer);
  if (!set.ok()) return set.status();
  glyphs.Set = std::move(*set);
  return glyphs;
}

std::string Line(const std::string& text) { return text + '\n'; }
std::string Line(std::int64_t number) { return std::to_string(number) + '\n'; }

Status Description(Kind kind, const Glyphs& glyphs, const std::string& path, PrintTextRenderer& renderer) {
  const LayerObject& layer = *glyphs.Layer;
  auto advances = renderer.GlyphAdvances(layer, glyphs.Set);
  if (!advances.ok()) return advances.status();
  std::string text;
  if (kind == Kind::Date) {
    text += Line(layer.DateCode) + Line(static_cast<std::uint32_t>(layer.WeekdayMask)) + Line(layer.DayOffset);
  } else {
    text += Line(layer.TimeCode) + Line(static_cast<std::uint32_t>(layer.Interval)) + Line(layer.TimeOffset);
  }
  text += Line(layer.PosX) + Line(static_cast<std::int64_t>(glyphs.Set.size())) + Line(glyphs.Set);
  for (std::int32_t advance : *advances) text += Line(advance);
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
  platform::Bitmap& scratch = renderer.ScratchImage();
  if (Status drawn = renderer.DrawGlyphStrip(*glyphs.Layer, glyphs.Set, scratch); !drawn.ok()) return drawn;
  return WritePrinterFile(path, RawBitmapBytes(scratch.Width(), [&](int x, int y) {
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
