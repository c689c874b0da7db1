#pragma once
// A combo box of the simple kind: one line to type in, no drop-down button.
// Its line takes the box's whole width, a click anywhere on it only places
// the cursor (no button is there to be hit), and its list is walked with
// the arrow keys. The style only
// leaves the button out; the box keeps its font and colours.
#include <QProxyStyle>

class QComboBox;

namespace printersettings::ui {

class SimpleComboStyle final : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  // Gives `box` this style (owned by the box) and keeps the keys that would
  // open its list from opening it.
  static void Apply(QComboBox* box);

  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                       const QWidget* widget) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget) const override;
};

}  // namespace printersettings::ui
