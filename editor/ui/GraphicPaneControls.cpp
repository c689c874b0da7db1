#include "editor/ui/GraphicPaneControls.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

#include "platform/Colours.h"
#include "platform/qt/Colour.h"
#include "platform/qt/Fonts.h"

namespace editor::ui::grafik {
namespace {
using platform::colours::kNavy;
using platform::colours::kWhite;

void SetTextColour(QWidget* w, std::uint32_t colour) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::WindowText, platform::VclColor(colour));
  w->setPalette(pal);
}

platform::Label* AddLabel(QWidget* parent, const QString& name, const QString& text, int pixels, bool bold) {
  auto* label = new platform::Label(text, parent);
  label->setObjectName(name);
  label->setFont(platform::VerdanaPx(pixels, bold));
  label->setAlignment(Qt::AlignCenter);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  SetTextColour(label, kNavy);
  return label;
}

platform::Panel* AddValuePanel(QWidget* parent, const QString& name, int column) {
  auto* panel = new platform::Panel(parent);
  panel->setObjectName(name);
  panel->SetColor(kValuePanel);
  panel->setGeometry(ColumnX(column), kControlTop, kControlWidth, kControlHeight);
  return panel;
}

void PlaceLabels(platform::Panel* panel, platform::Label* title, platform::Label* value) {
  title->setGeometry(0, 3, panel->width(), 16);
  value->setGeometry(0, 20, panel->width(), 24);
}

}  // namespace

StepButton::StepButton(QWidget* parent, const QRect& geometry) : platform::SpeedButton(parent) {
  setGeometry(geometry);
}

// A half keeps its own place when the panel changes size.
bool StepButton::eventFilter(QObject*, QEvent*) { return false; }

void StepButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (isEnabled() && (isDown() || underMouse()))
    platform::DrawBevel(p, rect().adjusted(0, 0, -1, -1), isDown() ? platform::BevelKind::Lowered : platform::BevelKind::Raised);
  const QString caption = text();
  const QString sign = caption.trimmed();
  if (sign.isEmpty()) return;
  const Qt::Alignment side = caption.front().isSpace() ? Qt::AlignRight : Qt::AlignLeft;
  QFont f = font();
  f.setBold(true);
  f.setPixelSize(15);
  p.setFont(f);
  p.setPen(platform::VclColor(FontColor()));
  const int shift = isDown() ? 1 : 0;
  p.drawText(rect().adjusted(6, 0, -6, 0).translated(shift, shift), side | Qt::AlignVCenter, sign);
}

void StepControl::ClampAndShow(int min, int max) const {
  Value->Tag = std::clamp(Value->Tag, min, max);
  Down->SetCaption(Value->Tag <= min ? QString() : DownCaption);
  Up->SetCaption(Value->Tag >= max ? QString() : UpCaption);
  Value->setText(QString::number(Value->Tag));
}

void ToggleControl::ShowOn(bool on) const {
  Panel->SetColor(on ? kNavy : kValuePanel);
  for (platform::Label* l : {Title, Value}) {
    SetTextColour(l, on ? kWhite : kNavy);
    QFont f = l->font();
    f.setBold(on || l == Value);
    l->setFont(f);
  }
}

StepControl AddStepControl(QWidget* parent, const QString& name, const QString& title, const QString& downCaption,
                           const QString& upCaption, int column) {
  const QString stem = name.mid(5);  // "PanelPositionX" -> "PositionX"
  StepControl c;
  c.Panel = AddValuePanel(parent, name, column);
  c.DownCaption = downCaption;
  c.UpCaption = upCaption;
  c.Down = new StepButton(c.Panel, QRect(0, 0, kControlWidth / 2, kControlHeight));
  c.Down->setObjectName(QStringLiteral("SpeedButton") + stem + QStringLiteral("Down"));
  c.Up = new StepButton(c.Panel, QRect(kControlWidth / 2, 0, kControlWidth - kControlWidth / 2, kControlHeight));
  c.Up->setObjectName(QStringLiteral("SpeedButton") + stem + QStringLiteral("Up"));
  c.Title = AddLabel(c.Panel, QStringLiteral("Label") + stem + QStringLiteral("Titel"), title, 11, false);
  c.Value = AddLabel(c.Panel, QStringLiteral("Label") + stem, QString(), 13, true);
  c.Down->SetCaption(downCaption);
  c.Up->SetCaption(upCaption);
  PlaceLabels(c.Panel, c.Title, c.Value);
  return c;
}

ToggleControl AddToggleControl(QWidget* parent, const QString& name, const QString& title, int column) {
  const QString stem = name.mid(5);
  ToggleControl c;
  c.Panel = AddValuePanel(parent, name, column);
  c.Button = new platform::SpeedButton(c.Panel);
  c.Button->setObjectName(QStringLiteral("SpeedButton") + stem);
  c.Title = AddLabel(c.Panel, QStringLiteral("Label") + stem + QStringLiteral("Titel"), title, 11, false);
  c.Value = AddLabel(c.Panel, QStringLiteral("Label") + stem, QString(), 13, true);
  PlaceLabels(c.Panel, c.Title, c.Value);
  return c;
}

platform::Panel* AddRow(QWidget* parent, const QString& name, const QString& titleName, const QString& title,
                        platform::Label*& titleLabel) {
  auto* row = new platform::Panel(parent);
  row->setObjectName(name);
  row->SetColor(kPage);
  row->SetTopLine(true);
  titleLabel = new platform::Label(title, row);
  titleLabel->setObjectName(titleName);
  titleLabel->setFont(platform::VerdanaPx(11, true));
  SetTextColour(titleLabel, kNavy);
  titleLabel->setGeometry(8, 3, 300, 15);
  return row;
}

platform::Panel* AddBand(QWidget* row, const QString& name) {
  auto* band = new platform::Panel(row);
  band->setObjectName(name);
  band->SetColor(kBand);
  band->setGeometry(ColumnX(0) - 4, kControlTop - 4, 3 * (kControlWidth + 8), kControlHeight + 8);
  band->hide();
  return band;
}

}  // namespace editor::ui::grafik
