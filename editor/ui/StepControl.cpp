#include "editor/ui/StepControl.h"

#include <algorithm>

#include "editor/ui/PaneLook.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/NamedColours.h"

namespace editor::ui {
namespace {

platform::Label* AddLabel(QWidget* parent, const QString& name, const QString& text, int pixels, bool bold) {
  auto* label = new platform::Label(text, parent);
  label->setObjectName(name);
  label->setFont(platform::VerdanaPx(pixels, bold));
  label->setAlignment(Qt::AlignCenter);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  platform::SetTextColour(label, kNavy);
  return label;
}

platform::Panel* AddValuePanel(QWidget* parent, const QString& name) {
  auto* panel = new platform::Panel(parent);
  panel->setObjectName(name);
  panel->SetColor(kValuePanel);
  panel->resize(176, kControlHeight);
  return panel;
}

void PlaceLabels(platform::Panel* panel, platform::Label* title, platform::Label* value) {
  title->setGeometry(0, 3, panel->width(), 16);
  value->setGeometry(0, 20, panel->width(), 24);
}

}  // namespace

void StepControl::Place(const QRect& geometry) const {
  Panel->setGeometry(geometry);
  const int half = geometry.width() / 2;
  if (Down) Down->setGeometry(0, 0, half, geometry.height());
  if (Up) Up->setGeometry(half, 0, geometry.width() - half, geometry.height());
  PlaceLabels(Panel, Title, Value);
}

void StepControl::ShowLimits(bool atMin, bool atMax) const {
  Down->SetCaption(atMin ? QString() : Padded ? DownCaption(DownSign, Padding) : DownSign);
  Up->SetCaption(atMax ? QString() : Padded ? UpCaption(UpSign, Padding) : UpSign);
}

int StepControl::ClampAndShow(StepRange range) const {
  return ClampAndShowAs(range, [](std::int32_t v) { return QString::number(v); });
}

void StepControl::ShowUnclamped(std::int32_t value, StepRange range) const {
  Value->Tag = value;
  Value->setText(QString::number(value));
  ShowLimits(value <= range.Min, value >= range.Max);
}

int StepControl::ClampAndShowAs(StepRange range, const std::function<QString(std::int32_t)>& text) const {
  const ClampedStep c = ClampStep(Value->Tag, range);
  Value->Tag = c.Value;
  ShowLimits(c.AtMin, c.AtMax);
  Value->setText(text(c.Value));
  return c.Value;
}

void ToggleControl::Place(const QRect& geometry) const {
  Panel->setGeometry(geometry);
  PlaceLabels(Panel, Title, Value);
}

void ToggleControl::ShowOn(bool on) const {
  Panel->SetColor(on ? kNavy : kValuePanel);
  for (platform::Label* l : {Title, Value}) {
    platform::SetTextColour(l, on ? kWhite : kNavy);
    QFont f = l->font();
    f.setBold(l == Value || on);
    l->setFont(f);
  }
}

bool ToggleControl::Toggle(const std::array<QString, 2>& words, QWidget* band) const {
  const bool on = Value->Tag == 0;
  Value->Tag = on ? 1 : 0;
  Value->setText(words[on ? 1 : 0]);
  ShowOn(on);
  band->setVisible(on);
  return on;
}

StepControl AddStepControl(QWidget* parent, const QString& name, const QString& title, const QString& downSign,
                           const QString& upSign, const QString& upName) {
  const QString stem = name.mid(5);  // "PanelPositionX" -> "PositionX"
  StepControl c;
  c.Panel = AddValuePanel(parent, name);
  c.DownSign = downSign;
  c.UpSign = upSign;
  c.Down = new StepButton(c.Panel, QRect(0, 0, 88, kControlHeight));
  c.Down->setObjectName(QStringLiteral("SpeedButton") + stem + QStringLiteral("Down"));
  c.Up = new StepButton(c.Panel, QRect(88, 0, 88, kControlHeight));
  c.Up->setObjectName(upName.isEmpty() ? QStringLiteral("SpeedButton") + stem + QStringLiteral("Up") : upName);
  c.Title = AddLabel(c.Panel, QStringLiteral("Label") + stem + QStringLiteral("Titel"), title, 11, false);
  c.Value = AddLabel(c.Panel, QStringLiteral("Label") + stem, QString(), 13, true);
  c.ShowLimits(false, false);
  c.Place(c.Panel->geometry());
  return c;
}

ToggleControl AddToggleControl(QWidget* parent, const QString& name, const QString& title) {
  const QString stem = name.mid(5);
  ToggleControl c;
  c.Panel = AddValuePanel(parent, name);
  c.Button = new platform::SpeedButton(c.Panel);
  c.Button->setObjectName(QStringLiteral("SpeedButton") + stem);
  c.Title = AddLabel(c.Panel, QStringLiteral("Label") + stem + QStringLiteral("Titel"), title, 11, false);
  c.Value = AddLabel(c.Panel, QStringLiteral("Label") + stem, QString(), 13, true);
  c.Place(c.Panel->geometry());
  return c;
}

platform::Panel* AddPaneRow(QWidget* parent, const QString& name, const QString& titleName, const QString& title,
                            platform::Label** titleLabel) {
  auto* row = new platform::Panel(parent);
  row->setObjectName(name);
  row->SetColor(kPageColour);
  row->SetTopLine(true);
  auto* label = new platform::Label(title, row);
  label->setObjectName(titleName);
  label->setFont(platform::VerdanaPx(11, true));
  platform::SetTextColour(label, kNavy);
  label->setGeometry(8, 3, 300, 15);
  if (titleLabel) *titleLabel = label;
  return row;
}

platform::Panel* AddPaneBand(QWidget* row, const QString& name) {
  auto* band = new platform::Panel(row);
  band->setObjectName(name);
  band->SetColor(kBand);
  band->hide();
  return band;
}

QRect PaneBandRect(int columnWidth) {
  return QRect(4, kControlTop - 4, PaneColumnX(3, columnWidth) - 8, kControlHeight + 8);
}

QRect PaneControlRect(int column, int columnWidth) {
  return QRect(PaneColumnX(column, columnWidth), kControlTop, columnWidth, kControlHeight);
}

int PaneColumnWidth(int paneWidth) { return std::clamp((paneWidth - 48) / 5, 120, 176); }

}  // namespace editor::ui
