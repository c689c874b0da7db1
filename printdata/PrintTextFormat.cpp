#include "printdata/PrintTextFormat.h"

#include <algorithm>
#include <utility>

#include "platform/NumberText.h"
#include "printdata/LineReader.h"
#include "printdata/NoteLines.h"

namespace printdata {
namespace {

constexpr int kStyleBits = 4;
// The size a layer that is not a graphic is given when it is written.
constexpr std::int32_t kPlaceholderHeight = 12;
constexpr std::int32_t kPlaceholderWidth = 24;

// Negation that wraps instead of overflowing on the most negative value.
std::int32_t Negated(std::int32_t value) {
  return static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(value));
}

bool GraphicSizeFits(std::int32_t height, std::int32_t width) {
  return height >= 1 && height <= kMaxGraphicSize && width >= 1 && width <= kMaxGraphicSize;
}

std::string GraphicSizeError(std::int32_t height, std::int32_t width) {
  return "graphic size " + std::to_string(height) + " x " + std::to_string(width) +
         " is outside 1 to " + std::to_string(kMaxGraphicSize);
}

// Lines 9 to 42 of a layer block, in their order for both directions: `io`
// writes a field out or reads it in.
template <class Io>
void TextDateAndTimeLines(LayerObject& layer, Io& io) {
  io.Text(layer.Text, "the text");
  io.Text(layer.DatePreview, "the date preview");
  io.Text(layer.DateFormat, "the date format");
  io.Text(layer.DateCode, "the date code");
  io.Number(layer.WeekdayMask);
  io.Number(layer.DayOffset);
  io.Number(layer.DateMode);
  for (auto& name : layer.WeekdayNames) io.Text(name, "a weekday name");
  for (auto& name : layer.MonthNames) io.Text(name, "a month name");
  io.Text(layer.TimePreview, "the time preview");
  io.Text(layer.TimeFormat, "the time format");
  io.Text(layer.TimeCode, "the time code");
  io.Number(layer.Interval);
  io.Number(layer.TimeOffset);
  io.Text(layer.AmText, "the AM text");
  io.Text(layer.PmText, "the PM text");
  io.Number(layer.TimeStep);
}

// ---- writing ----

class LineWriter {
 public:
  explicit LineWriter(std::vector<std::string>& lines) : lines_(lines) {}
  void Line(std::string line) { lines_.push_back(std::move(line)); }
  void Number(std::int32_t value) { Line(std::to_string(value)); }
  // A one-line field: a line break inside it would shift every later line.
  void Text(const std::string& value, const char* field) {
    if (value.find_first_of("\r\n") != std::string::npos) {
      if (error_.empty()) error_ = std::string(field) + " holds a line break";
    }
    Line(value);
  }
  const std::string& error() const { return error_; }

 private:
  std::vector<std::string>& lines_;
  std::string error_;
};

std::string StyleLine(std::uint8_t style) {
  std::string line(kStyleBits, '0');
  for (int k = 0; k < kStyleBits; ++k)
    if (style & (1u << k)) line[k] = '1';
  return line;
}

platform::Status WriteLayer(LayerObject& layer, int index, LineWriter& out) {
  const bool graphic = layer.Kind == kKindGraphic;
  if (graphic && !GraphicSizeFits(layer.GraphicHeight, layer.GraphicWidth))
    return platform::Status::Fail("layer " + std::to_string(index + 1) + ": " +
                                  GraphicSizeError(layer.GraphicHeight, layer.GraphicWidth));
  out.Number(layer.Kind);
  out.Text(layer.FontName, "the font name");
  out.Line(StyleLine(layer.FontStyle));
  out.Number(layer.Spacing);
  out.Number(layer.Height);
  out.Number(layer.Width);
  out.Number(layer.PosX);
  out.Number(graphic ? Negated(layer.PosY) : layer.PosY);
  TextDateAndTimeLines(layer, out);
  if (!graphic) {
    layer.GraphicHeight = kPlaceholderHeight;
    layer.GraphicWidth = kPlaceholderWidth;
  }
  out.Number(layer.GraphicHeight);
  out.Number(layer.GraphicWidth);
  if (graphic) {
    const std::size_t width = static_cast<std::size_t>(layer.GraphicWidth);
    for (std::int32_t r = 0; r < layer.GraphicHeight; ++r) {
      // Anything but '0' is a dot; pixels missing at the end are white.
      std::string row(width, '0');
      const std::size_t start = static_cast<std::size_t>(r) * width;
      for (std::size_t c = 0; c < width && start + c < layer.Pixels.size(); ++c)
        if (layer.Pixels[start + c] != '0') row[c] = '1';
      out.Line(std::move(row));
    }
  }
  if (!out.error().empty())
    return platform::Status::Fail("layer " + std::to_string(index + 1) + ": " + out.error());
  return platform::Status::Ok();
}

// ---- reading ----

enum class Layout { V6, V7, V9 };

struct FieldReader {
  LineReader& in;
  void Text(std::string& field, const char*) { field = in.Text(); }
  void Number(std::int32_t& field) { field = in.Integer(); }
};

void ReadLayer(LineReader& in, Layout layout, LayerObject& layer) {
  layer.Kind = static_cast<std::uint8_t>(in.Integer());
  layer.FontName = in.Text();
  const std::string style = in.Prefix(kStyleBits, "the font style");
  layer.FontStyle = 0;
  for (int k = 0; k < kStyleBits; ++k)
    if (style[k] == '1') layer.FontStyle |= static_cast<std::uint8_t>(1u << k);
  layer.Spacing = layout == Layout::V6 ? 0 : in.Integer();
  layer.Height = in.Integer();
  layer.Width = in.Integer();
  layer.PosX = in.Integer();
  layer.PosY = in.Integer();
  if (layer.Kind == kKindGraphic) layer.PosY = Negated(layer.PosY);
  FieldReader fields{in};
  TextDateAndTimeLines(layer, fields);
  const std::int32_t height = in.Integer();
  const std::int32_t width = in.Integer();
  // The size decides how much is allocated and how many lines follow; a
  // damaged one must not get that far.
  if (!GraphicSizeFits(height, width)) in.Fail(GraphicSizeError(height, width));
  layer.GraphicHeight = height;
  layer.GraphicWidth = width;
  const std::size_t w = static_cast<std::size_t>(width);
  const std::size_t pixels = static_cast<std::size_t>(std::int64_t{height} * std::int64_t{width});
  if (layer.Kind != kKindGraphic) {
    layer.Pixels.assign(pixels, '0');
    return;
  }
  std::string image;
  image.reserve(pixels);
  for (std::int32_t r = 0; r < height; ++r) {
    const std::string row = in.Prefix(w, "a graphic row");
    for (char c : row) image += c == '1' ? '1' : '0';
  }
  layer.Pixels = std::move(image);
}

// Versions 6 to 8 store lengths in whole millimetres; the sum wraps like all
// layout arithmetic rather than overflow.
std::int32_t TenthsOf(std::int32_t millimetres) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(millimetres) * 10u);
}

