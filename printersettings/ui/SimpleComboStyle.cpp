#include "printersettings/ui/SimpleComboStyle.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QStyleOptionComboBox>

namespace printersettings::ui {

namespace {

// The keys with which a combo box opens its list.
class NoListKeys final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F4) return true;
    return (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up) && (key->modifiers() & Qt::AltModifier);
  }
};

}  // namespace

void SimpleComboStyle::Apply(QComboBox* box) {
  // Without a base the proxy makes its own copy of the program's style.
  auto* style = new SimpleComboStyle();
  style->setParent(box);
  box->setStyle(style);
  box->installEventFilter(new NoListKeys(box));
}

QRect SimpleComboStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                                       const QWidget* widget) const {
  if (control != CC_ComboBox) return QProxyStyle::subControlRect(control, option, sub, widget);
  if (sub == SC_ComboBoxArrow) return {};
  if (sub == SC_ComboBoxEditField) {
    // The line reaches where the button was.
    const int frame = pixelMetric(PM_ComboBoxFrameWidth, option, widget);
    return visualRect(option->direction, option->rect, option->rect.adjusted(frame, frame, -frame, -frame));
  }
  return QProxyStyle::subControlRect(control, option, sub, widget);
}

void SimpleComboStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                          QPainter* painter, const QWidget* widget) const {
  if (control == CC_ComboBox) {
    if (const auto* box = qstyleoption_cast<const QStyleOptionComboBox*>(option)) {
      QStyleOptionComboBox plain(*box);
      plain.subControls &= ~SC_ComboBoxArrow;
      plain.activeSubControls &= ~SC_ComboBoxArrow;
      QProxyStyle::drawComplexControl(control, &plain, painter, widget);
      return;
    }
  }
  QProxyStyle::drawComplexControl(control, option, painter, widget);
}

}  // namespace printersettings::ui
