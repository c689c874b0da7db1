#include "editor/PrintStrip.h"

#include <algorithm>

#include "editor/BmpFile.h"
#include "rendering/ParameterLimits.h"
#include "printdata/PrintField.h"

namespace editor {

PrintStripLayout LayoutPrintStrip(const printdata::ParameterSetX& stored) {
  // The values as the parameters pane holds them: whole millimetres,
  // every value within its range, so that no layout overflows.
  printdata::ParameterSetX x1 = stored;
  NormalizeParameterSet(x1);
  auto pixels = [](std::int32_t tenths) { return std::int64_t{tenths} / 10 * printdata::kDotsPerMillimetre; };
  PrintStripLayout l;
  l.LeadIn = pixels(x1.Vorlauf);
  l.Print = pixels(x1.Drucklaenge);
  l.Distance = pixels(x1.Abstand);
  l.GroupDistance = pixels(x1.Abstand2);
  l.RunOut = pixels(x1.Nachlauf);
  l.Prints = x1.Anzahl;
  l.Groups = l.Prints == 1 ? 1 : x1.Anzahl2;
  l.Turned = x1.Lage != 0;
  l.GroupLength = (l.Print + l.Distance) * l.Prints - l.Distance;
  l.Body = (l.GroupLength + l.GroupDistance) * l.Groups - l.GroupDistance;
  l.Width = l.LeadIn + l.Body + l.RunOut;
  return l;
}

std::uint32_t StripPixel(const PrintStripLayout& l, const platform::Bitmap& printImage, std::int64_t x, int y) {
  if (x < 0 || x >= l.Width) return kStripBackground;
  if (x < l.LeadIn) return kStripLeadIn;
  std::int64_t p = x - l.LeadIn;
  if (p >= l.Body) return kStripRunOut;
  p %= l.GroupLength + l.GroupDistance;
  if (p >= l.GroupLength) return kStripGroupGap;
  p %= l.Print + l.Distance;
  if (p >= l.Print) return kStripDistance;
  if (l.Turned) return printImage.Pixel(l.Print - 1 - p, printdata::kPrintFieldRows - 1 - y);
  return printImage.Pixel(p, y);
}

platform::Bitmap RenderPrintStrip(const PrintStripLayout& layout, const platform::Bitmap& printImage, int width,
                                  int height) {
  platform::Bitmap out(width, height);
  if (out.Width() == 0 || out.Height() == 0) return out;
  for (int ty = 0; ty < out.Height(); ++ty) {
    const int y = static_cast<int>(static_cast<std::int64_t>(ty) * printdata::kPrintFieldRows / out.Height());
    for (int tx = 0; tx < out.Width(); ++tx)
      out.SetPixel(tx, ty, StripPixel(layout, printImage, static_cast<std::int64_t>(tx) * layout.Width / out.Width(), y));
  }
  return out;
}

FittedSize FitInto(std::int64_t width, std::int64_t height, int areaWidth, int areaHeight) {
  if (width <= 0 || height <= 0 || areaWidth <= 0 || areaHeight <= 0) return {1, 1};
  // Scale by the tighter of the two ratios, compared without rounding.
  if (static_cast<long double>(areaWidth) * height <= static_cast<long double>(areaHeight) * width) {
    const std::int64_t h = static_cast<std::int64_t>(static_cast<long double>(areaWidth) * height / width);
    return {areaWidth, static_cast<int>(std::max<std::int64_t>(h, 1))};
  }
  const std::int64_t w = static_cast<std::int64_t>(static_cast<long double>(areaHeight) * width / height);
  return {static_cast<int>(std::max<std::int64_t>(w, 1)), areaHeight};
}

platform::Bitmap ComposePrintImage(const platform::Bitmap* const layers[], int count, int width, int height) {
  platform::Bitmap image(width, height);
  for (int i = 0; i < count; ++i)
    if (layers[i]) image.DrawTransparent(*layers[i], 0, 0);
  MakeBlackAndWhite(image);
  return image;
}

}  // namespace editor
