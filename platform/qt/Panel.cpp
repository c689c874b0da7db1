#include "platform/qt/Panel.h"

#include <QPainter>

#include "platform/qt/Colour.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/NamedColours.h"

namespace platform {

void DrawBevel(QPainter& p, const QRect& r, BevelKind kind) {
  if (kind == BevelKind::None) return;
  const QColor light = VclColor(colours::kWhite);
  const QColor dark = VclColor(colours::kGrey);
  const QColor& topLeft = kind == BevelKind::Raised ? light : dark;
  const QColor& bottomRight = kind == BevelKind::Raised ? dark : light;
  p.setPen(topLeft);
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(bottomRight);
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
}

namespace {

void DrawLine(QPainter& p, int y, int width) {
  p.setPen(VclColor(colours::kGrey));
  p.drawLine(0, y, width - 1, y);
  p.setPen(VclColor(colours::kWhite));
  p.drawLine(0, y + 1, width - 1, y + 1);
}

}  // namespace

Panel::Panel(QWidget* parent) : QWidget(parent) {}

void Panel::SetColor(std::uint32_t vclColor) {
  if (color_ == vclColor) return;
  color_ = vclColor;
  update();
}

void Panel::SetCaption(const QString& caption) {
  if (caption_ == caption) return;
  caption_ = caption;
  update();
}

void Panel::SetFontColor(std::uint32_t vclColor) {
  fontColor_ = vclColor;
  update();
}

std::uint32_t Panel::CaptionColour() const { return isEnabled() ? fontColor_ : colours::kDisabledText; }

void Panel::SetBevels(BevelKind outer, BevelKind inner) {
  outer_ = outer;
  inner_ = inner;
  update();
}

void Panel::SetTopLine(bool on) {
  topLine_ = on;
  update();
}

void Panel::SetBottomLine(bool on) {
  bottomLine_ = on;
  update();
}

void Panel::SetHint(const QString& hint) {
  hint_ = hint;
  setToolTip(showHint_ ? hint_ : QString());
}

void Panel::SetShowHint(bool on) {
  showHint_ = on;
  setToolTip(showHint_ ? hint_ : QString());
}

void Panel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), VclColor(color_));
  QRect r = rect();
  DrawBevel(p, r, outer_);
  if (outer_ != BevelKind::None) r.adjust(1, 1, -1, -1);
  DrawBevel(p, r, inner_);
  if (topLine_) DrawLine(p, 0, width());
  if (bottomLine_) DrawLine(p, height() - 2, width());
  if (!caption_.isEmpty()) {
    p.setPen(VclColor(CaptionColour()));
    p.setFont(font());
    p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, caption_);
  }
}

Panel* AddButtonRow(QWidget* dialog, const QRect& geometry) {
  auto* row = new Panel(dialog);
  row->setGeometry(geometry);
  row->SetColor(colours::kSilver);
  row->SetTopLine(true);
  return row;
}

Panel* AddTitleBar(QWidget* page, const QString& caption) {
  auto* bar = new Panel(page);
  bar->SetColor(colours::kSilver);
  bar->SetFontColor(colours::kNavy);
  bar->setFont(VerdanaPx(19));
  bar->SetCaption(caption);
  bar->SetBottomLine(true);
  return bar;
}

}  // namespace platform
