#include "printdata/ui/ClickRouting.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>

namespace printdata::ui {
namespace {

class MouseRouter : public QObject {
 public:
  MouseRouter(QWidget* widget, MouseHandlers handlers) : QObject(widget), widget_(widget), h_(std::move(handlers)) {
    widget->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != widget_) return false;
    switch (event->type()) {
      case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        pressed_ = e->button() == Qt::LeftButton;
        if (h_.press) h_.press(e->button());
        return static_cast<bool>(h_.press) || static_cast<bool>(h_.click);
      }
      case QEvent::MouseButtonRelease: {
        auto* e = static_cast<QMouseEvent*>(event);
        const bool click =
            pressed_ && e->button() == Qt::LeftButton && widget_->rect().contains(e->position().toPoint());
        pressed_ = false;
        if (click && h_.click) h_.click();
        return static_cast<bool>(h_.click);
      }
      case QEvent::MouseButtonDblClick:
        pressed_ = false;
        if (h_.doubleClick) {
          h_.doubleClick();
          return true;
        }
        return false;
      default:
        return false;
    }
  }

 private:
  QWidget* widget_;
  MouseHandlers h_;
  bool pressed_ = false;
};

class DisabledPass : public QObject {
 public:
  explicit DisabledPass(QWidget* button) : QObject(button), button_(button) { button->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != button_ || button_->isEnabled()) return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick)
      return false;
    QWidget* under = button_->parentWidget();
    if (!under) return false;
    auto* e = static_cast<QMouseEvent*>(event);
    QMouseEvent moved(type, button_->mapToParent(e->position()), e->scenePosition(), e->globalPosition(), e->button(),
                      e->buttons(), e->modifiers(), e->pointingDevice());
    QCoreApplication::sendEvent(under, &moved);
    return true;
  }

 private:
  QWidget* button_;
};

}  // namespace

void PassClicksWhenDisabled(QWidget* button) { new DisabledPass(button); }

void OnClick(QWidget* widget, std::function<void()> onClick) {
  new MouseRouter(widget, MouseHandlers{{}, std::move(onClick), {}});
}

void OnMouse(QWidget* widget, MouseHandlers handlers) { new MouseRouter(widget, std::move(handlers)); }

}  // namespace printdata::ui
