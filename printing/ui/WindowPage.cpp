#include "printing/ui/WindowPage.h"

#include <QPainter>
#include <QWidget>

#include "platform/Colours.h"
#include "platform/qt/Colour.h"
#include "printing/WindowPageLayout.h"
#include "printing/ui/DeviceRectQt.h"

namespace printing::ui {

QImage CaptureWindow(QWidget* window, bool mayShow) {
  const bool showForIt = mayShow && !window->isVisible();
  if (showForIt) window->show();
  QImage image(window->size(), QImage::Format_RGB32);
  image.setDotsPerMeterX(qRound(window->logicalDpiX() / 0.0254));
  image.setDotsPerMeterY(qRound(window->logicalDpiY() / 0.0254));
  image.fill(window->palette().color(window->backgroundRole()));
  window->render(&image);
  if (showForIt) window->close();
  return image;
}

bool DrawFormPage(PageCanvas& canvas, const QString& caption, QWidget* window, const WindowPageTexts& texts,
                  bool mayShow, const std::function<void()>& errorSize) {
  try {
    const QString date = FooterDate();
    const int screenDpi = window->logicalDpiX();
    const QImage picture = CaptureWindow(window, mayShow);
    const WindowPagePlan plan = PlanWindowPage(canvas.Geometry(), screenDpi, picture.width(), picture.height());
    if (plan.errorSize && errorSize) errorSize();
    canvas.Clear();
    QPainter p(&canvas.Image());
    canvas.DrawHeader(p, texts.context);
    canvas.DrawCentred(p, 250, 60, texts.title);
    p.fillRect(ToQt(plan.outer), platform::VclColor(platform::colours::kPurple));
    if (!plan.inner.IsEmpty()) p.drawImage(ToQt(plan.inner), picture);
    canvas.DrawFooter(p, date, caption);
    return true;
  } catch (...) {
    return false;
  }
}

int PrintFormPage(PageCanvas& canvas, PrintDevice& device, const QString& caption, QWidget* window,
                  const WindowPageTexts& texts, bool mayShow, const std::function<void()>& errorSize,
                  const EngineOptions& options, const TileProgress& progress) {
  try {
    if (!DrawFormPage(canvas, caption, window, texts, mayShow, errorSize)) return 0;
    return canvas.Output(device, options, progress);
  } catch (...) {
    return 0;
  }
}

}  // namespace printing::ui
