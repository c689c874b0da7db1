// Libraries: filedialog_ui
// Fuzz target of the file dialog's enhanced metafile preview: the checks,
// libemf2svg behind them and Qt SVG drawing what it makes. Any input must
// draw or fail cleanly, and a picture drawn has its frame's size, within
// the limits.
#include <QGuiApplication>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "filedialog/EmfCheck.h"
#include "filedialog/ui/EmfImage.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  // Text in the SVG needs the fonts, which need an application object.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static QGuiApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  filedialog::PictureLimits limits;
  limits.maxPixels = 1u << 18;
  limits.maxMetafileRecords = 1u << 12;
  const std::string_view file(reinterpret_cast<const char*>(data), size);
  const QImage picture = filedialogui::DrawEmf(file, limits);
  if (picture.isNull()) return 0;
  auto layout = filedialog::CheckEmf(file, limits);
  if (!layout || picture.width() != layout->width || picture.height() != layout->height) __builtin_trap();
  return 0;
}
