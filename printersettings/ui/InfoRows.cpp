#include "printersettings/ui/InfoRows.h"

#include "platform/qt/Fonts.h"
#include "platform/qt/NamedColours.h"
#include "printerlink/thread/DisplayRules.h"

namespace printersettings::ui {

QLabel* AddSectionTitle(QWidget* parent, int left, int top, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setFont(platform::VerdanaPx(11, true));
  platform::SetTextColour(label, platform::colours::kNavy);
  label->setGeometry(left, top, kInfoColumnWidth, kInfoRowHeight);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

QLabel* AddInfoTitle(QWidget* parent, int left, int top, const QString& title) {
  auto* label = new QLabel(title, parent);
  label->setGeometry(left + 8, top, kInfoTitleWidth - 8, kInfoRowHeight);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

InfoRow AddInfoRow(QWidget* parent, int left, int top, const QString& title) {
  InfoRow row;
  row.title = AddInfoTitle(parent, left, top, title);
  row.panel = new platform::Panel(parent);
  row.panel->setGeometry(InfoValueRect(left, top));
  row.panel->SetColor(printerthread::kOfferedColour);
  row.value = new QLabel(QStringLiteral("?"), row.panel);
  row.value->setGeometry(6, 0, kInfoValueWidth - 12, kInfoRowHeight);
  row.value->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return row;
}

void InfoColumn::Section(QLabel*& title, const QString& text) {
  title = AddSectionTitle(parent, left + 8, top, text);
  top += kInfoSectionStep;
}

void InfoColumn::Row(QLabel*& title, QLabel*& value, const QString& text) {
  platform::Panel* panel = nullptr;
  Row(title, panel, value, text);
}

void InfoColumn::Row(QLabel*& title, platform::Panel*& panel, QLabel*& value, const QString& text) {
  const InfoRow r = AddInfoRow(parent, left, top, text);
  title = r.title;
  panel = r.panel;
  value = r.value;
  top += kInfoRowStep;
}

}  // namespace printersettings::ui
