#include "editor/ui/FontSample.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

#include "platform/qt/BitmapImage.h"
#include "platform/Bitmap.h"
#include "platform/font/FontRenderer.h"
#include "platform/qt/TextCodec.h"

namespace editor::ui {

FontSample::FontSample(QWidget* parent) : platform::Panel(parent) {
  SetColor(platform::colours::kWhite);
}

void FontSample::SetSampleFont(const platform::FontDescription& font) {
  font_ = font;
  update();
}

void FontSample::SetText(const std::string& cp1252) {
  text_ = cp1252;
  SetCaption(platform::ToQt(cp1252));
  update();
}

void FontSample::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.setPen(QColor(128, 128, 128));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  auto font = platform::FontRenderer::Instance().CreateFont(font_);
  if (!font) return;
  const QRect inner = rect().adjusted(2, 2, -2, -2);
  if (inner.width() <= 0 || inner.height() <= 0) return;
  platform::Bitmap picture(inner.width(), inner.height());
  const std::int64_t top = (inner.height() - (*font)->Metrics().Height) / 2;
  (*font)->DrawText(picture, 6, top, text_, platform::kBlack, platform::kWhite);
  p.drawImage(inner.topLeft(), platform::BitmapImage(picture, false));
}

}  // namespace editor::ui
