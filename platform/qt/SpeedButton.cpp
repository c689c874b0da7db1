#include "platform/qt/SpeedButton.h"

#include <QEvent>
#include <QPainter>

#include "platform/qt/Colour.h"

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

void SpeedButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const bool on = OwnEnabled(this);
  const QRect r = rect().adjusted(0, 0, -1, -1);
  if (on && isEnabled() && (isDown() || hover_)) {
    const bool down = isDown();
    p.setPen(VclColor(down ? colours::kGrey : colours::kWhite));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(VclColor(down ? colours::kWhite : colours::kGrey));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
  }
  p.setFont(font());
  const QRect textRect = rect().adjusted(2, 2, -2, -2).translated(isDown() ? 1 : 0, isDown() ? 1 : 0);
  const int flags = Qt::AlignCenter | Qt::TextWordWrap;
  if (on) {
    p.setPen(VclColor(fontColor_));
    p.drawText(textRect, flags, text());
  } else {
    // The engraved look of a switched-off button.
    p.setPen(VclColor(colours::kWhite));
    p.drawText(textRect.translated(1, 1), flags, text());
    p.setPen(VclColor(colours::kGrey));
    p.drawText(textRect, flags, text());
  }
}

}  // namespace platform

#include "platform/qt/Panel.h"

namespace platform {

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
