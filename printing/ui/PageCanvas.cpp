#include "printing/ui/PageCanvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>

#include "platform/DateTimeText.h"
#include "printing/ui/QtDib.h"

namespace printing::ui {
namespace {

// The page bitmap measures text like a 96 dpi screen.
constexpr int kScreenDotsPerMetre = 3780;

}  // namespace

std::optional<PageCanvas> PageCanvas::Create(const DeviceCaps& caps, GeometryAt at) {
  std::vector<int> resolutions = {PageResolution(caps.logPixelsX)};
  resolutions.insert(resolutions.end(), kFallbackResolutions.begin(), kFallbackResolutions.end());
  for (int r : resolutions) {
    PageCanvas canvas;
    canvas.geometry_ = at(caps, r);
    if (canvas.geometry_.Empty()) return std::nullopt;
    canvas.image_ = QImage(canvas.geometry_.width, canvas.geometry_.height, QImage::Format_RGB32);
    if (canvas.image_.isNull()) continue;  // too large for the memory there is
    canvas.image_.setDotsPerMeterX(kScreenDotsPerMetre);
    canvas.image_.setDotsPerMeterY(kScreenDotsPerMetre);
    canvas.Clear();
    return canvas;
  }
  return std::nullopt;
}

void PageCanvas::Clear() {
  image_.fill(Qt::white);
  texts_.clear();
}

void PageCanvas::SetFont(QPainter& p, int size) const {
  QFont font(QStringLiteral("Verdana"));
  font.setPointSize(std::max(1, geometry_.U(size)));
  p.setFont(font);
}

void PageCanvas::Text(QPainter& p, int x, int y, const QString& text) {
  p.setPen(Qt::black);
  p.setBackgroundMode(Qt::OpaqueMode);
  p.setBackground(Qt::white);
  const QFontMetrics m = p.fontMetrics();
  p.drawText(x, y + m.ascent(), text);
  if (!text.isEmpty()) texts_.push_back({{x, y, x + m.horizontalAdvance(text), y + m.height()}, text});
}

void PageCanvas::Rule(QPainter& p, int left, int top, int right, int bottom) {
  p.fillRect(QRect(left, top, right - left, std::max(1, bottom - top)), Qt::black);
}

void PageCanvas::DrawHeader(QPainter& p, const QString& context) {
  const PageGeometry& g = geometry_;
  SetFont(p, 30);
  const QFontMetrics m = p.fontMetrics();
  Text(p, 0, 0, QStringLiteral("Osmek AG"));
  const QString product = QStringLiteral("Tarvik23");
  Text(p, (g.width - m.horizontalAdvance(product)) / 2, 0, product);
  Text(p, g.width - m.horizontalAdvance(context), 0, context);
  const int th = m.height();
  const int top = th + th / 14;
  Rule(p, 0, top, g.width - 1, top + g.U(1));
}

void PageCanvas::DrawCentred(QPainter& p, int top, int size, const QString& text) {
  SetFont(p, size);
  Text(p, (geometry_.width - p.fontMetrics().horizontalAdvance(text)) / 2, geometry_.U(top), text);
}

void PageCanvas::DrawFooter(QPainter& p, const QString& date, const QString& caption) {
  const PageGeometry& g = geometry_;
  SetFont(p, 30);
  const QFontMetrics m = p.fontMetrics();
  const int fh = m.height();
  Text(p, 0, g.height - fh, date);
  Text(p, g.width - m.horizontalAdvance(caption), g.height - fh, caption);
  const int top = g.height - fh + fh / 56 - g.U(1);
  Rule(p, 0, top, g.width - 1, top + g.U(1));
}

int PageCanvas::Output(PrintDevice& device, const EngineOptions& options, const TileProgress& progress) const {
  if (image_.isNull() || geometry_.Empty()) return -1;
  if (!BitmapToDib(image_, file_, dib_)) return -2;
  const DeviceRect d = geometry_.Destination();
  const int printed =
      PrintDibOnPage(device, d.left, d.top, d.Width(), d.Height(), dib_.header, dib_.pixels, options, progress);
  if (printed != kEnginePrinted) return -3;
  // The texts where the stretched page shows them.
  const auto x = [&](int v) { return d.left + static_cast<int>(std::int64_t{v} * d.Width() / geometry_.width); };
  const auto y = [&](int v) { return d.top + static_cast<int>(std::int64_t{v} * d.Height() / geometry_.height); };
  for (const PlacedText& t : texts_)
    device.PageText({x(t.where.left), y(t.where.top), x(t.where.right), y(t.where.bottom)}, t.text.toStdString());
  return 1;
}

QString FooterDate() { return QString::fromStdString(platform::ShortDateText(platform::LocalNow())); }

EngineOptions ScreenEngineOptions() {
  EngineOptions o;
  if (const QScreen* s = QGuiApplication::primaryScreen()) {
    const QSize pixels = s->size() * s->devicePixelRatio();
    if (pixels.width() > 0 && pixels.height() > 0) {
      o.tileWidth = pixels.width();
      o.tileHeight = pixels.height();
    }
  }
  return o;
}

}  // namespace printing::ui
