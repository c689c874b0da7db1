#include "printdata/ui/MenuFrame.h"

#include "platform/qt/Fonts.h"
#include "platform/qt/NamedColours.h"

namespace printdata::ui {

platform::Panel* SetUpMenuFrame(QWidget* frame, const char* name) {
  frame->setObjectName(QString::fromLatin1(name));
  frame->setFont(platform::VerdanaPx(11));
  platform::SetWindowColour(frame, platform::colours::kSilver);
  auto* entry = new platform::Panel(frame);
  entry->setObjectName(QStringLiteral("PanelEingang"));
  entry->SetColor(platform::colours::kSilver);
  entry->setGeometry(0, 0, 8, 8);
  entry->setEnabled(false);
  return entry;
}

platform::Panel* AddMenuBlock(QWidget* frame, const char* name, int top, int height) {
  auto* block = new platform::Panel(frame);
  block->setObjectName(QString::fromLatin1(name));
  block->SetColor(platform::colours::kSilver);
  block->setGeometry(0, top, kMenuWidth, height);
  return block;
}

platform::Panel* AddRaisedMenuBlock(QWidget* frame, const char* name, int top, int height) {
  platform::Panel* block = AddMenuBlock(frame, name, top, height);
  block->SetBevels(platform::BevelKind::Raised, platform::BevelKind::None);
  return block;
}

void AddMenuButton(QWidget* block, const char* panelName, const char* buttonName, const QString& caption, int left,
                   int top, platform::Panel*& panel, platform::SpeedButton*& button, QSize size) {
  platform::AddButtonPanel(block, QRect(QPoint(left, top), size), caption, panel, button);
  panel->setObjectName(QString::fromLatin1(panelName));
  button->setObjectName(QString::fromLatin1(buttonName));
}

}  // namespace printdata::ui
