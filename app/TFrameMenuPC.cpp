#include "app/TFrameMenuPC.h"

#include <QApplication>

#include "app/ComPortClose.h"
#include "app/Konfig.h"
#include "app/TFormEinstellenPC.h"
#include "app/TFormMessage.h"
#include "app/TFormSprache.h"
#include "app/TForm_Main.h"
#include "printdata/ui/ClickRouting.h"
#include "printdata/ui/TFrameDaten.h"
#include "platform/Colours.h"
#include "platform/qt/LanguageTexts.h"

namespace {

platform::Panel* Block(QWidget* frame, int top, int height) {
  auto* panel = new platform::Panel(frame);
  panel->setGeometry(0, top, 193, height);
  panel->SetColor(platform::colours::kSilver);
  panel->SetBevels(platform::BevelKind::Raised, platform::BevelKind::None);
  return panel;
}

}  // namespace

TFrameMenuPC::TFrameMenuPC(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("FrameMenuPC"));
  PanelMain1 = Block(this, 0, 120);
  PanelMain2 = Block(this, 120, 120);
  PanelMain3 = Block(this, 240, 64);
  PanelMain4 = Block(this, 304, 65);
  platform::AddButtonPanel(PanelMain1, QRect(8, 8, 176, 48), QStringLiteral("Bedienungsmodus"), PanelBedienungsmodus,
                           SpeedButtonBedienungsmodus);
  platform::AddButtonPanel(PanelMain1, QRect(8, 64, 176, 48), QStringLiteral("Sprache"), PanelSprache,
                           SpeedButtonSprache);
  platform::AddButtonPanel(PanelMain2, QRect(8, 8, 176, 48), QStringLiteral("Sichern"), PanelSichern,
                           SpeedButtonSichern);
  platform::AddButtonPanel(PanelMain2, QRect(8, 64, 176, 48), QStringLiteral("Herstellen"), PanelHerstellen,
                           SpeedButtonHerstellen);
  platform::AddButtonPanel(PanelMain3, QRect(9, 8, 176, 48), QStringLiteral("Einstellung"), PanelEinstellen,
                           SpeedButtonEinstellen);
  platform::AddButtonPanel(PanelMain4, QRect(9, 8, 176, 48), QStringLiteral("Update"), PanelUpdate,
                           SpeedButtonUpdate);
  NAME_AFTER_MEMBER(SpeedButtonBedienungsmodus);
  NAME_AFTER_MEMBER(SpeedButtonSprache);
  NAME_AFTER_MEMBER(SpeedButtonSichern);
  NAME_AFTER_MEMBER(SpeedButtonHerstellen);
  NAME_AFTER_MEMBER(SpeedButtonEinstellen);
  NAME_AFTER_MEMBER(SpeedButtonUpdate);
  connect(SpeedButtonSprache, &QAbstractButton::clicked, this, [this] { SpeedButtonSpracheClick(SpeedButtonSprache); });
  connect(SpeedButtonEinstellen, &QAbstractButton::clicked, this,
          [this] { SpeedButtonEinstellenClick(SpeedButtonEinstellen); });
  connect(SpeedButtonUpdate, &QAbstractButton::clicked, this, [this] { SpeedButtonUpdateClick(SpeedButtonUpdate); });
  for (platform::Panel* p : {PanelMain1, PanelMain2, PanelMain3, PanelMain4})
    printdata::ui::OnClick(p, [this, p] { PanelMain1Click(p); });
  connect(SpeedButtonSichern, &QAbstractButton::clicked, this, [this] { SpeedButtonSichernClick(SpeedButtonSichern); });
  connect(SpeedButtonHerstellen, &QAbstractButton::clicked, this,
          [this] { SpeedButtonHerstellenClick(SpeedButtonHerstellen); });
  resize(193, 369);
  hide();
}

void TFrameMenuPC::SpeedButtonSpracheClick(QObject*) {
  SpeedButtonSprache->repaint();
  if (Form_Main) Form_Main->CloseMenusAndRefresh();
  if (FormSprache && FormSprache->exec() == 6 && FormSprache->SetLanguage(FormSprache->GetChosenLanguage()) == 1)
    (void)app::WriteProgramConfig();
  if (Form_Main) Form_Main->CloseMenusAndRefresh();
}

void TFrameMenuPC::SpeedButtonEinstellenClick(QObject*) {
  SpeedButtonEinstellen->repaint();
  if (Form_Main) Form_Main->CloseMenusAndRefresh();
  if (FormEinstellenPC && FormEinstellenPC->exec() == 6) {
    // Written and closed on every OK, changed or not; a failed write does
    // not keep the port open.
    (void)app::WriteProgramConfig();
    app::CloseComPortFromGui();
  }
  if (Form_Main) Form_Main->CloseMenusAndRefresh();
}

void TFrameMenuPC::SpeedButtonUpdateClick(QObject*) {
  SpeedButtonUpdate->repaint();
  if (Form_Main) Form_Main->CloseMenusAndRefresh();
  if (Form_Main && Form_Main->FrameDaten->IsModified()) {
    QApplication::processEvents();
    if (FormMessage)
      FormMessage->ShowNotice(SpeedButtonUpdate->Caption(), FormMessage->MsgSaveOrCloseFirst, TFormMessage::kSilver,
                              true);
    return;
  }
  if (Form_Main) Form_Main->RunPendingUpdate();
}

void TFrameMenuPC::PanelMain1Click(QObject*) {
  if (Form_Main) Form_Main->CloseMenusAndRefresh();
}
