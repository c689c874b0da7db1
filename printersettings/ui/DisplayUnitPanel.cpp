#include "printersettings/ui/DisplayUnitPanel.h"

#include "platform/qt/Fonts.h"
#include "platform/qt/TextCodec.h"

namespace printersettings::ui {

DisplayUnitLabels AddDisplayUnitPanel(QWidget* parent, const QRect& geometry) {
  DisplayUnitLabels l;
  l.panel = new platform::Panel(parent);
  l.panel->setGeometry(geometry);
  l.panel->SetColor(printerthread::kOfferedColour);
  const int half = geometry.height() / 2;
  auto line = [&](int top) {
    auto* label = new QLabel(l.panel);
    label->setFont(platform::CourierNewPx(15));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(0, top, geometry.width(), half);
    label->setAlignment(Qt::AlignCenter);
    return label;
  };
  l.line0 = line(0);
  l.line1 = line(half);
  l.value = new QLabel(QStringLiteral("?"), l.panel);
  l.value->setGeometry(0, 0, geometry.width(), geometry.height());
  l.value->setAlignment(Qt::AlignCenter);
  return l;
}

void ShowDisplayUnit(const DisplayUnitLabels& labels, QLabel* title, const printerthread::DisplayUnitView& view) {
  labels.line0->setText(platform::ToQt(view.line0));
  labels.line1->setText(platform::ToQt(view.line1));
  labels.value->setText(platform::ToQt(view.value));
  title->setText(platform::ToQt(view.title));
}

}  // namespace printersettings::ui
