#include "app/pc/TFrameMenuPC.h"

#include <QApplication>

#include "app/links/ComPortClose.h"
#include "app/Konfig.h"
#include "app/pc/TFormBedienungsmodus.h"
#include "app/pc/TFormEinstellenPC.h"
#include "app/TFormMessage.h"
#include "app/language/TFormSprache.h"
#include "app/TForm_Main.h"
#include "printdata/ui/ClickRouting.h"
#include "printdata/ui/MenuFrame.h"
#include "printdata/ui/TFrameDaten.h"

TFrameMenuPC::TFrameMenuPC(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("FrameMenuPC"));
  using printdata::ui::AddMenuButton;
  PanelMain1 = printdata::ui::AddRaisedMenuBlock(this, "PanelMain1", 0, 120);
  PanelMain2 = printdata::ui::AddRaisedMenuBlock(this, "PanelMain2", 120, 120);
  PanelMain3 = printdata::ui::AddRaisedMenuBlock(this, "PanelMain3", 240, 64);
  PanelMain4 = printdata::ui::AddRaisedMenuBlock(this, "PanelMain4", 304, 65);
  AddMenuButton(PanelMain1, "PanelBedienungsmodus", "SpeedButtonBedienungsmodus", QStringLiteral("Bedienungsmodus"), 8,
                8, PanelBedienungsmodus, SpeedButtonBedienungsmodus);
  AddMenuButton(PanelMain1, "PanelSprache", "SpeedButtonSprache", QStringLiteral("Sprache"), 8, 64, PanelSprache,
                SpeedButtonSprache);
  AddMenuButton(PanelMain2, "PanelSichern", "SpeedButtonSichern", QStringLiteral("Sichern"), 8, 8, PanelSichern,
                SpeedButtonSichern);
  AddMenuButton(PanelMain2, "PanelHerstellen", "SpeedButtonHerstellen", QStringLiteral("Herstellen"), 8, 64,
                PanelHerstellen, SpeedButtonHerstellen);
  AddMenuButton(PanelMain3, "PanelEinstellen", "SpeedButtonEinstellen", QStringLiteral("Einstellung"), 9, 8,
                PanelEinstellen, SpeedButtonEinstellen);
  AddMenuButton(PanelMain4, "PanelUpdate", "SpeedButtonUpdate", QStringLiteral("Update"), 9, 8, PanelUpdate,
                SpeedButtonUpdate);
  connect(SpeedButtonBedienungsmodus, &QAbstractButton::clicked, this,
          [this] { SpeedButtonBedienungsmodusClick(SpeedButtonBedienungsmodus); });
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

void TFrameMenuPC::SpeedButtonBedienungsmodusClick(QObject*) {
  SpeedButtonBedienungsmodus->repaint();
  if (Form_Main) Form_Main->CloseMenusAndRefresh();
  // OK only stores the chosen mode; applying it shows and hides what the
  // mode gates.
  if (FormBedienungsmodus && FormBedienungsmodus->exec() == 6)
    FormBedienungsmodus->SetOperatingMode(FormBedienungsmodus->GetOperatingMode());
  if (Form_Main) Form_Main->CloseMenusAndRefresh();
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
