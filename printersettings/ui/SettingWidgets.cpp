#include "printersettings/ui/SettingWidgets.h"

#include "platform/qt/Colour.h"
#include "platform/qt/NamedColours.h"
#include "platform/qt/TextCodec.h"
#include "printerlink/thread/DisplayRules.h"

namespace printersettings::ui {
namespace {

using printerthread::kOfferedColour;
using printerthread::kWithheldColour;

// A flat button over part of `panel` (a SpeedButton made with a parent
// would fill all of it).
// Its sign sits at the outer edge of the half (the caption's blanks pad it
// towards the centre).
platform::SpeedButton* AddHalfButton(platform::Panel* panel, const QRect& geometry, Qt::Alignment side) {
  auto* button = new platform::SpeedButton(nullptr);
  button->setParent(panel);
  button->setGeometry(geometry);
  button->SetTextFlags(static_cast<int>(side | Qt::AlignVCenter));
  button->raise();
  return button;
}

}  // namespace

QLabel* AddPanelLabel(QWidget* panel, const QRect& geometry, const QString& text) {
  auto* label = new QLabel(text, panel);
  label->setGeometry(geometry);
  label->setAlignment(Qt::AlignCenter);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  // Navy like the buttons' captions; a switched-off line has their look of
  // what cannot be used.
  platform::SetTextColour(label, platform::colours::kNavy);
  return label;
}

platform::ButtonPanel AddChoice(QWidget* parent, const QRect& geometry, const QString& caption) {
  platform::ButtonPanel choice = platform::AddButtonPanel(parent, geometry, caption);
  choice.panel->SetColor(kWithheldColour);
  return choice;
}

void AddChoice(QWidget* parent, const QRect& geometry, const QString& caption, platform::Panel*& panel,
               platform::SpeedButton*& button) {
  const platform::ButtonPanel made = AddChoice(parent, geometry, caption);
  panel = made.panel;
  button = made.button;
}

TitledChoice AddTitledChoice(QWidget* parent, const QRect& geometry, const QString& title, const QString& caption) {
  platform::ButtonPanel choice = AddChoice(parent, geometry, QString());
  const int w = geometry.width();
  const int h = geometry.height();
  QLabel* top = AddPanelLabel(choice.panel, QRect(2, 4, w - 4, h / 2 - 4), title);
  QLabel* bottom = AddPanelLabel(choice.panel, QRect(2, h / 2, w - 4, h / 2 - 4), caption);
  choice.button->raise();
  return {choice.panel, top, bottom, choice.button};
}

void LightChoice(platform::Panel* panel, bool chosen) { panel->SetColor(chosen ? kOfferedColour : kWithheldColour); }

void LightChoices(std::initializer_list<platform::Panel*> panels, int chosen) {
  int value = 0;
  for (platform::Panel* p : panels) LightChoice(p, value++ == chosen);
}

ValueRow AddValueRow(QWidget* parent, const QRect& geometry, const QString& title) {
  auto* panel = new platform::Panel(parent);
  panel->setGeometry(geometry);
  panel->SetColor(kOfferedColour);
  const int w = geometry.width();
  const int h = geometry.height();
  ValueRow row{panel, AddPanelLabel(panel, QRect(2, 4, w - 4, h / 2 - 4), title),
               AddPanelLabel(panel, QRect(2, h / 2, w - 4, h / 2 - 4), QString()), nullptr, nullptr};
  row.down = AddHalfButton(panel, QRect(0, 0, w / 2, h), Qt::AlignLeft);
  row.up = AddHalfButton(panel, QRect(w / 2, 0, w - w / 2, h), Qt::AlignRight);
  return row;
}

void NameRow(const ValueRow& row, const QString& member) {
  row.panel->setObjectName(QStringLiteral("Panel") + member);
  row.title->setObjectName(QStringLiteral("Label") + member + QStringLiteral("Titel"));
  row.value->setObjectName(QStringLiteral("Label") + member);
  row.down->setObjectName(QStringLiteral("SpeedButtonDown") + member);
  row.up->setObjectName(QStringLiteral("SpeedButtonUp") + member);
}

void SetStepCaptions(platform::SpeedButton* down, platform::SpeedButton* up,
                     const printersettings::StepCaptionPair& captions) {
  down->SetCaption(platform::ToQt(captions.down));
  up->SetCaption(platform::ToQt(captions.up));
}

void SetStepCaptions(const ValueRow& row, const printersettings::StepCaptionPair& captions) {
  SetStepCaptions(row.down, row.up, captions);
}

void ShowStepButtons(const ValueRow& row, bool shown) {
  row.down->setVisible(shown);
  row.up->setVisible(shown);
}

}  // namespace printersettings::ui
