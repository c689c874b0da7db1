#include "platform/qt/SpeedButton.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "platform/qt/Colour.h"
#include "platform/qt/Panel.h"

namespace platform {

SpeedButton::SpeedButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_Hover);
  if (parent) {
    setGeometry(parent->rect());
    parent->installEventFilter(this);
  }
}

void SpeedButton::SetCaption(const QString& caption) {
  setText(caption);
  update();
}

void SpeedButton::SetFontColor(std::uint32_t vclColor) {
  fontColor_ = vclColor;
  update();
}

void SpeedButton::SetBold(bool bold) {
  QFont f = font();
  f.setBold(bold);
  setFont(f);
}

void SpeedButton::SetTextFlags(int flags) {
  textFlags_ = flags;
  update();
}

bool SpeedButton::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parent() && event->type() == QEvent::Resize)
    setGeometry(static_cast<QWidget*>(watched)->rect());
  return false;
}

void SpeedButton::enterEvent(QEnterEvent* event) {
  hover_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void SpeedButton::leaveEvent(QEvent* event) {
  hover_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}

std::uint32_t SpeedButton::CaptionColour() const {
  const bool looksOn = isEnabled() || (keepLook_ && OwnEnabled(this));
  return looksOn ? fontColor_ : colours::kDisabledText;
}

QRect SpeedButton::FrameRect() const {
  const QRect all = rect().adjusted(0, 0, -1, -1);
  const bool left = textFlags_ & Qt::AlignLeft;
  const bool right = textFlags_ & Qt::AlignRight;
  if (left == right) return all;
  // The sign and a margin as wide as it; a button whose caption is empty
  // (at a limit) keeps the room of a sign.
  const QFontMetrics metrics(font());
  const QString sign = text().trimmed().isEmpty() ? QStringLiteral("+") : text().trimmed();
  const int width = std::min(all.width(), 2 + 3 * metrics.horizontalAdvance(sign));
  return left ? QRect(all.left(), all.top(), width, all.height())
              : QRect(all.right() - width + 1, all.top(), width, all.height());
}

void SpeedButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const bool on = isEnabled();
  if (on && (isDown() || hover_)) DrawBevel(p, FrameRect(), isDown() ? BevelKind::Lowered : BevelKind::Raised);
  p.setFont(font());
  const QRect textRect = rect().adjusted(2, 2, -2, -2).translated(isDown() ? 1 : 0, isDown() ? 1 : 0);
  const int flags = textFlags_;
  if (CaptionColour() == colours::kDisabledText) {
    // The engraved look of what cannot be used.
    p.setPen(VclColor(colours::kWhite));
    p.drawText(textRect.translated(1, 1), flags, text());
  }
  p.setPen(VclColor(CaptionColour()));
  p.drawText(textRect, flags, text());
}

ButtonPanel AddButtonPanel(QWidget* parent, const QRect& geometry, const QString& caption) {
  auto* panel = new Panel(parent);
  panel->setGeometry(geometry);
  panel->SetColor(colours::kLightGrey);
  auto* button = new SpeedButton(panel);
  button->SetCaption(caption);
  return {panel, button};
}

void AddButtonPanel(QWidget* parent, const QRect& geometry, const QString& caption, Panel*& panel,
                    SpeedButton*& button) {
  const ButtonPanel made = AddButtonPanel(parent, geometry, caption);
  panel = made.panel;
  button = made.button;
}

}  // namespace platform