void ReadParameters(LineReader& in, Layout layout, PrintParameters& p) {
  if (layout == Layout::V9) {
    for (auto field : kParameterSetXFields) p.X1.*field = in.Integer();
    for (auto field : kParameterSetXFields) p.X2.*field = in.Integer();
    for (auto field : kParameterSetYFields) p.Y.*field = in.Integer();
    return;
  }
  for (auto field : kParameterSetXFields) {
    std::int32_t value = in.Integer();
    const bool count = field == &ParameterSetX::Anzahl || field == &ParameterSetX::Anzahl2 ||
                       field == &ParameterSetX::Lage;
    if (!count) value = TenthsOf(value);
    p.X1.*field = value;
    p.X2.*field = value;
  }
  p.Y = ParameterSetY{0, 0, 1, 0};
}

platform::Status ReadBody(const std::vector<std::string>& lines, std::size_t first, Layout layout,
                          PrintText& text) {
  LineReader in(lines, first);
  try {
    const int count = std::min(in.Integer(), kLayerCount);
    for (int i = 0; i < count; ++i) ReadLayer(in, layout, text.Layers[i]);
    ReadParameters(in, layout, text.Parameters);
  } catch (const LineReader::Failure& failure) {
    return platform::Status::Fail(failure.message);
  }
  text.Note = NoteFromLines(lines, in.Next());
  return platform::Status::Ok();
}

}  // namespace

platform::Result<std::vector<std::string>> PrintTextToLines(PrintText& text) {
  std::vector<std::string> lines;
  LineWriter out(lines);
  out.Line(platform::Hex8(kRecordVersion));
  out.Number(kLayerCount);
  for (int i = 0; i < kLayerCount; ++i) {
    platform::Status written = WriteLayer(text.Layers[i], i, out);
    if (!written) return written;
  }
  const PrintParameters& p = text.Parameters;
  for (auto field : kParameterSetXFields) out.Number(p.X1.*field);
  for (auto field : kParameterSetXFields) out.Number(p.X2.*field);
  for (auto field : kParameterSetYFields) out.Number(p.Y.*field);
  for (auto& line : NoteToLines(text.Note)) out.Line(std::move(line));
  return lines;
}

platform::Status PrintTextLoadV6(const std::vector<std::string>& lines, std::size_t first, PrintText& text) {
  return ReadBody(lines, first, Layout::V6, text);
}

platform::Status PrintTextLoadV7(const std::vector<std::string>& lines, std::size_t first, PrintText& text) {
  return ReadBody(lines, first, Layout::V7, text);
}

platform::Status PrintTextLoadV9(const std::vector<std::string>& lines, std::size_t first, PrintText& text) {
  return ReadBody(lines, first, Layout::V9, text);
}

platform::Status PrintTextFromLines(const std::vector<std::string>& lines, PrintText& text) {
  if (lines.empty()) return platform::Status::Fail("the file is empty");
  const auto version = platform::ParseHex(lines[0]);
  if (!version) return platform::Status::Fail("line 1: \"" + lines[0].substr(0, 40) + "\" is not a version");
  switch (*version) {
    case 6: return PrintTextLoadV6(lines, 1, text);
    case 7:
    case 8: return PrintTextLoadV7(lines, 1, text);
    case 9: return PrintTextLoadV9(lines, 1, text);
    default: return platform::Status::Fail("version " + std::to_string(*version) + " cannot be read");
  }
}

}  // namespace printdata
