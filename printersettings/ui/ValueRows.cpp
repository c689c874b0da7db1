#include "printersettings/ui/ValueRows.h"

#include "platform/qt/Fonts.h"
#include "platform/qt/NamedColours.h"
#include "printerlink/thread/DisplayRules.h"

namespace printersettings::ui {

QLabel* AddSectionTitle(QWidget* parent, int left, int top, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setFont(platform::VerdanaPx(11, true));
  platform::SetTextColour(label, platform::colours::kNavy);
  label->setGeometry(left, top, kRowColumnWidth, kRowHeight);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

QLabel* AddRowTitle(QWidget* parent, int left, int top, const QString& title) {
  auto* label = new QLabel(title, parent);
  label->setGeometry(left + 8, top, kRowTitleWidth - 8, kRowHeight);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

ValueRow AddValueRow(QWidget* parent, int left, int top, const QString& title) {
  ValueRow row;
  row.title = AddRowTitle(parent, left, top, title);
  row.panel = new platform::Panel(parent);
  row.panel->setGeometry(RowValueRect(left, top));
  row.panel->SetColor(printerthread::kOfferedColour);
  row.value = new QLabel(QStringLiteral("?"), row.panel);
  row.value->setGeometry(6, 0, kRowValueWidth - 12, kRowHeight);
  row.value->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return row;
}

}  // namespace printersettings::ui
